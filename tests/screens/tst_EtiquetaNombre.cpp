#include "EtiquetaNombre.h"

#include <QImage>
#include <QTest>

namespace {
const QString kLargo = QStringLiteral("Maximiliano Fernandez de la Torre y Castillo");

QImage dibujo(QLabel& l) { return l.grab().toImage(); }

void comoEnElJuego(QLabel& l, int ancho)
{
    l.setStyleSheet(QStringLiteral("color:#ffcc30;background:transparent"));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(18);
    l.setFont(f);
    l.resize(ancho, 31);
}
}

// Names too long for their place end in "…", drawn at the label's width.
class TstEtiquetaNombre : public QObject {
    Q_OBJECT
private slots:
    void puntosSuspensivos_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<int>("ancho");
        QTest::addColumn<bool>("recortado");
        QTest::newRow("short name") << QStringLiteral("Ana") << 226 << false;
        QTest::newRow("long name, board width") << kLargo << 226 << true;
        QTest::newRow("long name, wide board") << kLargo << 1200 << false;
        QTest::newRow("long name, standings width") << QStringLiteral("1. ") + kLargo << 265 << true;
    }
    void puntosSuspensivos()
    {
        QFETCH(QString, nombre);
        QFETCH(int, ancho);
        QFETCH(bool, recortado);
        EtiquetaNombre l(nombre);
        comoEnElJuego(l, ancho);
        QCOMPARE(l.text(), nombre);  // readers get the whole name
        const QString visible = l.TextoVisible();
        QCOMPARE(visible.endsWith(QChar(0x2026)), recortado);
        QCOMPARE(visible == nombre, !recortado);
        QVERIFY(l.fontMetrics().horizontalAdvance(visible) <= ancho);
        // Drawn exactly as a plain label holding the shortened text.
        QLabel patron(visible);
        comoEnElJuego(patron, ancho);
        QCOMPARE(dibujo(l), dibujo(patron));
    }

    void siguePorCadaCambio()
    {
        EtiquetaNombre l(QStringLiteral("Ana"));
        comoEnElJuego(l, 226);
        l.setText(kLargo);
        QVERIFY(l.TextoVisible().endsWith(QChar(0x2026)));
        l.resize(1200, 31);
        QCOMPARE(l.TextoVisible(), kLargo);
        l.resize(100, 31);
        const QString corto = l.TextoVisible();
        l.resize(226, 31);
        QVERIFY(l.TextoVisible().size() > corto.size());
        QVERIFY(l.minimumSizeHint().width() < 100);
        // Cut after a word, the "…" follows its last letter.
        l.resize(l.fontMetrics().horizontalAdvance(QStringLiteral("Maximiliano \u2026")) + 1, 31);
        QCOMPARE(l.TextoVisible(), QStringLiteral("Maximiliano\u2026"));
    }

    // A name is shown as typed: marks that look like HTML are letters too.
    void nombreConMarcas()
    {
        const QString nombre = QStringLiteral("<b>Ana</b><br>Luis");
        EtiquetaNombre l(nombre);
        comoEnElJuego(l, 1200);
        QVERIFY(l.sizeHint().width() >= l.fontMetrics().horizontalAdvance(nombre));
    }
};

QTEST_MAIN(TstEtiquetaNombre)
#include "tst_EtiquetaNombre.moc"
