// The room with N phones on this machine, N = 30, 100 and 300: the game's
// side (a PublicoEnRed on 127.0.0.1, driven from this thread as the board
// drives it) in this process, the phones (QWebSockets) in a child process of
// this same program, so the memory figure is the game's alone. Both read the
// same monotonic clock. Printed, for each N:
//   - from preguntaAbierta to each phone having the question (p50, p99);
//   - from a phone sending its vote to the tally reaching this thread (p50, p99);
//   - this thread's event-loop lateness while all N vote at once (p99, max);
//   - the growth of this process's resident memory, from before the first
//     room to N phones in and voting.
// Goals: question 300 ms p99 at N = 300; vote 100 ms p99; loop 30 ms; < 30 MB.
#include "PublicoEnRed.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kPreguntas = 5;
constexpr int kVotaciones = 5;

qint64 ahoraUs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1'000'000 + t.tv_nsec / 1000;
}

double percentil(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

double rssMb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:"))
            return l.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

bool esperar(const std::function<bool()>& listo, int ms) {
    QElapsedTimer t;
    t.start();
    while (!listo()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// ---- the phones' side (child process) --------------------------------------
// Joins N phones, then on "votar" on its input every phone votes at once.
// Prints "UNIDOS", then for each question "P t1 … tN" (the time each phone
// had it), for each poll "E" once all have it and "V t1 … tN" (the times the
// votes went out).
int telefonos(int n, const QString& url, const QString& codigo) {
    QTextStream out(stdout);
    std::vector<std::unique_ptr<QWebSocket>> ws;
    std::vector<qint64> recibida(size_t(n), 0);
    int unidos = 0, conPregunta = 0, conEncuesta = 0;
    for (int i = 0; i < n; ++i) {
        ws.push_back(std::make_unique<QWebSocket>());
        QWebSocket* s = ws.back().get();
        QObject::connect(s, &QWebSocket::connected, s, [s, codigo] {
            s->sendTextMessage(QStringLiteral(R"({"t":"unirse","sala":"%1"})").arg(codigo));
        });
        QObject::connect(s, &QWebSocket::textMessageReceived, s, [&, i](const QString& m) {
            const qint64 t = ahoraUs();
            const QString tipo = QJsonDocument::fromJson(m.toUtf8()).object().value("t").toString();
            if (tipo == QLatin1String("bienvenida") && ++unidos == n)
                out << "UNIDOS" << Qt::endl;
            else if (tipo == QLatin1String("pregunta")) {
                recibida[size_t(i)] = t;
                if (++conPregunta == n) {
                    conPregunta = 0;
                    out << "P";
                    for (qint64 r : recibida)
                        out << ' ' << r;
                    out << Qt::endl;
                }
            } else if (tipo == QLatin1String("encuesta") && m.contains(QLatin1String("\"abierta\":true"))) {
                if (++conEncuesta == n) {
                    conEncuesta = 0;
                    out << "E" << Qt::endl;
                }
            }
        });
        s->open(QUrl(url));
    }
    QSocketNotifier entrada(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&entrada, &QSocketNotifier::activated, [&] {
        char linea[64];
        if (!fgets(linea, sizeof linea, stdin)) {
            QCoreApplication::quit();
            return;
        }
        std::vector<qint64> salida;
        int r = 0;
        for (auto& s : ws) {
            salida.push_back(ahoraUs());
            s->sendTextMessage(QStringLiteral(R"({"t":"voto","r":%1})").arg(r++ % 4));
            s->flush();
        }
        out << "V";
        for (qint64 t : salida)
            out << ' ' << t;
        out << Qt::endl;
    });
    return QCoreApplication::exec();
}

// ---- the game's side -------------------------------------------------------

struct Hijo {
    QProcess p;
    QList<QByteArray> lineas;
    QByteArray resto;
    Hijo() {
        QObject::connect(&p, &QProcess::readyReadStandardOutput, [this] {
            resto += p.readAllStandardOutput();
            qsizetype i;
            while ((i = resto.indexOf('\n')) >= 0) {
                lineas.append(resto.left(i));
                resto.remove(0, i + 1);
            }
        });
    }
    QByteArray tomar(const char* empieza, int ms) {
        QByteArray l;
        esperar([&] {
            for (qsizetype i = 0; i < lineas.size(); ++i)
                if (lineas[i].startsWith(empieza)) {
                    l = lineas.takeAt(i);
                    return true;
                }
            return false;
        }, ms);
        return l;
    }
};

std::vector<qint64> tiempos(const QByteArray& linea) {
    std::vector<qint64> t;
    const QList<QByteArray> p = linea.split(' ');
    for (qsizetype i = 1; i < p.size(); ++i)
        t.push_back(p[i].toLongLong());
    return t;
}

double rssInicial = 0;

bool medir(int n) {
    OpcionesSala o;
    o.direccion = QHostAddress(QHostAddress::LocalHost);
    o.puertos = {};
    o.limites.conexionesPorDireccion = 10'000; // every phone here shares 127.0.0.1
    o.limites.rafagaDeMensajes = 1000;
    PublicoEnRed sala(o);
    sala.setEncendido(true);
    if (!esperar([&] { return sala.estado().escuchando; }, 10'000)) {
        std::fprintf(stderr, "the room did not start: %s\n", qPrintable(sala.estado().problema));
        return false;
    }
    Hijo hijo;
    const QString ws = QStringLiteral("ws://127.0.0.1:%1/ws").arg(QUrl(sala.estado().direccion).port());
    hijo.p.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--telefonos"), QString::number(n), ws, sala.estado().codigo});
    if (hijo.tomar("UNIDOS", 60'000).isEmpty()
        || !esperar([&] { return sala.estado().conectados == n; }, 10'000)) {
        std::fprintf(stderr, "N=%d: the phones did not all join\n", n);
        return false;
    }

    std::vector<double> pregunta, voto, lateness;
    for (int q = 0; q < kPreguntas; ++q) {
        const qint64 t0 = ahoraUs();
        sala.preguntaAbierta({QStringLiteral("Ana"), 5, QStringLiteral("10"),
                              QStringLiteral("¿Cuál de estos libros está en el Antiguo Testamento?"),
                              {QStringLiteral("Rut"), QStringLiteral("Hechos"), QStringLiteral("Romanos"),
                               QStringLiteral("Judas")},
                              30});
        const QByteArray l = hijo.tomar("P", 10'000);
        for (qint64 t : tiempos(l))
            pregunta.push_back(double(t - t0) / 1000.0);
        esperar([] { return false; }, 50);
    }

    for (int v = 0; v < kVotaciones; ++v) {
        std::vector<std::pair<int, qint64>> llegadas; // count, time on this thread
        QObject conexiones;
        QObject::connect(&sala, &Publico::votosCambian, &conexiones, [&](int votaron, int) {
            llegadas.emplace_back(votaron, ahoraUs());
        });
        bool cerrada = false;
        QObject::connect(&sala, &Publico::encuestaCerrada, &conexiones, [&] { cerrada = true; });
        if (!sala.abrirEncuesta() || hijo.tomar("E", 10'000).isEmpty())
            return false;
        // This thread's lateness: a 5 ms timer, how late each tick comes.
        QTimer latido;
        latido.setInterval(5);
        qint64 antes = ahoraUs();
        QObject::connect(&latido, &QTimer::timeout, [&] {
            const qint64 t = ahoraUs();
            lateness.push_back(std::max(0.0, double(t - antes) / 1000.0 - 5.0));
            antes = t;
        });
        latido.start();
        hijo.p.write("votar\n");
        const std::vector<qint64> salidas = tiempos(hijo.tomar("V", 10'000));
        esperar([&] { return cerrada; }, 20'000);
        latido.stop();
        // The k-th vote sent counts once the tally shows k votes.
        for (size_t k = 0; k < salidas.size(); ++k) {
            auto it = std::find_if(llegadas.begin(), llegadas.end(),
                                   [&](const auto& c) { return c.first >= int(k + 1); });
            if (it != llegadas.end())
                voto.push_back(double(it->second - salidas[k]) / 1000.0);
        }
    }
    const double rssDespues = rssMb();
    std::printf("N=%3d  question to every phone: p50 %6.1f ms  p99 %6.1f ms   "
                "vote to tally: p50 %6.1f ms  p99 %6.1f ms   "
                "event loop late: p99 %5.1f ms  max %5.1f ms   memory +%5.1f MB\n",
                n, percentil(pregunta, 0.5), percentil(pregunta, 0.99), percentil(voto, 0.5),
                percentil(voto, 0.99), percentil(lateness, 0.99),
                lateness.empty() ? 0.0 : *std::max_element(lateness.begin(), lateness.end()),
                rssDespues - rssInicial);
    std::fflush(stdout);
    hijo.p.closeWriteChannel();
    hijo.p.waitForFinished(10'000);
    return true;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.value(1) == QLatin1String("--telefonos"))
        return telefonos(a.value(2).toInt(), a.value(3), a.value(4));
    std::printf("The room of phones on 127.0.0.1 (%d questions, %d polls per N; goals: question p99 300 ms "
                "at N=300, vote p99 100 ms, event loop 30 ms, memory < 30 MB)\n",
                kPreguntas, kVotaciones);
    rssInicial = rssMb();
    for (int n : {30, 100, 300})
        if (!medir(n))
            return 1;
    return 0;
}
