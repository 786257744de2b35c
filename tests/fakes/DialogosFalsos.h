#pragma once
// The editor's questions answered from a script, and its news recorded.
#include "Dialogos.h"

#include <QStringList>

class DialogosFalsos : public Dialogos {
public:
    // What preguntar answers, in turn; Cancelar once they run out.
    QList<Respuesta> respuestas;
    // What the file dialogs give, in turn; "" once they run out.
    QStringList archivos;
    // Every question asked and every message given, in order.
    QStringList preguntas;
    QStringList informes;
    QStringList errores;

    Respuesta preguntar(QWidget*, const QString&, const QString& texto, const QString&, const QString&, bool) override
    {
        preguntas << texto;
        return respuestas.isEmpty() ? Respuesta::Cancelar : respuestas.takeFirst();
    }
    void informar(QWidget*, const QString&, const QString& texto, bool esError) override
    {
        (esError ? errores : informes) << texto;
    }
    QString archivoParaAbrir(QWidget*, const QString&, const QString&, const QString&) override
    {
        return archivos.isEmpty() ? QString() : archivos.takeFirst();
    }
    QString archivoParaGuardar(QWidget*, const QString&, const QString&, const QString&) override
    {
        return archivos.isEmpty() ? QString() : archivos.takeFirst();
    }
};
