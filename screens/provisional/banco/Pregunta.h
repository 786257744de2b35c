#pragma once
#include <QString>
#include <QStringList>
#include <memory>

// Interim question bank until the real one lands: made-up questions.
class Pregunta {
public:
    static std::unique_ptr<Pregunta> Crear(const QString& carpeta);
    static QString MensajeError();
    void InicializarBase() {}
    void PreguntaNueva(qint16 Nivel);
    QString Enunciado() const { return enunciado_; }
    QString Respuesta(qint16 k) const { return respuestas_.value(k); }
    qint16 Correcta() const { return correcta_; }
    void SePreguntó() {}
    void Reiniciar() {}
    qint32 ID() const { return id_; }

private:
    QString enunciado_;
    QStringList respuestas_;
    qint16 correcta_ = 0;
    qint32 id_ = 0;
};
