#include "BolsaPropiedades.h"
#include "Comod.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Which lifelines show their available picture, for the set in use.
QList<bool> disponibles(const Comod& c) {
    const int o = c.baseImagenes();
    QList<bool> r;
    for (int k = 0; k < 3; ++k) {
        // Exactly one of the two pictures of a lifeline is shown.
        if (c.imagenMostrada(o + k) == c.imagenMostrada(o + k + 3)) return {};
        r << c.imagenMostrada(o + k);
    }
    return r;
}

}  // namespace

class TstComod : public QObject {
    Q_OBJECT
private slots:
    void muestraSituacion_data() {
        QTest::addColumn<int>("situacion");
        QTest::addColumn<QList<bool>>("libres");
        QTest::newRow("0") << 0 << QList<bool>{true, true, true};
        QTest::newRow("5") << 5 << QList<bool>{false, true, false};
        QTest::newRow("7") << 7 << QList<bool>{false, false, false};
        QTest::newRow("9") << 9 << QList<bool>{false, false, false};
        QTest::newRow("-1") << -1 << QList<bool>{true, true, true};
        QTest::newRow("2") << 2 << QList<bool>{true, false, true};
    }
    void muestraSituacion() {
        QFETCH(int, situacion);
        QFETCH(QList<bool>, libres);
        for (int ancho : {117, 234}) {
            Comod c;
            c.show();
            c.resize(ancho, 45);
            c.setSituation(qint16(situacion));
            QCOMPARE(int(c.Situation()), situacion);  // stored as written
            QCOMPARE(disponibles(c), libres);
        }
    }

    void juegoPorAncho_data() {
        QTest::addColumn<int>("ancho");
        QTest::addColumn<int>("alto");
        QTest::addColumn<int>("base");
        QTest::newRow("2460 twips") << 164 << 53 << 0;
        QTest::newRow("2475 twips") << 165 << 53 << 6;
        QTest::newRow("narrow and tall") << 164 << 400 << 0;
        QTest::newRow("wide and flat") << 165 << 5 << 6;
    }
    void juegoPorAncho() {
        QFETCH(int, ancho);
        QFETCH(int, alto);
        QFETCH(int, base);
        Comod c;
        c.show();
        c.setSituation(5);
        c.resize(ancho, alto);
        QCOMPARE(c.baseImagenes(), base);
        for (int i = 0; i < 12; ++i) QCOMPARE(c.topImagen(i), (i >= 6) == (base == 6) ? 0 : -1000);
        QCOMPARE(c.imagen(base + 1)->pos().y(), 0);
        QVERIFY(c.imagen(6 - base)->geometry().bottom() < 0);  // out of sight
        // The new set shows the same situation.
        QCOMPARE(disponibles(c), (QList<bool>{false, true, false}));
    }

    void consejosEnLasDisponibles() {
        Comod c;
        const QStringList consejos{"ver estadísticas", "salta a otra pregunta", "quita dos equivocadas"};
        for (int i = 0; i < 12; ++i) {
            const bool disponible = i % 6 < 3;
            QCOMPARE(c.imagen(i)->toolTip(), disponible ? consejos[i % 3] : QString());
            QCOMPARE(c.imagen(i)->isEnabled(), disponible);
            QCOMPARE(c.imagen(i)->cursor().shape(), disponible ? Qt::BitmapCursor : Qt::ArrowCursor);
            QCOMPARE(c.imagen(i)->width(), i < 6 ? 37 : 53);
        }
    }

    void teclas_data() {
        QTest::addColumn<int>("situacion");
        QTest::addColumn<int>("tecla");
        QTest::addColumn<bool>("habilitado");
        QTest::addColumn<int>("comodin");  // -1: no event
        QTest::addColumn<int>("despues");
        QTest::newRow("E") << 0 << int('E') << true << 0 << 4;
        QTest::newRow("n") << 0 << int('n') << true << 1 << 2;
        QTest::newRow("lower-case q") << 0 << int('q') << true << 2 << 1;
        QTest::newRow("Q") << 4 << int('Q') << true << 2 << 5;
        QTest::newRow("N already used") << 2 << int('N') << true << -1 << 2;
        QTest::newRow("other letter") << 0 << int('x') << true << -1 << 0;
        QTest::newRow("digit") << 0 << int('5') << true << -1 << 0;
        QTest::newRow("Enter") << 0 << 13 << true << -1 << 0;
        QTest::newRow("disabled") << 0 << int('E') << false << -1 << 0;
        QTest::newRow("above 7 all used") << 9 << int('Q') << true << -1 << 9;
    }
    void teclas() {
        QFETCH(int, situacion);
        QFETCH(int, tecla);
        QFETCH(bool, habilitado);
        QFETCH(int, comodin);
        QFETCH(int, despues);
        for (int ancho : {117, 234}) {
            Comod c;
            c.show();
            c.resize(ancho, 45);
            c.setSituation(qint16(situacion));
            c.setEnabled(habilitado);
            QSignalSpy clics(&c, &Comod::Click);
            QVERIFY(QMetaObject::invokeMethod(&c, "KeyPress", Q_ARG(qint16, qint16(tecla))));
            QCOMPARE(clics.count(), comodin < 0 ? 0 : 1);
            if (comodin >= 0) QCOMPARE(clics.at(0).at(0).toInt(), comodin);
            QCOMPARE(int(c.Situation()), despues);
        }
    }

