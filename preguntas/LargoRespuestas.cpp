#include "LargoRespuestas.h"

#include <algorithm>

namespace {
// What the player sees on the bar: the text without its outer spaces.
qsizetype largo(const FilaBase& f, int i) { return f[FilaBase::RespA + i].aTexto().trimmed().size(); }

QString porcentaje(qint64 parte, qint64 total)
{
    return QString::number(total ? 100.0 * double(parte) / double(total) : 0.0, 'f', 1) + QStringLiteral(" %");
}
}

void LargoRespuestas::agregar(const FilaBase& fila, const std::function<QString()>& lugar)
{
    const int n = fila.nivel(), correcta = fila.letra();
    if (n < 1 || n > 5 || correcta < 0 || correcta > 3)
        return;
    Cifras& c = niveles_[size_t(n)];
    ++c.preguntas;
    const qsizetype suyo = largo(fila, correcta);
    qsizetype otras = 0;
    for (int i = 0; i < 4; ++i)
        if (i != correcta)
            otras = std::max(otras, largo(fila, i));
    if (suyo > otras)
        ++c.masLarga;
    if (suyo > 0 && double(suyo) >= Veces * double(otras)) {
        ++c.muchoMasLarga;
        if (c.lugares.size() < LugaresNombrados)
            c.lugares << lugar();
    }
}

void LargoRespuestas::informe(QTextStream& salida) const
{
    salida << "La correcta, la más larga de las cuatro / una vez y media más larga que las otras:\n";
    for (int n = 1; n <= 5; ++n) {
        const Cifras& c = niveles_[size_t(n)];
        if (c.preguntas)
            salida << "  nivel " << n << ": " << porcentaje(c.masLarga, c.preguntas) << " / "
                   << porcentaje(c.muchoMasLarga, c.preguntas) << "\n";
    }
}

QStringList LargoRespuestas::avisos() const
{
    QStringList a;
    for (int n = 1; n <= 5; ++n) {
        const Cifras& c = niveles_[size_t(n)];
        if (c.preguntas < MinimoParaAvisar)
            continue;
        if (double(c.masLarga) > MaximoMasLarga * double(c.preguntas))
            a << QStringLiteral("nivel %1: la respuesta correcta es la más larga de las cuatro en el %2 de las "
                                "preguntas (%3 de %4; como mucho el %5 %, o se adivina por el largo)")
                     .arg(QString::number(n), porcentaje(c.masLarga, c.preguntas), QString::number(c.masLarga),
                          QString::number(c.preguntas), QString::number(qRound(MaximoMasLarga * 100)));
        if (double(c.muchoMasLarga) > MaximoMuchoMasLarga * double(c.preguntas)) {
            QStringList nombrados = c.lugares;
            if (c.muchoMasLarga > nombrados.size())
                nombrados << QStringLiteral("y %1 más").arg(c.muchoMasLarga - nombrados.size());
            a << QStringLiteral("nivel %1: la respuesta correcta es una vez y media más larga que cualquier otra en "
                                "el %2 de las preguntas (%3 de %4; como mucho el %5 %): %6")
                     .arg(QString::number(n), porcentaje(c.muchoMasLarga, c.preguntas),
                          QString::number(c.muchoMasLarga), QString::number(c.preguntas),
                          QString::number(qRound(MaximoMuchoMasLarga * 100)), nombrados.join(QStringLiteral(", ")));
        }
    }
    return a;
}
