// Start-up time of the game, from starting the process to the board being
// ready (the program, told so by ORVALIA_MEDIR_ARRANQUE, prints a line right
// there), against the floor: a Qt Widgets program that shows one window and
// prints a line. The time runs until that line arrives, so neither
// program's way out is counted. The game then reports how long each step of
// its start took, and when its sound back-end, started in its own thread,
// was ready; the medians of those are printed as well.
// Both run headless with a settings store of their own, taking turns.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <cstdio>
#include <vector>

namespace {
constexpr int kVeces = 7;

struct Corrida {
    double ms = 0;       // wall clock, from starting the process to its first line
    QByteArray salida;   // all it printed
};

// One run; an empty salida when the program failed.
Corrida correr(const QString& programa, const QProcessEnvironment& entorno)
{
    QProcess p;
    p.setProcessEnvironment(entorno);
    p.setWorkingDirectory(QFileInfo(programa).absolutePath());
    QElapsedTimer reloj;
    reloj.start();
    p.start(programa, {});
    const bool leido = p.waitForReadyRead(60000);
    Corrida c;
    c.ms = double(reloj.nsecsElapsed()) / 1e6;
    if (!leido || !p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(programa), p.readAllStandardError().constData());
        return {};
    }
    c.salida = p.readAllStandardOutput();
    return c;
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The game's own report: the ms to the board on its first line, then
// "paso ms" lines, each step's end in ms since main began.
struct Informe {
    double listo = 0;
    std::vector<std::pair<QString, double>> pasos;
};
Informe leer(const QByteArray& salida)
{
    Informe inf;
    const QList<QByteArray> lineas = salida.trimmed().split('\n');
    inf.listo = lineas.value(0).toDouble();
    for (qsizetype i = 1; i < lineas.size(); ++i) {
        const QList<QByteArray> campos = lineas[i].split(' ');
        if (campos.size() == 2)
            inf.pasos.emplace_back(QString::fromLatin1(campos[0]), campos[1].toDouble());
    }
    return inf;
}

const char* descripcion(const QString& paso)
{
    static const std::map<QString, const char*> d{
        {QStringLiteral("qt"), "Qt application"},
        {QStringLiteral("portada"), "title screen: its six pictures, shown and painted"},
        {QStringLiteral("ajustes"), "settings and player names"},
        {QStringLiteral("tablero"), "board built (its elements, the two players)"},
        {QStringLiteral("carga"), "board's load step (tune, opening sound, question base)"},
        {QStringLiteral("ventanas"), "windows linked, icon, statistics window, title picture"},
    };
    const auto it = d.find(paso);
    return it == d.end() ? "" : it->second;
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

    // The two programs take turns, so a busy machine weighs on both alike.
    std::vector<double> j, f, antesDeMain, sonido;
    std::map<QString, std::vector<double>> pasos;
    std::vector<QString> orden;
    for (int i = 0; i < kVeces; ++i) {
        const Corrida cj = correr(juego, entorno);
        const Corrida cf = correr(piso, entorno);
        if (cj.salida.isEmpty() || cf.salida.isEmpty())
            return 1;
        j.push_back(cj.ms);
        f.push_back(cf.ms);
        const Informe inf = leer(cj.salida);
        antesDeMain.push_back(cj.ms - inf.listo);
        double antes = 0;
        for (const auto& [paso, ms] : inf.pasos) {
            if (paso == QLatin1String("sonido")) {
                sonido.push_back(ms);
                continue;
            }
            if (!pasos.count(paso))
                orden.push_back(paso);
            pasos[paso].push_back(ms - antes);
            antes = ms;
        }
        if (!inf.pasos.empty())
            pasos[QStringLiteral("resto")].push_back(std::max(0.0, inf.listo - antes));
    }
    const double mj = mediana(j), mf = mediana(f);
    std::printf("start-up, median of %d runs each, taking turns (platform %s)\n", kVeces,
                qPrintable(entorno.value(QStringLiteral("QT_QPA_PLATFORM"))));
    std::printf("  Orvalia to the board ready:  %8.1f ms\n", mj);
    std::printf("  one Qt Widgets window:       %8.1f ms\n", mf);
    std::printf("  ratio:                       %8.2f\n", mj / mf);
    std::printf("where Orvalia's time goes (medians of each step, ms):\n");
    std::printf("  %8.1f  before main: the process started, the program and its libraries loaded\n", mediana(antesDeMain));
    for (const QString& paso : orden)
        std::printf("  %8.1f  %s\n", mediana(pasos[paso]), descripcion(paso));
    if (pasos.count(QStringLiteral("resto")))
        std::printf("  %8.1f  the rest of main\n", mediana(pasos[QStringLiteral("resto")]));
    if (!sonido.empty())
        std::printf("  sound back-end ready, in its own thread, %.1f ms after main began\n", mediana(sonido));
    return 0;
}
