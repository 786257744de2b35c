#pragma once
#include "Publico.h"

#include <QStringList>

// A room of phones that has no network and writes down every call, in order:
//   "encendido 1|0", "juega 1|0", "pregunta", "quitadas 0110", "juzgada C E
//   acierto|fallo|retiro", "juego", "partida", "abrir", "cerrar".
// The last question, removal and standings are kept whole. The test emits
// the room's signals itself (estadoCambia, votosCambian, encuestaCerrada);
// `estadoFalso` is what estado() answers and `votantes` whether abrirEncuesta
// finds phones to vote.
class PublicoFalso : public Publico {
public:
    using Publico::Publico;

    void setEncendido(bool si) override
    {
        anota(QStringLiteral("encendido ") + uno(si));
        encendido = si;
    }
    void setJuegaElPublico(bool si) override
    {
        anota(QStringLiteral("juega ") + uno(si));
        juega = si;
    }
    EstadoSala estado() const override { return estadoFalso; }

    void preguntaAbierta(const PreguntaEnSala& p) override
    {
        anota(QStringLiteral("pregunta"));
        preguntas << p;
    }
    void respuestasQuitadas(const std::array<bool, 4>& q) override
    {
        QString s;
        for (bool b : q)
            s += uno(b);
        anota(QStringLiteral("quitadas ") + s);
        quitadas = q;
    }
    void preguntaJuzgada(int correcta, int elegida, Juicio j) override
    {
        const char* nombre = j == Juicio::Acierto ? "acierto" : j == Juicio::Fallo ? "fallo" : "retiro";
        anota(QStringLiteral("juzgada %1 %2 %3").arg(correcta).arg(elegida).arg(QLatin1String(nombre)));
    }
    void juegoTerminado() override { anota(QStringLiteral("juego")); }
    void partidaTerminada(const QList<PuestoEnSala>& p) override
    {
        anota(QStringLiteral("partida"));
        posiciones = p;
    }
    bool abrirEncuesta() override
    {
        anota(QStringLiteral("abrir"));
        return votantes;
    }
    void cerrarEncuesta() override { anota(QStringLiteral("cerrar")); }

    // The calls of one kind, by their first word.
    QStringList de(const QString& palabra) const
    {
        QStringList r;
        for (const QString& l : llamadas)
            if (l == palabra || l.startsWith(palabra + QLatin1Char(' ')))
                r << l;
        return r;
    }

    QStringList llamadas;
    QList<PreguntaEnSala> preguntas;
    std::array<bool, 4> quitadas{};
    QList<PuestoEnSala> posiciones;
    EstadoSala estadoFalso;
    bool votantes = false;
    bool encendido = false;
    bool juega = false;

private:
    static QString uno(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }
    void anota(const QString& l) { llamadas << l; }
};
