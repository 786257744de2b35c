#include "Estadisticas.h"

#include <QSignalSpy>
#include <QTest>

class TstEstadisticas : public QObject {
    Q_OBJECT
private slots:
    void ventana();
    void graficoInicialAntesDeLlenar();
    void llenarDibujaLasBarras();
    void todoCeroConservaElGrafico();
    void teclasConCaracter_data();
    void teclasConCaracter();
    void teclasSinCaracterNoPasan();
};

namespace {
// The colour drawn at a point given in twips of the client area.
QColor colorEn(QWidget& w, int x, int y)
{
    return w.grab().toImage().pixelColor(x / 15, y / 15);
}
bool esAzul(const QColor& c) { return c.red() < 40 && c.green() < 40 && c.blue() > 100; }
}

void TstEstadisticas::ventana()
{
    Estadisticas s;
    QCOMPARE(s.windowTitle(), QStringLiteral("Estadísticas"));
    QCOMPARE(s.size(), QSize(339, 300));
    QVERIFY(!(s.windowFlags() & Qt::WindowMinMaxButtonsHint));
}

void TstEstadisticas::graficoInicialAntesDeLlenar()
{
    Estadisticas s;
    const auto& g = s.Grafico();
    QCOMPARE(g.leyenda, (std::array<QString, 4>{"50%", "35%", "5%", "10%"}));
    QCOMPARE(g.alto, (std::array<int, 4>{1800, 1260, 180, 360}));
}

void TstEstadisticas::llenarDibujaLasBarras()
{
    Azar azar;
    // Four plain draws, then the right answer's fresh one: 0.2 x 1500 / 3 = 100.
    azar.guion({0.30, 0.60, 0.10, 0.999, 0.20});
    Estadisticas s;
    s.Llenar(3, 3, azar);
    const auto& g = s.Grafico();
    QCOMPARE(g.leyenda, (std::array<QString, 4>{"15%", "30%", "5%", "50%"}));
    QCOMPARE(g.alto, (std::array<int, 4>{540, 1080, 180, 1800}));
    QCOMPARE((std::array<int, 4>{g.tope(0), g.tope(1), g.tope(2), g.tope(3)}),
             (std::array<int, 4>{3660, 3120, 4020, 2400}));

    // D's bar, 360 + 3600 twips from the left, is lit from 2400 down to the
    // base line and navy above its caption; B's reaches up to 3120.
    QVERIFY(!esAzul(colorEn(s, 4360, 2500)));
    QVERIFY(esAzul(colorEn(s, 4360, 1900)));
    QVERIFY(!esAzul(colorEn(s, 1960, 3200)));
    QVERIFY(esAzul(colorEn(s, 1960, 2700)));
}

void TstEstadisticas::todoCeroConservaElGrafico()
{
    Estadisticas s;
    s.MuestraPesos({30, 60, 10, 100});
    s.MuestraPesos({0, 0, 0, 0});
    QCOMPARE(s.Grafico().leyenda, (std::array<QString, 4>{"15%", "30%", "5%", "50%"}));
    // Zero draws everywhere (the right answer too) give all-zero weights.
    Azar azar;
    azar.guion({0.0, 0.004, 0.0, 0.0, 0.0});
    s.Llenar(5, 0, azar);
    QCOMPARE(s.Grafico().alto, (std::array<int, 4>{540, 1080, 180, 1800}));
}

void TstEstadisticas::teclasConCaracter_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<int>("codigo");
    QTest::newRow("r minúscula") << int(Qt::Key_R) << int(Qt::NoModifier) << 82;
    QTest::newRow("B mayúscula") << int(Qt::Key_B) << int(Qt::ShiftModifier) << 66;
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 27;
    QTest::newRow("dígito") << int(Qt::Key_3) << int(Qt::NoModifier) << 51;
}

void TstEstadisticas::teclasConCaracter()
{
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(int, codigo);
    Estadisticas s;
    s.show();
    QSignalSpy teclas(&s, &Estadisticas::Tecla);
    QTest::keyClick(&s, Qt::Key(tecla), Qt::KeyboardModifiers(modificadores));
    QCOMPARE(teclas.count(), 1);
    QCOMPARE(teclas.at(0).at(0).toInt(), codigo);
    QCOMPARE(teclas.at(0).at(1).toInt(), 0);
    QVERIFY(s.isVisible());   // the poll stays open
}

void TstEstadisticas::teclasSinCaracterNoPasan()
{
    Estadisticas s;
    s.show();
    QSignalSpy teclas(&s, &Estadisticas::Tecla);
    for (Qt::Key k : {Qt::Key_F5, Qt::Key_F12, Qt::Key_Left, Qt::Key_Down, Qt::Key_Shift, Qt::Key_F4})
        QTest::keyClick(&s, k);
    QTest::keyClick(&s, Qt::Key_F4, Qt::AltModifier);
    QCOMPARE(teclas.count(), 0);
}

QTEST_MAIN(TstEstadisticas)
#include "tst_Estadisticas.moc"
