#include "ArnesTablero.h"
#include "EnlaceVentanas.h"
#include "MandoSala.h"
#include "Opciones.h"
#include "Pregunta.h"
#include "Splash.h"
#include "VentanaPublico.h"
#include "fakes/PublicoFalso.h"

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
    void cierreConPreguntaAbiertaNoLaJuzga();
    void cierreCierraLasDemasYOrdenaAntesDeSoltar();
    void opcionesAbrenYCierranLaSala();
    void salaGuardadaEsperaAlTablero();
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

// The countdown of a question left open runs out while the real closing
// screen runs its own event loop: nothing may judge the question then.
void TstEnlaceVentanas::cierreConPreguntaAbiertaNoLaJuzga()
{
    ArnesTablero a;
    EnlazarVentanas(*a.t, a.m, a.almacen);
    a.t->timer().setTiempoLimite(1);
    a.iniciar();
    a.sonidos.clear();
    bool cierre = false, corriendo = true;
    QTimer::singleShot(0, a.t.get(), [&] {
        auto* s = qobject_cast<Splash*>(QApplication::activeModalWidget());
        QVERIFY(s);
        cierre = true;
        corriendo = a.t->timer().Corriendo();
        a.t->timer().setIntervalo(1);  // the last second runs out now
        s->Timer1().setInterval(20);   // and the closing screen ends soon after
    });
    a.t->close();
    QVERIFY(cierre);
    QVERIFY(!corriendo);
    QVERIFY(a.mensajes.isEmpty());  // no message over the closing screen
    QVERIFY(a.sonidos.isEmpty());
    QVERIFY(a.m.Jugadores[0].EnJuego);
    QCOMPARE(int(a.m.Jugadores[0].Escalon), 1);
    QVERIFY(a.almacen.existe(QStringLiteral("Inicio"), QStringLiteral("Actual")));
}

void TstEnlaceVentanas::cierreCierraLasDemasYOrdenaAntesDeSoltar()
{
    ArnesTablero a;
    a.iniciar();
    const qint32 vista = a.qtn().ID();  // asked once: last of its level once sorted
    QDialog otra;
    otra.show();
    bool cerradaAntes = false;
    QObject::connect(&otra, &QDialog::finished, [&] { cerradaAntes = a.t->isVisible() && a.t->Qtn(); });
    a.t->mostrarCierre = [] {};
    a.t->close();
    QVERIFY(cerradaAntes);
    QVERIFY(!otra.isVisible());
    auto releida = Pregunta::Crear(a.carpetaBase());
    QVERIFY(releida);
    QList<qint32> nivel1;
    for (const FilaBase& f : releida->Base())
        if (f[FilaBase::Nivel].numero() == 1)
            nivel1 << qint32(f[FilaBase::ID].numero());
    QCOMPARE(nivel1.size(), 5);
    QCOMPARE(nivel1.last(), vista);
}

namespace {
// Opens the options with F12, clicks the given boxes and closes with
// "&Aceptar" or "&Cancelar".
void opciones(ArnesTablero& a, std::initializer_list<const char*> casillas, bool aceptar)
{
    bool visto = false;
    QTimer::singleShot(0, a.t.get(), [&] {
        auto* o = qobject_cast<Opciones*>(QApplication::activeModalWidget());
        QVERIFY(o);
        const ControlesOpciones& c = o->controles();
        for (const char* n : casillas)
            (qstrcmp(n, "sala") == 0 ? c.chkSalaPublico : c.chkJuegaElPublico)->click();
        visto = true;
        (aceptar ? c.cmdOK : c.cmdCancel)->click();
    });
    a.tecla(Qt::Key_F12);
    QVERIFY(visto);
}
}

// The options switch the room and open or close its window; the board keeps
// the keys; closing the game closes the window.
void TstEnlaceVentanas::opcionesAbrenYCierranLaSala()
{
    PublicoFalso p;
    ArnesTablero a({}, 5, &p);
    auto* mando = new MandoSala(p, *a.t);
    EnlazarVentanas(*a.t, a.m, a.almacen, mando);
    mando->Aplicar(a.m.SalaPublico, a.m.JuegaElPublico);  // as the start routine does
    QCOMPARE(p.llamadas, (QStringList{"juega 0", "encendido 0"}));
    QVERIFY(!mando->ventana());
    p.llamadas.clear();

    opciones(a, {"sala", "juega"}, false);
    QVERIFY(p.llamadas.isEmpty());
    QVERIFY(!mando->ventana());

    opciones(a, {"sala", "juega"}, true);
    QCOMPARE(p.llamadas, (QStringList{"juega 1", "encendido 1"}));
    QVERIFY(mando->ventana() && mando->ventana()->isVisible());
    QCOMPARE(mando->ventana()->windowTitle(), QStringLiteral("Público"));
    QVERIFY(!mando->ventana()->parent());  // a window of its own, for the projector

    // The host closes it; the room stays on, and the window comes back with
    // the options.
    mando->ventana()->close();
    opciones(a, {}, true);
    QCOMPARE(p.llamadas.size(), 2);
    QVERIFY(mando->ventana()->isVisible());

    opciones(a, {"juega"}, true);
    QCOMPARE(p.llamadas.last(), QStringLiteral("juega 0"));
    opciones(a, {"sala"}, true);
    QCOMPARE(p.llamadas.last(), QStringLiteral("encendido 0"));
    QVERIFY(!mando->ventana() || !mando->ventana()->isVisible());

    opciones(a, {"sala"}, true);
    QCOMPARE(p.llamadas.last(), QStringLiteral("encendido 1"));
    QVERIFY(mando->ventana()->isVisible());
    a.t->mostrarCierre = [] {};
    a.t->close();
    QVERIFY(!mando->ventana()->isVisible());
}

// Stored on, the room listens from the start and its window waits for the
// board to appear.
void TstEnlaceVentanas::salaGuardadaEsperaAlTablero()
{
    PublicoFalso p;
    ArnesTablero a([](Almacen& s) { s.escribir(QStringLiteral("Inicio"), QStringLiteral("SalaPublico"), "True"); },
                   5, &p);
    a.t->hide();
    auto* mando = new MandoSala(p, *a.t);
    mando->Aplicar(a.m.SalaPublico, a.m.JuegaElPublico);
    QCOMPARE(p.llamadas, (QStringList{"juega 0", "encendido 1"}));
    QVERIFY(!mando->ventana());
    a.t->show();
    QVERIFY(mando->ventana() && mando->ventana()->isVisible());
    QVERIFY(mando->ventana()->testAttribute(Qt::WA_ShowWithoutActivating));
}

QTEST_MAIN(TstEnlaceVentanas)
#include "tst_EnlaceVentanas.moc"
