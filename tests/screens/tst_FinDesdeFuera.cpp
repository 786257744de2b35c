// The game ended from outside (shut down, session over, terminal closed,
// Ctrl+C) closes its board as Alt+F4 does, so the unload step writes the
// session's counts, and the program ends; by default the process would die
// where it stood.
#include "FinDesdeFuera.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <csignal>

namespace {
class Ventana : public QWidget {
public:
    int cierres = 0;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        ++cierres;
        QWidget::closeEvent(e);
    }
};
}

class TstFinDesdeFuera : public QObject {
    Q_OBJECT
private slots:
    // First: once the program's loop has been told to end, no later loop
    // of this test program runs.
    void elProgramaTermina()
    {
        Ventana tablero;
        tablero.show();
        CerrarAlTerminar(tablero);
        QCOMPARE(::raise(SIGTERM), 0);
        // The program's loop: ended by the signal, or by the time limit (7).
        QEventLoop bucle;
        QTimer::singleShot(5000, &bucle, [&] { bucle.exit(7); });
        QCOMPARE(bucle.exec(), 0);
        QCOMPARE(tablero.cierres, 1);
    }

    void senalCierraElTablero_data()
    {
        QTest::addColumn<int>("senal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void senalCierraElTablero()
    {
        QFETCH(int, senal);
        Ventana tablero;
        CerrarAlTerminar(tablero);  // not shown yet: the title screen is up
        QCOMPARE(::raise(senal), 0);
        QTRY_COMPARE(tablero.cierres, 1);
    }
};

QTEST_MAIN(TstFinDesdeFuera)
#include "tst_FinDesdeFuera.moc"
