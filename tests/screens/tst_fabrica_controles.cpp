#include "Comod.h"
#include "FabricaControles.h"
#include "Resp.h"

#include <QTest>

class TstFabricaControles : public QObject {
    Q_OBJECT
private slots:
    void creaPorNombre_data() {
        QTest::addColumn<QString>("clase");
        QTest::addColumn<QString>("tipo");
        QTest::newRow("respuesta") << "Respuesta.Resp" << "Resp";
        QTest::newRow("comodines") << "Comodines.Comod" << "Comod";
        QTest::newRow("otra") << "Cronova.Timer" << "";
        QTest::newRow("sin biblioteca") << "Resp" << "";
        QTest::newRow("mayusculas") << "RESPUESTA.RESP" << "";
    }
    void creaPorNombre() {
        QFETCH(QString, clase);
        QFETCH(QString, tipo);
        QWidget padre;
        QWidget* w = CrearControl(clase, &padre);
        if (tipo.isEmpty()) {
            QCOMPARE(w, nullptr);
            return;
        }
        QVERIFY(w);
        QCOMPARE(w->parentWidget(), &padre);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), tipo);
    }

    void propiedadesPorNombre() {
        // The board talks to the controls through their properties alone.
        QWidget padre;
        QWidget* r = CrearControl(QStringLiteral("Respuesta.Resp"), &padre);
        QVERIFY(r->setProperty("Situation", qint16(7)));
        QCOMPARE(r->property("Situation").toInt(), 3);
        QWidget* c = CrearControl(QStringLiteral("Comodines.Comod"), &padre);
        QVERIFY(c->setProperty("Situation", qint16(5)));
        QCOMPARE(c->property("Situation").toInt(), 5);
        QCOMPARE(c->property("BackColor").toInt(), 0x800000);
    }
};

QTEST_MAIN(TstFabricaControles)
#include "tst_fabrica_controles.moc"
