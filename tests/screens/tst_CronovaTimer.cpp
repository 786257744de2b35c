#include "CronovaTimer.h"

#include <QSignalSpy>
#include <QTest>

class TstCronovaTimer : public QObject {
    Q_OBJECT
private slots:
    void expiraUnaSolaVez();
    void detieneAntesDeCeroNoExpira();
    void reiniciaVuelveAlLimite();
    void segundoArrancaSigueContando();
    void relojRealLlegaACero();
};

void TstCronovaTimer::expiraUnaSolaVez()
{
    Cronova::Timer t;
    t.setTiempoLimite(30);
    t.Reinicia();
    QSignalSpy expira(&t, &Cronova::Timer::Expira);
    t.Arranca();
    for (int i = 0; i < 29; ++i)
        t.Tictac();
    QCOMPARE(expira.count(), 0);
    QCOMPARE(t.Restante(), 1);
    t.Tictac();
    QCOMPARE(expira.count(), 1);
    QCOMPARE(t.Restante(), 0);
    QVERIFY(!t.Corriendo());
    // Stray ticks and a new start without Reinicia raise nothing more.
    t.Tictac();
    t.Arranca();
    t.Tictac();
    QCOMPARE(expira.count(), 1);
}

void TstCronovaTimer::detieneAntesDeCeroNoExpira()
{
    Cronova::Timer t;
    t.setTiempoLimite(3);
    t.Reinicia();
    QSignalSpy expira(&t, &Cronova::Timer::Expira);
    t.setIntervalo(1);
    t.Arranca();
    t.Tictac();
    t.Tictac();
    t.Detiene();
    QVERIFY(!t.Corriendo());
    t.Tictac();   // a late tick of a stopped clock counts nothing
    // Even with the clock given time to fire, nothing comes after Detiene.
    QTest::qWait(30);
    QCOMPARE(expira.count(), 0);
    QCOMPARE(t.Restante(), 1);
    // The next Arranca goes on from where it stopped.
    t.Arranca();
    t.Tictac();
    QCOMPARE(expira.count(), 1);
}

void TstCronovaTimer::reiniciaVuelveAlLimite()
{
    Cronova::Timer t;
    t.setTiempoLimite(45);
    QCOMPARE(t.Restante(), 45);
    t.Arranca();
    t.Tictac();
    t.Tictac();
    t.Reinicia();
    QCOMPARE(t.Restante(), 45);
    QVERIFY(!t.Corriendo());
    // A new length while running waits for the next Reinicia.
    t.Arranca();
    t.Tictac();
    t.setTiempoLimite(30);
    QCOMPARE(t.Restante(), 44);
    t.Reinicia();
    QCOMPARE(t.Restante(), 30);
    QCOMPARE(t.property("TiempoLimite").toInt(), 30);
}

void TstCronovaTimer::segundoArrancaSigueContando()
{
    Cronova::Timer t;
    t.setTiempoLimite(10);
    t.Arranca();
    t.Tictac();
    t.Arranca();
    QVERIFY(t.Corriendo());
    QCOMPARE(t.Restante(), 9);
}

void TstCronovaTimer::relojRealLlegaACero()
{
    // The clock itself drives the count: a 1 ms second lets it run out quickly.
    Cronova::Timer t;
    t.setTiempoLimite(3);
    t.setIntervalo(1);
    QSignalSpy expira(&t, &Cronova::Timer::Expira);
    t.Arranca();
    QVERIFY(expira.wait(5000));
    QTest::qWait(20);
    QCOMPARE(expira.count(), 1);
}

QTEST_MAIN(TstCronovaTimer)
#include "tst_CronovaTimer.moc"
