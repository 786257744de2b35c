// A stand-in for the board around a real room on 127.0.0.1, for the browser
// test: it prints the room's address and code, then takes one command a line
// on its standard input and prints what comes back from the room.
//   pregunta | quitar | encuesta | cerrar | juzgar C E | juego | partida | salir
#include "PublicoEnRed.h"
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    OpcionesSala o;
    o.direccion = QHostAddress(QHostAddress::LocalHost);
    o.puertos = {};
    PublicoEnRed sala(o);
    QTextStream out(stdout);
    const auto decir = [&out](const QString& s) { out << s << Qt::endl; };

    bool dicho = false;
    QObject::connect(&sala, &Publico::estadoCambia, &app, [&] {
        const EstadoSala e = sala.estado();
        if (!dicho && e.escuchando) {
            dicho = true;
            decir(QStringLiteral("ENLACE %1").arg(e.enlace));
            decir(QStringLiteral("CODIGO %1").arg(e.codigo));
        }
        if (!e.problema.isEmpty())
            decir(QStringLiteral("PROBLEMA %1").arg(e.problema));
        decir(QStringLiteral("CONECTADOS %1").arg(e.conectados));
    });
    QObject::connect(&sala, &Publico::votosCambian, &app, [&](int v, int de) {
        decir(QStringLiteral("VOTOS %1 %2").arg(v).arg(de));
    });
    QObject::connect(&sala, &Publico::encuestaCerrada, &app, [&](const std::array<int, 4>& v) {
        decir(QStringLiteral("ENCUESTA %1 %2 %3 %4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]));
    });
    sala.setEncendido(true);
    sala.setJuegaElPublico(true);

    QSocketNotifier entrada(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&entrada, &QSocketNotifier::activated, &app, [&] {
        char linea[256];
        if (!fgets(linea, sizeof linea, stdin)) {
            app.quit();
            return;
        }
        const QStringList p = QString::fromUtf8(linea).simplified().split(u' ');
        const QString c = p.value(0);
        if (c == QLatin1String("pregunta")) {
            sala.preguntaAbierta({QStringLiteral("Ana <b>"), 7, QStringLiteral("40"),
                                  QStringLiteral("¿Quién construyó el arca?"),
                                  {QStringLiteral("Moisés"), QStringLiteral("Noé"), QStringLiteral("Abraham"),
                                   QStringLiteral("David")},
                                  30});
        } else if (c == QLatin1String("quitar")) {
            sala.respuestasQuitadas({true, false, false, true});
        } else if (c == QLatin1String("encuesta")) {
            decir(QStringLiteral("ABIERTA %1").arg(sala.abrirEncuesta() ? 1 : 0));
        } else if (c == QLatin1String("cerrar")) {
            sala.cerrarEncuesta();
        } else if (c == QLatin1String("juzgar")) {
            sala.preguntaJuzgada(p.value(1).toInt(), p.value(2).toInt(), Juicio::Acierto);
        } else if (c == QLatin1String("juego")) {
            sala.juegoTerminado();
        } else if (c == QLatin1String("partida")) {
            sala.partidaTerminada({{QStringLiteral("Ana"), QStringLiteral("40")}, {QStringLiteral("Luis"), QStringLiteral("3")}});
        } else if (c == QLatin1String("salir")) {
            app.quit();
            return;
        }
        decir(QStringLiteral("HECHO %1").arg(c));
    });
    return app.exec();
}
