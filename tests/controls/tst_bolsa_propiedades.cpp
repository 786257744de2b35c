#include "BolsaPropiedades.h"

#include <QTest>

class TstBolsaPropiedades : public QObject {
    Q_OBJECT
private slots:
    void defectosNoSeGuardan() {
        BolsaPropiedades b;
        b.escribir(QStringLiteral("Situation"), qint16(0), qint16(0));
        b.escribir(QStringLiteral("Letter"), QStringLiteral("A"), QStringLiteral("A"));
        QVERIFY(b.isEmpty());
        QCOMPARE(b.leer(QStringLiteral("Letter"), QStringLiteral("A")).toString(), QStringLiteral("A"));
    }

    void ordenYReescritura() {
        BolsaPropiedades b;
        b.escribir(QStringLiteral("Situation"), qint16(3), qint16(0));
        b.escribir(QStringLiteral("Enabled"), false, true);
        b.escribir(QStringLiteral("Letter"), QStringLiteral("C"), QStringLiteral("A"));
        // Rewriting keeps the place; going back to the default drops the name.
        b.escribir(QStringLiteral("Situation"), qint16(2), qint16(0));
        QCOMPARE(b.nombres(), QStringList({"Situation", "Enabled", "Letter"}));
        QCOMPARE(b.leer(QStringLiteral("Situation"), qint16(0)).toInt(), 2);
        b.escribir(QStringLiteral("Enabled"), true, true);
        QCOMPARE(b.nombres(), QStringList({"Situation", "Letter"}));
        QCOMPARE(b.leer(QStringLiteral("Enabled"), true).toBool(), true);
    }
};

QTEST_MAIN(TstBolsaPropiedades)
#include "tst_bolsa_propiedades.moc"
