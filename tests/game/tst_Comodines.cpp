#include "Comodines.h"

#include <QtTest>

class TstComodines : public QObject {
    Q_OBJECT
private slots:
    void mascara()
    {
        QCOMPARE(int(Comodines::Bit(Comodines::Encuesta)), 4);
        QCOMPARE(int(Comodines::Bit(Comodines::Salto)), 2);
        QCOMPARE(int(Comodines::Bit(Comodines::Quita)), 1);
        QCOMPARE(int(Comodines::Bit(3)), 0);
        qint16 m = Comodines::Marcar(0, Comodines::Salto);
        QVERIFY(Comodines::Usado(m, Comodines::Salto));
        QVERIFY(!Comodines::Usado(m, Comodines::Encuesta));
        QCOMPARE(int(Comodines::Marcar(m, Comodines::Salto)), 2);  // a second use adds nothing
        QCOMPARE(int(Comodines::Marcar(Comodines::Marcar(m, 0), 2)), 7);
    }

    void quitaDosConCEnC_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<QList<int>>("candidatos");
        QTest::addColumn<QList<int>>("ocultas");
        QTest::newRow("r=0") << 0 << QList<int>{0, 3, 2} << QList<int>{0, 3};
        QTest::newRow("r=1") << 1 << QList<int>{1, 0, 3} << QList<int>{1, 0};
        QTest::newRow("r=2 (right answer first)") << 2 << QList<int>{2, 1, 0} << QList<int>{1, 0};
        QTest::newRow("r=3") << 3 << QList<int>{3, 2, 1} << QList<int>{3, 1};
    }
    void quitaDosConCEnC()
    {
        QFETCH(int, r);
        QFETCH(QList<int>, candidatos);
        QFETCH(QList<int>, ocultas);
        const auto c = Comodines::Candidatos(r);
        QCOMPARE((QList<int>{c[0], c[1], c[2]}), candidatos);
        const auto o = Comodines::QuitaDos(2, r);
        QCOMPARE((QList<int>{o[0], o[1]}), ocultas);
    }

    // Every right answer and every draw: two distinct wrong answers hidden,
    // and the one that stays behind is C+1 half the time, C+2 and C+3 a
    // quarter each.
    void quitaDosNuncaLaCorrecta()
    {
        for (qint16 C = 0; C < 4; ++C) {
            QList<int> quedan(4, 0);
            for (int r = 0; r < 4; ++r) {
                const auto o = Comodines::QuitaDos(C, r);
                QVERIFY(o[0] != C && o[1] != C);
                QVERIFY(o[0] != o[1]);
                QVERIFY(o[0] >= 0 && o[1] >= 0);
                const int resta = 6 - C - o[0] - o[1];
                ++quedan[(resta - C + 4) % 4];
            }
            QCOMPARE(quedan, (QList<int>{0, 2, 1, 1}));
        }
    }
};

QTEST_APPLESS_MAIN(TstComodines)
#include "tst_Comodines.moc"
