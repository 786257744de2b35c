#include "ArnesTablero.h"
#include "EnlaceVentanas.h"
#include "Opciones.h"
#include "Splash.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

// The board with its real options window and closing screen hooked in.
class TstEnlaceVentanas : public QObject {
    Q_OBJECT
private slots:
    void f12AbreOpcionesQueMandanEnElTablero();
    void cierreConSuPantallaYActual();
};

void TstEnlaceVentanas::f12AbreOpcionesQueMandanEnElTablero()
{
    ArnesTablero a([](Almacen& s) {
        s.escribir(QStringLiteral("Inicio"), QStringLiteral("FullMusicVersion"), QStringLiteral("True"));
        s.escribir(QStringLiteral("Inicio"), QStringLiteral("Volume"), QStringLiteral("-700"));
    });
    QVERIFY(a.cargado);
    EnlazarVentanas(*a.t, a.m, a.almacen);
    bool visto = false;
    QTimer::singleShot(0, a.t.get(), [&] {
        auto* o = qobject_cast<Opciones*>(QApplication::activeModalWidget());
        QVERIFY(o);
        const ControlesOpciones& c = o->controles();
        QVERIFY(c.frameJugadores->isEnabled());  // between games
        c.Check1->click();
        QCOMPARE(a.mp1.volumen, -10000);
        QCOMPARE(a.mp2.volumen, -10000);
        c.Check1->click();
        QCOMPARE(a.mp1.volumen, -700);
        c.optDura[1]->setChecked(true);
        visto = true;
        c.cmdOK->click();
    });
    a.tecla(Qt::Key_F12);
    QVERIFY(visto);
    QCOMPARE(int(a.t->timer().TiempoLimite()), 45);
    QCOMPARE(a.m.CarpetaMP3, QStringLiteral("\\MP3_45\\"));
    QCOMPARE(a.mp2.volumen, -700);
}

void TstEnlaceVentanas::cierreConSuPantallaYActual()
{
    ArnesTablero a;
    QVERIFY(a.cargado);
    EnlazarVentanas(*a.t, a.m, a.almacen);
    a.m.Actual = 23;
    bool cierre = false;
    QTimer::singleShot(0, a.t.get(), [&] {
        auto* s = qobject_cast<Splash*>(QApplication::activeModalWidget());
        QVERIFY(s);
        QVERIFY(!a.t->isVisible());  // the board is hidden behind it
        cierre = true;
        for (int i = 0; i < 3; ++i)
            s->Timer1_Timer();
    });
    a.t->close();
    QVERIFY(cierre);
    QCOMPARE(a.almacen.leer(QStringLiteral("Inicio"), QStringLiteral("Actual"), QString()), QStringLiteral("23"));
}

QTEST_MAIN(TstEnlaceVentanas)
#include "tst_EnlaceVentanas.moc"
