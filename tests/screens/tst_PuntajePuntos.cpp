#include "PuntajePuntos.h"

#include <QTest>

class TstPuntajePuntos : public QObject {
    Q_OBJECT
private slots:
    void puntosGanados_data();
    void puntosGanados();
    void seDibujaEnCadaEscalon();
};

void TstPuntajePuntos::puntosGanados_data()
{
    QTest::addColumn<int>("nivel");
    QTest::addColumn<QString>("ganados");
    const char* textos[] = {"0",   "0",   "1",   "2",   "3",     "5",     "10",    "20",
                            "40",  "80",  "160", "320", "640", "1 250", "2 500", "5 000"};
    for (int n = 0; n <= 15; ++n)
        QTest::addRow("escalon %d", n) << n << QString::fromLatin1(textos[n]);
}

void TstPuntajePuntos::puntosGanados()
{
    QFETCH(int, nivel);
    QFETCH(QString, ganados);
    Puntaje::Puntos p;
    p.setNivelActual(qint16(nivel));
    QCOMPARE(p.NivelActual(), nivel);
    QCOMPARE(p.PuntosGanados(), ganados);
    QCOMPARE(p.property("NivelActual").toInt(), nivel);
}

void TstPuntajePuntos::seDibujaEnCadaEscalon()
{
    // Every step and odd sizes paint without trouble (the board scales it).
    Puntaje::Puntos p;
    for (QSize s : {QSize(105, 285), QSize(210, 570), QSize(1, 1), QSize(0, 0)}) {
        p.resize(s);
        for (int n = 0; n <= 15; ++n) {
            p.setNivelActual(qint16(n));
            if (!s.isEmpty())
                QVERIFY(!p.grab().isNull());
        }
    }
}

QTEST_MAIN(TstPuntajePuntos)
#include "tst_PuntajePuntos.moc"
