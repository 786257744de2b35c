#include "Encuesta.h"

#include <QTest>

using Encuesta::Pesos;

class TstEncuesta : public QObject {
    Q_OBJECT
private slots:
    void calcula_data();
    void calcula();
    void todoCeroNoDaGrafico();
    void sorteaConSesgo_data();
    void sorteaConSesgo();
    void nivelFueraDeRango();
    void divideRedondeando();
    void deLaSala_data();
    void deLaSala();
    void textoVotos();
};

void TstEncuesta::calcula_data()
{
    QTest::addColumn<Pesos>("pesos");
    QTest::addColumn<QStringList>("leyendas");
    QTest::addColumn<QList<int>>("altos");
    QTest::newRow("ejemplo") << Pesos{30, 60, 10, 100} << QStringList{"15%", "30%", "5%", "50%"}
                             << QList<int>{540, 1080, 180, 1800};
    QTest::newRow("un cero") << Pesos{0, 50, 25, 25} << QStringList{"0%", "50%", "25%", "25%"}
                             << QList<int>{0, 1800, 900, 900};
    // 3600 / 32 = 112.5 -> 112 and 3 x 112.5 = 337.5 -> 338: halves go to even.
    QTest::newRow("mitades") << Pesos{1, 3, 28, 0} << QStringList{"3%", "9%", "87%", "0%"}
                             << QList<int>{112, 338, 3150, 0};
    QTest::newRow("uno solo") << Pesos{0, 0, 1500, 0} << QStringList{"0%", "0%", "100%", "0%"}
                              << QList<int>{0, 0, 3600, 0};
    // 100 / 3 = 33.3: the captions round down and add up to less than 100.
    QTest::newRow("tercios") << Pesos{1, 1, 1, 0} << QStringList{"33%", "33%", "33%", "0%"}
                             << QList<int>{1200, 1200, 1200, 0};
}

void TstEncuesta::calcula()
{
    QFETCH(Pesos, pesos);
    QFETCH(QStringList, leyendas);
    QFETCH(QList<int>, altos);
    const auto g = Encuesta::Calcula(pesos);
    QVERIFY(g);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(g->leyenda[size_t(i)], leyendas[i]);
        QCOMPARE(g->alto[size_t(i)], altos[i]);
        QCOMPARE(g->tope(i), 4200 - altos[i]);
        QCOMPARE(g->topeLeyenda(i), 4200 - altos[i] - 315);
    }
}

void TstEncuesta::todoCeroNoDaGrafico()
{
    QVERIFY(!Encuesta::Calcula({0, 0, 0, 0}));
}

void TstEncuesta::sorteaConSesgo_data()
{
    QTest::addColumn<QList<double>>("sorteos");
    QTest::addColumn<int>("nivel");
    QTest::addColumn<int>("correcta");
    QTest::addColumn<Pesos>("pesos");
    QTest::newRow("ejemplo") << QList<double>{0.30, 0.60, 0.10, 0.50, 0.20} << 3 << 3 << Pesos{30, 60, 10, 100};
    // 12.5 -> 12, 37.5 -> 38; the right answer's 0.125 x 1500 / 3 = 62.5 -> 62.
    QTest::newRow("mitades") << QList<double>{0.125, 0.375, 0.999, 0.0, 0.125} << 3 << 2 << Pesos{12, 38, 62, 0};
    // 0.999 x 1500 = 1498.5 -> 1498.
    QTest::newRow("nivel 1") << QList<double>{0.0, 0.0, 0.0, 0.0, 0.999} << 1 << 0 << Pesos{1498, 0, 0, 0};
    QTest::newRow("nivel 5") << QList<double>{0.5, 0.5, 0.5, 0.5, 0.999} << 5 << 1 << Pesos{50, 300, 50, 50};
}

void TstEncuesta::sorteaConSesgo()
{
    QFETCH(QList<double>, sorteos);
    QFETCH(int, nivel);
    QFETCH(int, correcta);
    QFETCH(Pesos, pesos);
    Azar azar;
    auto it = std::make_shared<int>(0);
    azar.guion([sorteos, it] { return sorteos.at((*it)++); });
    QCOMPARE(Encuesta::Sortea(qint16(nivel), qint16(correcta), azar), pesos);
    QCOMPARE(*it, 5);   // four draws and a fresh one for the right answer
}

