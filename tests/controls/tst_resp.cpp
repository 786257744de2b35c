#include "BolsaPropiedades.h"
#include "Resp.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// Large artwork is 491 x 101 pixels, small 320 x 65.
constexpr int AnchoGrande = 491;
constexpr int AnchoChico = 490;

// Counts the presses that reach it, to see a click pass through the control.
class Fondo : public QWidget {
public:
    int pulsaciones = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++pulsaciones; }
};

QString palabras(int n) {
    QStringList l;
    for (int i = 0; i < n; ++i) l << QStringLiteral("palabra%1").arg(i);
    return l.join(QLatin1Char(' '));
}

int altoTexto(const Resp& r, int puntos, int ancho) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(puntos);
    f.setBold(true);
    const QFontMetrics fm(f, &r);
    return fm.boundingRect(QRect(0, 0, ancho, 1 << 24), Qt::AlignHCenter | Qt::TextWordWrap, r.Caption()).height();
}

}  // namespace

class TstResp : public QObject {
    Q_OBJECT
private slots:
    void estados_data() {
        QTest::addColumn<int>("escrito");
        QTest::addColumn<int>("leido");
        QTest::newRow("plain") << 0 << 0;
        QTest::newRow("marked") << 1 << 1;
        QTest::newRow("right") << 2 << 2;
        QTest::newRow("wrong") << 3 << 3;
        QTest::newRow("7 is wrong") << 7 << 3;
        QTest::newRow("-2 is right") << -2 << 2;
        QTest::newRow("-1 is marked") << -1 << 1;
        QTest::newRow("lowest") << -32768 << 3;
    }
    void estados() {
        QFETCH(int, escrito);
        QFETCH(int, leido);
        Resp r;
        r.setSituation(1);  // start away from the default
        r.setSituation(qint16(escrito));
        QCOMPARE(int(r.Situation()), leido);
        for (int s = 0; s < 4; ++s) {
            QCOMPARE(r.barraVisible(true, s), s == leido);
            QCOMPARE(r.barraVisible(false, s), s == leido);
        }
        // Marked is the only state with black text.
        QCOMPARE(r.colorCaption(), leido == 1 ? QColor(Qt::black) : QColor(Qt::white));
    }

    void barraPintada_data() {
        QTest::addColumn<int>("estado");
        QTest::addColumn<QColor>("relleno");
        QTest::newRow("plain") << 0 << QColor(0x04, 0x02, 0x7C);
        QTest::newRow("marked") << 1 << QColor(0xFC, 0xCA, 0x34);
        QTest::newRow("right") << 2 << QColor(0x04, 0x82, 0x04);
        QTest::newRow("wrong") << 3 << QColor(0xFC, 0x02, 0x04);
    }
    void barraPintada() {
        QFETCH(int, estado);
        QFETCH(QColor, relleno);
        for (int ancho : {AnchoChico, AnchoGrande}) {
            Resp r;
            r.show();
            r.resize(ancho, 150);
            r.setSituation(qint16(estado));
            const QImage img = r.grab().toImage();
            // Below the caption, the bar shows its state's fill.
            const QColor c = img.pixelColor(ancho / 2, ancho == AnchoGrande ? 72 : 46);
            QVERIFY2(qAbs(c.red() - relleno.red()) < 24 && qAbs(c.green() - relleno.green()) < 24
                         && qAbs(c.blue() - relleno.blue()) < 24,
                     qPrintable(c.name()));
        }
    }

    void mismoEstadoSigueVisible() {
        Resp r;
        r.setSituation(2);
        r.setSituation(2);
        QVERIFY(r.barraVisible(true, 2));
        QVERIFY(r.barraVisible(false, 2));
        QVERIFY(!r.barraVisible(true, 0));
    }

