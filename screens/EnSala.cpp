#include "EnSala.h"

#include "Clasificacion.h"
#include "Modulo.h"
#include "Pregunta.h"
#include "Premios.h"

PreguntaEnSala PreguntaParaLaSala(const Modulo& m, const Pregunta& q, int segundos)
{
    PreguntaEnSala p;
    p.jugador = m.actual().Nombre;
    p.escalon = m.actual().Escalon;
    p.puntos = TextoPremio(p.escalon);
    p.enunciado = q.Enunciado();
    for (size_t k = 0; k < p.respuestas.size(); ++k)
        p.respuestas[k] = q.Respuesta(qint16(k));
    p.segundos = segundos;
    return p;
}

QList<PuestoEnSala> PosicionesParaLaSala(const Modulo& m)
{
    QList<PuestoEnSala> r;
    for (const Puesto& p : Clasificacion(m))
        if (const Jugador* j = m.jugador(p.jugador))
            r.append({j->Nombre, p.puntos});
    return r;
}

void EnSala::Abierta(const Modulo& m, const Pregunta& q, int segundos)
{
    if (sala_)
        sala_->preguntaAbierta(PreguntaParaLaSala(m, q, segundos));
}

void EnSala::Quitadas(const std::array<qint16, 2>& quitadas)
{
    if (!sala_)
        return;
    std::array<bool, 4> r{};
    for (qint16 k : quitadas)
        if (k >= 0 && k < 4)
            r[size_t(k)] = true;
    sala_->respuestasQuitadas(r);
}

void EnSala::Juzgada(qint16 correcta, qint16 elegida, bool retiro)
{
    if (sala_)
        sala_->preguntaJuzgada(correcta, elegida,
                               retiro ? Juicio::Retiro : (correcta == elegida ? Juicio::Acierto : Juicio::Fallo));
}

void EnSala::Siguiente(const Modulo& m)
{
    if (sala_ && !m.actual().EnJuego)
        sala_->juegoTerminado();
}

void EnSala::Posiciones(const Modulo& m)
{
    if (sala_)
        sala_->partidaTerminada(PosicionesParaLaSala(m));
}