void TstEncuesta::nivelFueraDeRango()
{
    // A level of 0 must not divide by zero; it counts as level 1.
    Azar azar;
    azar.guion({0.0, 0.0, 0.0, 0.0, 0.5});
    QCOMPARE(Encuesta::Sortea(0, 1, azar), (Pesos{0, 750, 0, 0}));
    // No right answer to favour: only the four plain draws.
    azar.guion({0.1, 0.2, 0.3, 0.4});
    QCOMPARE(Encuesta::Sortea(2, -1, azar), (Pesos{10, 20, 30, 40}));
}

void TstEncuesta::divideRedondeando()
{
    QCOMPARE(Encuesta::DivideRedondeando(5, 2), 2);
    QCOMPARE(Encuesta::DivideRedondeando(7, 2), 4);
    QCOMPARE(Encuesta::DivideRedondeando(7, 3), 2);
    QCOMPARE(Encuesta::DivideRedondeando(8, 3), 3);
    QCOMPARE(Encuesta::DivideRedondeando(0, 9), 0);
}

void TstEncuesta::deLaSala_data()
{
    using Votos = Pesos;  // one count a letter
    QTest::addColumn<Votos>("votos");
    QTest::addColumn<QStringList>("leyendas");  // empty: the drawn poll
    QTest::addColumn<QList<int>>("altos");
    // 3, 6, 1 and 10 phones: the chart the example weights give.
    QTest::newRow("votos") << Votos{3, 6, 1, 10} << QStringList{"15%", "30%", "5%", "50%"}
                           << QList<int>{540, 1080, 180, 1800};
    // Seven votes: 14.28, 28.57, 57.14 go down to 14, 28, 57.
    QTest::newRow("hacia abajo") << Votos{1, 2, 4, 0} << QStringList{"14%", "28%", "57%", "0%"}
                                 << QList<int>{514, 1029, 2057, 0};
    QTest::newRow("uno solo") << Votos{0, 0, 0, 1} << QStringList{"0%", "0%", "0%", "100%"}
                              << QList<int>{0, 0, 0, 3600};
    QTest::newRow("sin votos") << Votos{0, 0, 0, 0} << QStringList() << QList<int>();
    // Nothing a room could send counts below zero.
    QTest::newRow("negativos") << Votos{-5, 0, 0, 0} << QStringList() << QList<int>();
    QTest::newRow("negativo y voto") << Votos{-5, 1, 0, 0} << QStringList{"0%", "100%", "0%", "0%"}
                                     << QList<int>{0, 3600, 0, 0};
}

void TstEncuesta::deLaSala()
{
    QFETCH(Pesos, votos);
    QFETCH(QStringList, leyendas);
    QFETCH(QList<int>, altos);
    Azar azar;
    azar.guion({0.30, 0.60, 0.10, 0.999, 0.20});
    const Pesos w = Encuesta::DeLaSala(votos, 3, 3, azar);
    if (leyendas.isEmpty()) {
        // Today's poll, with the draws it has always made: 0.2 x 1500 / 3.
        QCOMPARE(w, (Pesos{30, 60, 10, 100}));
        QVERIFY(!Encuesta::HayVotos(votos));
        return;
    }
    QVERIFY(Encuesta::HayVotos(votos));
    const auto g = Encuesta::Calcula(w);
    QVERIFY(g);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(g->leyenda[size_t(i)], leyendas[i]);
        QCOMPARE(g->alto[size_t(i)], altos[i]);
    }
}

void TstEncuesta::textoVotos()
{
    QCOMPARE(Encuesta::TextoVotos(12, 30), QStringLiteral("Han votado 12 de 30"));
    QCOMPARE(Encuesta::TextoVotos(0, 3), QStringLiteral("Han votado 0 de 3"));
    QCOMPARE(Encuesta::TextoVotos(1, 3), QStringLiteral("Ha votado 1 de 3"));
}

QTEST_MAIN(TstEncuesta)
#include "tst_Encuesta.moc"