    void tamanos_data() {
        QTest::addColumn<int>("ancho");
        QTest::addColumn<int>("alto");
        QTest::addColumn<bool>("grande");
        QTest::newRow("7350 twips, small") << AnchoChico << 105 << false;
        QTest::newRow("7365 twips, large") << AnchoGrande << 105 << true;
        QTest::newRow("tall but narrow") << AnchoChico << 900 << false;
        QTest::newRow("wide but flat") << AnchoGrande << 5 << true;
        QTest::newRow("board design") << 325 << 105 << false;
    }
    void tamanos() {
        QFETCH(int, ancho);
        QFETCH(int, alto);
        QFETCH(bool, grande);
        Resp r;
        r.show();
        r.resize(ancho, alto);
        QCOMPARE(r.modoGrande(), grande);
        QCOMPARE(r.usaArteGrande(), grande);
        QCOMPARE(r.topGrande(), grande ? 0 : -10000);
        QCOMPARE(r.topChica(), grande ? -10000 : 0);
        QCOMPARE(int(r.ActionWidth()), grande ? 7365 : 4800);
        QCOMPARE(int(r.ActionHeight()), grande ? 1515 : 975);
        QCOMPARE(r.property("ActionWidth").toInt(), grande ? 7365 : 4800);
        QCOMPARE(r.puntosLetra(), grande ? 24 : 16);
        QCOMPARE(r.cajaLetra().topLeft(), grande ? QPoint(14, 5) : QPoint(8, 3));
    }

    void captionAjustado_data() {
        QTest::addColumn<bool>("grande");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("encoge");
        QTest::newRow("short, large") << true << "Moisés" << false;
        QTest::newRow("short, small") << false << "Moisés" << false;
        QTest::newRow("long, large") << true << palabras(30) << true;
        QTest::newRow("long, small") << false << palabras(12) << true;
        QTest::newRow("empty, small") << false << "" << false;
    }
    void captionAjustado() {
        QFETCH(bool, grande);
        QFETCH(QString, texto);
        QFETCH(bool, encoge);
        Resp r;
        r.show();
        r.resize(grande ? AnchoGrande : AnchoChico, 105);
        r.setCaption(texto);
        const int base = grande ? 22 : 14;
        const int limite = grande ? 1335 : 795;
        const int altoBarra = grande ? 101 : 65;
        const int ancho = grande ? 404 : 264;
        const QRect caja = r.cajaCaption();
        QCOMPARE(caja.left(), grande ? 52 : 36);
        QCOMPARE(caja.width(), ancho);
        QCOMPARE(r.puntosCaption() < base, encoge);
        QVERIFY(caja.height() * 15 <= limite);
        if (encoge)  // one point more would not have fitted
            QVERIFY(altoTexto(r, r.puntosCaption() + 1, ancho) * 15 > limite);
        // Centred in the bar, to the pixel.
        QVERIFY(qAbs(2 * caja.top() + caja.height() - altoBarra) <= 1);
    }

    void cambioDeModoEmpiezaDeNuevo() {
        const QString texto = palabras(14);
        Resp chica;
        chica.show();
        chica.resize(AnchoChico, 105);
        chica.setCaption(texto);
        QVERIFY(chica.puntosCaption() < 14);

        Resp grande;
        grande.show();
        grande.resize(AnchoGrande, 105);
        grande.setCaption(texto);

        // Going large refits from 22 pt, as a fresh large control would.
        chica.resize(AnchoGrande, 105);
        QCOMPARE(chica.puntosCaption(), grande.puntosCaption());
        QCOMPARE(chica.cajaCaption(), grande.cajaCaption());
        // And back to small from 14 pt, not from the large result.
        grande.resize(AnchoChico, 105);
        Resp otra;
        otra.show();
        otra.resize(AnchoChico, 105);
        otra.setCaption(texto);
        QCOMPARE(grande.puntosCaption(), otra.puntosCaption());
    }

    void nuevoCaptionVuelveAlTamanoBase() {
        Resp r;
        r.show();
        r.resize(AnchoGrande, 105);
        r.setCaption(palabras(40));
        QVERIFY(r.puntosCaption() < 22);
        r.setCaption(QStringLiteral("Juan"));
        QCOMPARE(r.puntosCaption(), 22);
    }

