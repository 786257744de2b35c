#pragma once
#include "Reproductor.h"

#include <QString>
#include <QStringList>

// A media player that plays nothing and writes down every call, in order:
//   "setArchivo <ruta>", "setAutoInicio 1|0", "setVolumen <n>", "reproducir",
//   "detener", "setPosicion <s>".
// Give two fakes the same shared log to see the order across both; there
// each line is prefixed with the player's name ("MP1 reproducir").
// Notifications come only when the test asks: empieza(), termina().
class ReproductorFalso : public Reproductor {
public:
    explicit ReproductorFalso(QString nombre = QStringLiteral("MP"), QStringList* registroComun = nullptr,
                              QObject* parent = nullptr)
        : Reproductor(parent), nombre_(std::move(nombre)), comun_(registroComun)
    {
    }

    void setArchivo(const QString& ruta) override
    {
        anota(QStringLiteral("setArchivo ") + ruta);
        archivo = ruta;
        posicion = 0;
        sonando = false;  // a new file drops the old piece
        if (autoInicio)
            arranca();
    }
    void setAutoInicio(bool si) override
    {
        anota(QStringLiteral("setAutoInicio ") + (si ? QLatin1Char('1') : QLatin1Char('0')));
        autoInicio = si;
    }
    void setVolumen(int centesimasDb) override
    {
        anota(QStringLiteral("setVolumen ") + QString::number(centesimasDb));
        volumen = centesimasDb;
    }
    void reproducir() override
    {
        anota(QStringLiteral("reproducir"));
        if (!archivo.isEmpty())
            arranca();
    }
    void detener() override
    {
        anota(QStringLiteral("detener"));
        sonando = false;
    }
    void setPosicion(double segundos) override
    {
        anota(QStringLiteral("setPosicion ") + QString::number(segundos));
        posicion = segundos;
    }

    // What a real player would report.
    void empieza()
    {
        sonando = true;
        emit empiezaPieza();
    }
    void termina()
    {
        sonando = false;
        emit terminaPieza();
    }

    // The calls since the last olvida(); the shared log is left alone.
    QStringList llamadas;
    void olvida() { llamadas.clear(); }

    // State as a real player would hold it.
    QString archivo;
    int volumen = 0;
    double posicion = 0;
    bool autoInicio = false;
    bool sonando = false;
    // When set, every start (auto-start or reproducir) also emits empiezaPieza.
    bool avisaAlEmpezar = false;

private:
    void arranca()
    {
        sonando = true;
        if (avisaAlEmpezar)
            emit empiezaPieza();
    }
    void anota(const QString& linea)
    {
        llamadas << linea;
        if (comun_)
            *comun_ << nombre_ + QLatin1Char(' ') + linea;
    }

    QString nombre_;
    QStringList* comun_;
};
