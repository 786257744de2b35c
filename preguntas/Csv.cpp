#include "Csv.h"

bool Csv::leer(const QByteArray& utf8, std::vector<Registro>& registros, QString* error, int* lineaError)
{
    QString texto = QString::fromUtf8(utf8);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    registros.clear();
    Registro actual;
    QString valor;
    int linea = 1;
    actual.linea = 1;
    bool dentroComillas = false;
    bool trasComillas = false;  // a quoted field just closed
    bool registroVacio = true;
    qsizetype inicio = 0;  // where the record's raw text starts

    auto cerrarCampo = [&] {
        actual.campos << valor;
        valor.clear();
        trasComillas = false;
    };
    // fin: one past the record's last character, line break included. A
    // blank line is no record; its text goes with the next one.
    auto cerrarRegistro = [&](qsizetype fin) {
        cerrarCampo();
        if (!(registroVacio && actual.campos.size() == 1 && actual.campos[0].isEmpty())) {
            actual.crudo = texto.mid(inicio, fin - inicio);
            inicio = fin;
            registros.push_back(actual);
        }
        actual = Registro();
        actual.linea = linea;
        registroVacio = true;
    };

    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (dentroComillas) {
            if (c == u'"') {
                if (i + 1 < texto.size() && texto[i + 1] == u'"') {
                    valor += u'"';
                    ++i;
                } else {
                    dentroComillas = false;
                    trasComillas = true;
                }
            } else {
                if (c == u'\n')
                    ++linea;
                valor += c;
            }
            continue;
        }
        if (c == u',') {
            cerrarCampo();
            registroVacio = false;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n')
                ++i;
            ++linea;
            cerrarRegistro(i + 1);
        } else if (trasComillas) {
            if (error)
                *error = QStringLiteral("texto tras las comillas de cierre");
            if (lineaError)
                *lineaError = linea;
            return false;
        } else if (c == u'"' && valor.isEmpty()) {
            dentroComillas = true;
            registroVacio = false;
        } else {
            valor += c;
            registroVacio = false;
        }
    }
    if (dentroComillas) {
        if (error)
            *error = QStringLiteral("comillas sin cerrar");
        if (lineaError)
            *lineaError = actual.linea;
        return false;
    }
    if (!registroVacio || !valor.isEmpty() || !actual.campos.isEmpty())
        cerrarRegistro(texto.size());
    return true;
}

QString Csv::campo(const QString& valor)
{
    if (!valor.contains(u',') && !valor.contains(u'"') && !valor.contains(u'\n') && !valor.contains(u'\r'))
        return valor;
    QString v = valor;
    v.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + v + u'"';
}

QString Csv::linea(const QStringList& valores)
{
    QStringList c;
    for (const QString& v : valores)
        c << campo(v);
    return c.join(u',') + QStringLiteral("\r\n");
}
