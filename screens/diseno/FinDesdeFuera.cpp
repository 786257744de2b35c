#include "FinDesdeFuera.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A signal handler may do next to nothing: it writes one byte here, and the
// event loop, woken by the other end, does the rest.
int aviso[2] = {-1, -1};
constexpr int Senales[] = {SIGTERM, SIGHUP, SIGINT};

void alRecibir(int senal)
{
    const int e = errno;
    const char c = 1;
    // MSG_NOSIGNAL: never a SIGPIPE from here, whatever became of the reader.
    (void)::send(aviso[0], &c, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
    // The next one takes the default: a second Ctrl+C ends the program.
    struct sigaction d = {};
    d.sa_handler = SIG_DFL;
    sigemptyset(&d.sa_mask);
    ::sigaction(senal, &d, nullptr);
    errno = e;
}
}

void AlTerminarDesdeFuera(QObject& dueno, std::function<void()> hacer)
{
    if (aviso[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, aviso) != 0) {
        aviso[0] = aviso[1] = -1;
        return;  // without it the signals keep their default
    }
    auto* n = new QSocketNotifier(aviso[1], QSocketNotifier::Read, &dueno);
    QObject::connect(n, &QSocketNotifier::activated, n, [n, hacer = std::move(hacer)] {
        char c;
        (void)::read(aviso[1], &c, 1);
        n->setEnabled(false);
        if (hacer)
            hacer();
        QCoreApplication::exit(0);
    });
    struct sigaction a = {};
    a.sa_handler = alRecibir;
    sigemptyset(&a.sa_mask);
    a.sa_flags = SA_RESTART;
    for (int s : Senales)
        ::sigaction(s, &a, nullptr);
}

void CerrarAlTerminar(QWidget& tablero)
{
    // Shown or not yet (the title screen may still be up), the board closes
    // as Alt+F4 closes it: its unload step writes the base and shows the
    // closing screen. Then the program ends.
    QPointer<QWidget> t(&tablero);
    AlTerminarDesdeFuera(tablero, [t] {
        if (t)
            t->close();
    });
}
