// Times the editor's verse look-up, which runs as the teacher types: opening
// the Bible once, then a one-verse and a ten-verse passage with the phrase
// marked, each the median of many runs.
#include "Biblia.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

double mediana(int veces, const std::function<void()>& f)
{
    std::vector<double> ms;
    for (int i = 0; i < veces; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    double abrir = mediana(5, [] { Biblia b; });
    const Biblia biblia;
    if (!biblia.disponible()) {
        out << "bench_biblia: the Bible text is not available (sword-text-sparv, libsword)\n";
        return 0;
    }
    qsizetype largo = 0;
    // Looking up books far apart, so each run opens another compressed block.
    const QString uno[2] = {QStringLiteral("Génesis 6:14"), QStringLiteral("Apocalipsis 22:21")};
    int k = 0;
    const double verso = mediana(200, [&] {
        largo += biblia.pasaje(uno[k++ % 2]).marcar(QStringLiteral("Hazte un arca")).html.size();
    });
    const double diez = mediana(200, [&] {
        largo += biblia.pasaje(QStringLiteral("Salmos 119:1-10")).marcar(QStringLiteral("Bienaventurados")).html.size();
    });
    out << QStringLiteral("opening the Bible (SWMgr, module %1): %2 ms\n").arg(QLatin1String(Biblia::Modulo)).arg(abrir, 0, 'f', 2);
    out << QStringLiteral("one verse, marked, alternating Génesis and Apocalipsis: %1 ms\n").arg(verso, 0, 'f', 3);
    out << QStringLiteral("ten verses (Salmos 119:1-10), marked: %1 ms\n").arg(diez, 0, 'f', 3);
    return largo > 0 ? 0 : 1;
}