    void clicEnLaGrandeDaSuComodin_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("comodin");
        QTest::newRow("large 8") << 8 << 2;
        QTest::newRow("large 6") << 6 << 0;
        QTest::newRow("small 1") << 1 << 1;
    }
    void clicEnLaGrandeDaSuComodin() {
        QFETCH(int, indice);
        QFETCH(int, comodin);
        Comod c;
        c.show();
        c.resize(indice >= 6 ? 234 : 117, 53);
        int vista = -1;
        connect(&c, &Comod::Click, &c, [&](qint16) {
            // The handler already sees the new mask and the used picture.
            vista = c.Situation();
            QVERIFY(c.imagenMostrada(indice + 3));
        });
        QSignalSpy clics(&c, &Comod::Click);
        QTest::mouseClick(c.imagen(indice), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clics.count(), 1);
        QCOMPARE(clics.at(0).at(0).toInt(), comodin);
        QCOMPARE(vista, 4 >> comodin);
        QVERIFY(!c.imagenMostrada(indice));
        // Its available picture is gone, so a second use cannot arrive.
        QTest::mouseClick(c.imagen(indice + 3), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clics.count(), 1);
    }

    void deshabilitadoNoClica() {
        Comod c;
        c.show();
        c.resize(117, 37);
        c.setEnabled(false);
        QSignalSpy clics(&c, &Comod::Click);
        QTest::mouseClick(c.imagen(0), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clics.count(), 0);
        QCOMPARE(int(c.Situation()), 0);
    }

    void arteCargada() {
        // Every picture comes from the library's own resources.
        Comod c;
        c.show();
        c.resize(117, 37);
        const QImage img = c.imagen(0)->grab().toImage();
        QVERIFY(!img.isNull());
        QVERIFY(img.pixelColor(18, 4).red() > 200);  // gold, not empty
        QCOMPARE(Comod::IconoPaleta().size(), QSize(16, 15));
    }

    void escribirSituacionNoAvisa() {
        Comod c;
        QSignalSpy clics(&c, &Comod::Click);
        for (int v : {0, 7, 3, -5, 100, 0}) c.setSituation(qint16(v));
        QCOMPARE(clics.count(), 0);
    }

    void propiedadesGuardadas() {
        Comod nueva;
        QCOMPARE(int(nueva.BackColor()), 0x800000);
        QVERIFY(nueva.isEnabled());
        BolsaPropiedades vacia;
        nueva.WriteProperties(vacia);
        QVERIFY(vacia.isEmpty());

        Comod c;
        c.setBackColor(0x30CCFF);
        c.setEnabled(false);
        c.setSituation(5);
        QCOMPARE(c.propiedadesCambiadas(), QStringList({"BackColor", "Enabled", "Situation"}));
        BolsaPropiedades bolsa;
        c.WriteProperties(bolsa);
        QCOMPARE(bolsa.nombres(), QStringList({"Situation", "Enabled", "BackColor"}));

        Comod copia;
        copia.ReadProperties(bolsa);
        QCOMPARE(int(copia.Situation()), 5);
        QVERIFY(!copia.isEnabled());
        QCOMPARE(int(copia.BackColor()), 0x30CCFF);
        QCOMPARE(disponibles(copia), (QList<bool>{false, true, false}));
        QVERIFY(copia.propiedadesCambiadas().isEmpty());

        // The board's design: only Enabled false is stored.
        Comod tablero;
        tablero.setEnabled(false);
        BolsaPropiedades diseno;
        tablero.WriteProperties(diseno);
        QCOMPARE(diseno.nombres(), QStringList({"Enabled"}));
    }
};

QTEST_MAIN(TstComod)
#include "tst_comod.moc"
