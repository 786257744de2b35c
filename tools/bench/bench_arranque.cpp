// Start-up time of the game, from starting the process to the board being
// ready (the program, told so by ORVALIA_MEDIR_ARRANQUE, prints a line right
// there and ends), against the floor: a Qt Widgets program that shows one
// window and prints a line. The time runs until that line arrives, so neither
// program's way out is counted.
// Both run headless with a settings store of their own, several times; the
// medians and their ratio are printed.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kVeces = 7;

// Wall-clock ms of each run; an empty list when the program failed.
std::vector<double> medir(const QString& programa, const QProcessEnvironment& entorno, QString* salida)
{
    std::vector<double> ms;
    for (int i = 0; i < kVeces; ++i) {
        QProcess p;
        p.setProcessEnvironment(entorno);
        p.setWorkingDirectory(QFileInfo(programa).absolutePath());
        QElapsedTimer reloj;
        reloj.start();
        p.start(programa, {});
        const bool leido = p.waitForReadyRead(60000);
        const double hasta = double(reloj.nsecsElapsed()) / 1e6;
        if (!leido || !p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            std::fprintf(stderr, "%s failed: %s\n", qPrintable(programa), p.readAllStandardError().constData());
            return {};
        }
        ms.push_back(hasta);
        if (salida)
            *salida = QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }
    return ms;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString juego = bin.filePath(QStringLiteral("Orvalia"));
    const QString piso = bin.filePath(QStringLiteral("bench_ventana"));

    // A store of its own, past its first run (no reshuffle), so the user's
    // settings are never touched and every run starts the same way.
    QTemporaryDir config;
    QDir(config.path()).mkpath(QStringLiteral("Orvalia"));
    QFile ini(config.filePath(QStringLiteral("Orvalia/Orvalia.ini")));
    if (!ini.open(QIODevice::WriteOnly) || ini.write("[Inicio]\nFirstRun=False\n") < 0)
        return 1;
    ini.close();
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    if (!entorno.contains(QStringLiteral("QT_QPA_PLATFORM")))
        entorno.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    entorno.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.multimedia*=false"));
    entorno.insert(QStringLiteral("ORVALIA_MEDIR_ARRANQUE"), QStringLiteral("1"));

    QString interno;
    const std::vector<double> j = medir(juego, entorno, &interno);
    const std::vector<double> f = medir(piso, entorno, nullptr);
    if (j.empty() || f.empty())
        return 1;
    const double mj = mediana(j), mf = mediana(f);
    std::printf("start-up, median of %d runs (platform %s)\n", kVeces,
                qPrintable(entorno.value(QStringLiteral("QT_QPA_PLATFORM"))));
    std::printf("  Orvalia to the board ready:  %8.1f ms  (inside main: %s ms)\n", mj, qPrintable(interno));
    std::printf("  one Qt Widgets window:       %8.1f ms\n", mf);
    std::printf("  ratio:                       %8.2f\n", mj / mf);
    return 0;
}
