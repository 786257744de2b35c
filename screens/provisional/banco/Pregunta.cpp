#include "Pregunta.h"

#include "Azar.h"

std::unique_ptr<Pregunta> Pregunta::Crear(const QString&) { return std::make_unique<Pregunta>(); }
QString Pregunta::MensajeError()
{
    return QStringLiteral("No puede hallarse la base de preguntas.\nProbablemente el archivo falte o esté "
                          "corrupto.\nVuelva a instalar el programa.");
}
void Pregunta::PreguntaNueva(qint16 Nivel)
{
    ++id_;
    enunciado_ = QStringLiteral("¿Pregunta número %1 del nivel %2?").arg(id_).arg(Nivel);
    respuestas_.clear();
    for (int k = 0; k < 4; ++k)
        respuestas_ << QStringLiteral("Respuesta %1").arg(QChar(u'A' + k));
    correcta_ = qint16(AzarEntero(Azar::global(), 4));
    respuestas_[correcta_] = QStringLiteral("La buena");
}