    void textoSinFinTermina() {
        Resp r;
        r.show();
        r.resize(AnchoChico, 105);
        r.setCaption(palabras(20000));
        QCOMPARE(r.puntosCaption(), Resp::PuntosMinimos);
        // Still centred on the bar, whatever its height.
        QVERIFY(qAbs(2 * r.cajaCaption().top() + r.cajaCaption().height() - 65) <= 1);
    }

    void letra_data() {
        QTest::addColumn<QString>("escrita");
        QTest::addColumn<QString>("leida");
        QTest::newRow("empty") << "" << "A";
        QTest::newRow("bcd") << "bcd" << "B";
        QTest::newRow("upper") << "D" << "D";
        QTest::newRow("ñ") << "ñu" << "Ñ";
        QTest::newRow("digit") << "7x" << "7";
        QTest::newRow("beyond the BMP") << QString::fromUcs4(U"\U0001D400z") << QString::fromUcs4(U"\U0001D400");
    }
    void letra() {
        QFETCH(QString, escrita);
        QFETCH(QString, leida);
        Resp r;
        r.setLetter(QStringLiteral("C"));
        r.setLetter(escrita);
        QCOMPARE(r.Letter(), leida);
        QCOMPARE(r.property("Letter").toString(), leida);
    }

    void clicPasaPorFuera_data() {
        QTest::addColumn<bool>("grande");
        QTest::addColumn<QPoint>("punto");
        QTest::addColumn<bool>("esDelControl");
        QTest::addColumn<double>("escala");
        // Control at (10, 10); its box is taller and wider than the artwork.
        QTest::newRow("large, top-left corner") << true << QPoint(11, 11) << false << 1.0;
        QTest::newRow("large, bottom-right corner") << true << QPoint(10 + 490, 10 + 100) << false << 1.0;
        QTest::newRow("large, below the bar") << true << QPoint(200, 10 + 101 + 10) << false << 1.0;
        QTest::newRow("large, right of the bar") << true << QPoint(10 + 493, 60) << false << 1.0;
        QTest::newRow("large, disc") << true << QPoint(10 + 25, 10 + 25) << true << 1.0;
        QTest::newRow("large, caption") << true << QPoint(10 + 245, 10 + 50) << true << 1.0;
        QTest::newRow("large, right end of the bar") << true << QPoint(10 + 485, 10 + 50) << true << 1.0;
        QTest::newRow("small, bottom-left corner") << false << QPoint(11, 10 + 64) << false << 1.0;
        QTest::newRow("small, below the bar") << false << QPoint(100, 10 + 65 + 5) << false << 1.0;
        QTest::newRow("small, disc") << false << QPoint(10 + 16, 10 + 16) << true << 1.0;
        QTest::newRow("small, letter") << false << QPoint(10 + 14, 10 + 12) << true << 1.0;
        // Drawn at another scale, the control's shape follows the bar drawn.
        QTest::newRow("large twice as large, right end") << true << QPoint(10 + 970, 10 + 100) << true << 2.0;
        QTest::newRow("large twice as large, corner") << true << QPoint(10 + 980, 10 + 200) << false << 2.0;
        QTest::newRow("small at 0.8, past its right end") << false << QPoint(10 + 262, 10 + 26) << false << 0.8;
        QTest::newRow("small at 0.8, below it") << false << QPoint(10 + 100, 10 + 55) << false << 0.8;
    }
    void clicPasaPorFuera() {
        QFETCH(bool, grande);
        QFETCH(QPoint, punto);
        QFETCH(bool, esDelControl);
        QFETCH(double, escala);
        Fondo fondo;
        fondo.resize(1100, 300);
        auto* r = new Resp(&fondo);
        r->setEscala(escala);
        r->setGeometry(10, 10, grande ? int(AnchoGrande * escala) + 4 : 325, 250);
        QCOMPARE(r->cajaArte().size(), (QSizeF(grande ? QSize(491, 101) : QSize(320, 65)) * escala).toSize());
        QVERIFY(r->rect().contains(r->cajaLetra()) && r->cajaArte().contains(r->cajaCaption().center()));
        r->setCaption(QStringLiteral("Abraham"));
        fondo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fondo));
        QSignalSpy clics(r, &Resp::Click);
        // Through the window, so the click lands where Qt routes it.
        QTest::mouseClick(fondo.windowHandle(), Qt::LeftButton, {}, punto);
        QCOMPARE(clics.count(), esDelControl ? 1 : 0);
        QCOMPARE(fondo.pulsaciones, esDelControl ? 0 : 1);
    }

    void deshabilitadoNoClica() {
        Resp r;
        r.resize(AnchoGrande, 105);
        r.show();
        QSignalSpy clics(&r, &Resp::Click);
        QTest::mouseClick(&r, Qt::LeftButton, {}, QPoint(25, 25));
        QCOMPARE(clics.count(), 1);
        r.setEnabled(false);
        QTest::mouseClick(&r, Qt::LeftButton, {}, QPoint(25, 25));
        QTest::mouseClick(&r, Qt::LeftButton, {}, QPoint(245, 50));
        QCOMPARE(clics.count(), 1);
        QVERIFY(!r.property("Enabled").toBool());
    }

    void punteroDeMano() {
        Resp r;
        QCOMPARE(r.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(r.cursor().hotSpot(), QPoint(12, 1));
        QCOMPARE(r.cursor().pixmap().size(), QSize(32, 32));
    }

    void propiedadesGuardadas() {
        Resp nueva;
        BolsaPropiedades vacia;
        nueva.WriteProperties(vacia);
        QVERIFY(vacia.isEmpty());  // all at their defaults

        // The board's design data: disabled, letter "B".
        Resp r;
        r.setEnabled(false);
        r.setLetter(QStringLiteral("b"));
        r.setCaption(QStringLiteral("Noé"));
        r.setSituation(2);
        QCOMPARE(r.propiedadesCambiadas(),
                 QStringList({"Enabled", "Letter", "Caption", "Situation"}));
        BolsaPropiedades bolsa;
        r.WriteProperties(bolsa);
        QCOMPARE(bolsa.nombres(), QStringList({"Situation", "Enabled", "Caption", "Letter"}));

        Resp copia;
        copia.ReadProperties(bolsa);
        QCOMPARE(int(copia.Situation()), 2);
        QVERIFY(!copia.isEnabled());
        QCOMPARE(copia.Caption(), QStringLiteral("Noé"));
        QCOMPARE(copia.Letter(), QStringLiteral("B"));
        QVERIFY(copia.propiedadesCambiadas().isEmpty());  // restoring is no change

        // A letter "A" and an enabled control are left out.
        Resp a;
        a.setLetter(QStringLiteral("a"));
        BolsaPropiedades soloA;
        a.WriteProperties(soloA);
        QVERIFY(soloA.isEmpty());
    }

    void restauraComoSeGuardo() {
        BolsaPropiedades bolsa;
        bolsa.escribir(QStringLiteral("Situation"), qint16(7), qint16(0));
        bolsa.escribir(QStringLiteral("Letter"), QStringLiteral("xyz"), QStringLiteral("A"));
        Resp r;
        r.ReadProperties(bolsa);
        // As stored: no limit, no picture change, no upper-casing.
        QCOMPARE(int(r.Situation()), 7);
        QCOMPARE(r.Letter(), QStringLiteral("xyz"));
        QVERIFY(r.barraVisible(true, 0));
        // A later write hides no picture that does not exist and shows its own.
        r.setSituation(1);
        QVERIFY(r.barraVisible(true, 1));
        QCOMPARE(int(r.Situation()), 1);
    }

    void padreDeshabilitadoNoMarca() {
        QWidget padre;
        auto* r = new Resp(&padre);
        padre.setEnabled(false);
        QVERIFY(!r->isEnabled());
        QVERIFY(r->propiedadesCambiadas().isEmpty());
        BolsaPropiedades bolsa;
        r->WriteProperties(bolsa);
        QVERIFY(!bolsa.contiene(QStringLiteral("Enabled")));
    }
};

QTEST_MAIN(TstResp)
#include "tst_resp.moc"
