// The notice a copy found at start-up (it cannot save): shown once in the
// message window when the board first appears, and never once the board has
// gone again (the closing screen must not get a message over it).
#include "AvisoAlAparecer.h"
#include "Dialog1.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

class TstAvisoAlAparecer : public QObject {
    Q_OBJECT
    QStringList vistos;
    QTimer vigia;

    // Every message window that comes up is read and closed, as a player
    // pressing Enter would.
    void vigilar()
    {
        auto* d = qobject_cast<Dialog1*>(QApplication::activeModalWidget());
        if (!d)
            return;
        QString texto;
        for (const QLabel* l : d->findChildren<QLabel*>())
            texto += l->text();
        vistos << texto;
        d->accept();
    }

private slots:
    void initTestCase()
    {
        connect(&vigia, &QTimer::timeout, this, &TstAvisoAlAparecer::vigilar);
        vigia.start(5);
    }
    void init() { vistos.clear(); }

    void unaVezAlAparecer()
    {
        QWidget tablero;
        AvisarAlAparecer(tablero, QStringLiteral("Orvalia ya está abierto"));
        QTest::qWait(30);
        QVERIFY(vistos.isEmpty());  // not before the board is up
        tablero.show();
        QTRY_COMPARE(vistos.size(), 1);
        QVERIFY(vistos[0].contains(QStringLiteral("Orvalia ya está abierto")));
        tablero.hide();
        tablero.show();
        QTest::qWait(50);
        QCOMPARE(vistos.size(), 1);
    }

    // Shown and gone before the events ran (the closing step hides the
    // board first): the notice is dropped.
    void nadaSiElTableroYaSeFue()
    {
        QWidget tablero;
        AvisarAlAparecer(tablero, QStringLiteral("Orvalia ya está abierto"));
        tablero.show();
        tablero.hide();
        QTest::qWait(50);
        QCOMPARE(vistos, QStringList());
    }

    void sinAvisoNada()
    {
        QWidget tablero;
        AvisarAlAparecer(tablero, QString());
        tablero.show();
        QTest::qWait(50);
        QCOMPARE(vistos, QStringList());
    }
};

QTEST_MAIN(TstAvisoAlAparecer)
#include "tst_AvisoAlAparecer.moc"
