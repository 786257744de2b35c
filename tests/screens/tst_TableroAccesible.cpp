#include "AccesibleTablero.h"
#include "ArnesTablero.h"
#include "EtiquetaNombre.h"
#include "PuntajePuntos.h"
#include "TarjetaVerso.h"
#include "fakes/LectorDePrueba.h"

// The board as a screen reader reads it, through Qt's accessibility.
class TstTableroAccesible : public QObject {
    Q_OBJECT

    static QAccessibleInterface* iface(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
    static QString nombre(QObject* o) { return iface(o)->text(QAccessible::Name); }

private slots:
    void initTestCase()
    {
        if (!ActivarLectorDePrueba())
            QSKIP("this platform has no accessibility");
    }
    void init() { QTestAccessibility::clearEvents(); }

    void botones_data()
    {
        QTest::addColumn<int>("cual");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("cmdIniciar") << 0 << "Iniciar";
        QTest::newRow("cmdOpciones") << 1 << "Opciones";
        QTest::newRow("cmdResponder") << 2 << "Responder";
        QTest::newRow("cmdSigPreg") << 3 << "Siguiente pregunta";
        QTest::newRow("cmdRetira") << 4 << "Retirarse";
    }
    void botones()
    {
        QFETCH(int, cual);
        QFETCH(QString, nombre);
        ArnesTablero a;
        const BotonImagen* botones[] = {a.el().cmdIniciar, a.el().cmdOpciones, a.el().cmdResponder,
                                        a.el().cmdSigPreg, a.el().cmdRetira};
        QAccessibleInterface* i = iface(const_cast<BotonImagen*>(botones[cual]));
        QCOMPARE(i->role(), QAccessible::Button);
        QCOMPARE(i->text(QAccessible::Name), nombre);
        QCOMPARE(i->text(QAccessible::Description), botones[cual]->toolTip());
    }

    // A press reaches only a button a click could reach: on show, in an
    // enabled strip. It runs from the event loop, after the reader's call has
    // returned, so a message it opens does not hold the reader.
    void pulsarBotones()
    {
        ArnesTablero a;
        auto pulsar = [](QWidget* w) {
            iface(w)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        };
        pulsar(a.el().cmdRetira);  // hidden in a disabled strip
        QCoreApplication::processEvents();
        QVERIFY(a.mensajes.isEmpty());
        pulsar(a.el().cmdIniciar);
        QVERIFY(ArnesTablero::visible(a.el().cmdIniciar));  // not yet
        QCoreApplication::processEvents();
        QVERIFY(!ArnesTablero::visible(a.el().cmdIniciar));
        QVERIFY(a.el().Resp1[0]->isEnabled());  // the first question is up
        QVERIFY(iface(a.el().cmdResponder)->actionInterface()->actionNames().isEmpty());
        pulsar(a.el().cmdResponder);  // no answer chosen yet: still hidden
        QCoreApplication::processEvents();
        QVERIFY(a.el().Resp1[0]->isEnabled());
        a.clicRespuesta(a.incorrecta());
        QCOMPARE(iface(a.el().cmdResponder)->actionInterface()->actionNames().first(),
                 QAccessibleActionInterface::pressAction());
        pulsar(a.el().cmdRetira);
        QVERIFY(a.mensajes.isEmpty());
        QTRY_COMPARE(a.mensajes.size(), 1);  // the walk-away message, answered by the harness
        QVERIFY(!a.el().Resp1[0]->isEnabled());
    }

    // One question played: every element says what it holds at each moment.
    void unaPregunta()
    {
        ArnesTablero a;
        a.iniciar();
        QCOMPARE(nombre(a.el().lblJugador), QStringLiteral("Jugador: Jugador 0"));
        QCOMPARE(iface(a.el().lblJugador)->role(), QAccessible::StaticText);
        QCOMPARE(nombre(a.el().txtPregunta), QStringLiteral("Pregunta: ") + a.qtn().Enunciado().simplified());
        for (qint16 k = 0; k < 4; ++k)
            QCOMPARE(nombre(a.el().Resp1[size_t(k)]),
                     QStringLiteral("Respuesta %1: %2").arg(QChar('A' + k), a.qtn().Respuesta(k)));
        QCOMPARE(nombre(a.el().Puntos1), QStringLiteral("Premios: escalón 1 de 15, 1 punto"));
        QCOMPARE(nombre(a.el().Timer1), QStringLiteral("Tiempo: 30 segundos"));
        QCOMPARE(nombre(a.el().comod), QStringLiteral("Comodines"));

        const int c = a.correcta();
        a.clicRespuesta(c);
        QCOMPARE(iface(a.el().Resp1[size_t(c)])->text(QAccessible::Description), QStringLiteral("marcada"));
        a.responder();
        QCOMPARE(iface(a.el().Resp1[size_t(c)])->text(QAccessible::Description),
                 QStringLiteral("correcta, no disponible"));
        QCOMPARE(iface(a.el().Resp1[size_t((c + 1) % 4)])->text(QAccessible::Description),
                 QStringLiteral("no disponible"));
        QTestAccessibility::clearEvents();
        a.siguiente();
        QCOMPARE(AvisosDe(a.el().Puntos1, QAccessible::NameChanged), 1);
        QCOMPARE(nombre(a.el().Puntos1), QStringLiteral("Premios: escalón 2 de 15, 2 puntos"));
    }

    void escalera_data()
    {
        QTest::addColumn<int>("escalon");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("ganado");
        QTest::newRow("no game") << 0 << "Premios: escalón 0 de 15, 0 puntos" << "Ganado hasta ahora: 0 puntos";
        QTest::newRow("first") << 1 << "Premios: escalón 1 de 15, 1 punto" << "Ganado hasta ahora: 0 puntos";
        QTest::newRow("second") << 2 << "Premios: escalón 2 de 15, 2 puntos" << "Ganado hasta ahora: 1 punto";
        QTest::newRow("7") << 7 << "Premios: escalón 7 de 15, 40 puntos" << "Ganado hasta ahora: 20 puntos";
        QTest::newRow("13, digits only") << 13 << "Premios: escalón 13 de 15, 2500 puntos"
                                         << "Ganado hasta ahora: 1250 puntos";
        QTest::newRow("top") << 15 << "Premios: escalón 15 de 15, 10000 puntos"
                             << "Ganado hasta ahora: 5000 puntos";
    }
    void escalera()
    {
        QFETCH(int, escalon);
        QFETCH(QString, nombre);
        QFETCH(QString, ganado);
        InstalarAccesibleTablero();
        Puntaje::Puntos p;
        p.setNivelActual(3);
        QTestAccessibility::clearEvents();
        p.setNivelActual(qint16(escalon));
        QCOMPARE(AvisosDe(&p, QAccessible::NameChanged), 1);
        QCOMPARE(iface(&p)->text(QAccessible::Name), nombre);
        QCOMPARE(iface(&p)->text(QAccessible::Description), ganado);
    }

    // The seconds left, told at every tick, reset and new length.
    void cuenta()
    {
        InstalarAccesibleTablero();
        Cronova::Timer t;
        t.setTiempoLimite(2);
        QCOMPARE(AvisosDe(&t, QAccessible::NameChanged), 1);
        QCOMPARE(nombre(&t), QStringLiteral("Tiempo: 2 segundos"));
        t.Arranca();
        t.Tictac();
        QCOMPARE(AvisosDe(&t, QAccessible::NameChanged), 2);
        QCOMPARE(nombre(&t), QStringLiteral("Tiempo: 1 segundo"));
        t.Tictac();
        QCOMPARE(nombre(&t), QStringLiteral("Tiempo: 0 segundos"));
        t.Reinicia();
        QCOMPARE(AvisosDe(&t, QAccessible::NameChanged), 4);
        QCOMPARE(nombre(&t), QStringLiteral("Tiempo: 2 segundos"));
    }

    // Every element is shown as far as the board goes before the board is up,
    // so a reader that met them early does not keep them hidden; what the
    // board hides (the countdown, the bottom buttons) stays hidden.
    void visiblesAntesDelTablero()
    {
        ArnesTablero a;
        a.t->hide();
        const ElementosTablero& el = a.el();
        for (QWidget* w : std::initializer_list<QWidget*>{el.cmdIniciar, el.cmdOpciones, el.lblJugador, el.txtPregunta,
                                                           el.Puntos1})
            QVERIFY2(!iface(w)->state().invisible, qPrintable(nombre(w)));
        for (QWidget* w : std::initializer_list<QWidget*>{el.Timer1, el.cmdResponder, el.cmdRetira, el.lblNextPlayer})
            QVERIFY2(iface(w)->state().invisible, qPrintable(nombre(w)));
    }

    // What the board shows again comes back to the reader as a new object,
    // which it reads afresh instead of keeping it hidden.
    void vuelvenComoNuevos()
    {
        ArnesTablero a;
        const QAccessible::Id antes = QAccessible::uniqueId(iface(a.el().cmdRetira));
        const QAccessible::Id jugador = QAccessible::uniqueId(iface(a.el().lblJugador));
        QTestAccessibility::clearEvents();
        a.iniciar();  // shows Retirarse and the countdown
        QVERIFY(QAccessible::uniqueId(iface(a.el().cmdRetira)) != antes);
        QCOMPARE(AvisosDe(a.el().cmdRetira, QAccessible::ObjectCreated), 1);
        QCOMPARE(AvisosDe(a.el().Timer1, QAccessible::ObjectCreated), 1);
        QCOMPARE(QAccessible::uniqueId(iface(a.el().lblJugador)), jugador);  // never hidden: kept
        QCOMPARE(nombre(a.el().cmdRetira), QStringLiteral("Retirarse"));
    }

    // The verse card is a notice: read as it comes up, by its reference, the
    // whole passage (also where the card shows it shortened) its description.
    void tarjeta()
    {
        ArnesTablero a({}, 5, nullptr, [](const QString& carpeta) {
            QFile f(carpeta + QStringLiteral("/QBase.citas"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            for (int n = 1; n <= 5; ++n)
                f.write(QStringLiteral("%1\tGénesis 6:%2\tHazte un arca de madera de Gopher\tun arca\n")
                            .arg(IdDePrueba(1, n))
                            .arg(n)
                            .toUtf8());
        });
        TarjetaVerso* v = a.el().tarjeta;
        a.iniciar();
        const int n = a.qtn().ID() % 1000;
        QTestAccessibility::clearEvents();
        a.acertar();
        QVERIFY(!v->isHidden());
        QCOMPARE(AvisosDe(v, QAccessible::ObjectCreated), 1);
        QCOMPARE(iface(v)->role(), QAccessible::Notification);
        QVERIFY(!iface(v)->state().invisible);
        QCOMPARE(nombre(v), QStringLiteral("Versículo: Génesis 6:%1").arg(n));
        QCOMPARE(iface(v)->text(QAccessible::Description), QStringLiteral("Hazte un arca de madera de Gopher"));
        a.siguiente();
        QVERIFY(iface(v)->state().invisible);
    }

    // A long name is read whole, also where the label shows it shortened.
    void nombreLargo()
    {
        const QString largo = QStringLiteral("Maria Fernanda de los Angeles Rodriguez Castellanos");
        ArnesTablero a([&](Almacen& s) { s.escribir(QStringLiteral("Players"), QStringLiteral("0"), largo); });
        a.iniciar();
        QVERIFY(static_cast<EtiquetaNombre*>(a.el().lblJugador)->TextoVisible() != largo);
        QCOMPARE(nombre(a.el().lblJugador), QStringLiteral("Jugador: ") + largo);
    }
};

QTEST_MAIN(TstTableroAccesible)
#include "tst_TableroAccesible.moc"
