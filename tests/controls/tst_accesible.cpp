#include "Comod.h"
#include "Resp.h"
#include "fakes/LectorDePrueba.h"

#include <QSignalSpy>
#include <QTest>

// What a screen reader reads on the two controls, through Qt's accessibility.
class TstAccesible : public QObject {
    Q_OBJECT

    // A bar inside a window, as on the board: a bar of its own would count as hidden.
    struct Barra {
        QWidget ventana;
        Resp* r = new Resp(&ventana);
        Barra(const QString& letra, const QString& texto) {
            r->setGeometry(0, 0, 325, 105);
            r->setLetter(letra);
            r->setCaption(texto);
            ventana.show();
        }
        QAccessibleInterface* iface() const { return QAccessible::queryAccessibleInterface(r); }
    };

    struct Fila {
        QWidget ventana;
        Comod* c = new Comod(&ventana);
        explicit Fila(int ancho = 117) {
            c->setGeometry(0, 0, ancho, 45);
            ventana.show();
        }
        QAccessibleInterface* iface() const { return QAccessible::queryAccessibleInterface(c); }
        QAccessibleInterface* comodin(int k) const { return iface()->child(k); }
    };

    static bool avisadoMarcada(const QObject* o) {
        for (QAccessibleEvent* e : QTestAccessibility::events())
            if (e->object() == o && e->type() == QAccessible::StateChanged &&
                static_cast<QAccessibleStateChangeEvent*>(e)->changedStates().checked)
                return true;
        return false;
    }

private slots:
    void initTestCase() {
        if (!ActivarLectorDePrueba()) QSKIP("this platform has no accessibility");
    }
    void init() { QTestAccessibility::clearEvents(); }

    void respuesta_data() {
        QTest::addColumn<int>("situacion");
        QTest::addColumn<bool>("habilitada");
        QTest::addColumn<bool>("oculta");
        QTest::addColumn<QString>("letra");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("palabras");
        QTest::newRow("plain") << 0 << true << false << "A" << "Nueve" << "Respuesta A: Nueve" << "";
        QTest::newRow("marked") << 1 << true << false << "A" << "Nueve" << "Respuesta A: Nueve" << "marcada";
        QTest::newRow("right") << 2 << true << false << "B" << "Noé" << "Respuesta B: Noé" << "correcta";
        QTest::newRow("wrong") << 3 << true << false << "C" << "Seis" << "Respuesta C: Seis" << "incorrecta";
        QTest::newRow("disabled") << 0 << false << false << "D" << "Siete" << "Respuesta D: Siete"
                                  << "no disponible";
        QTest::newRow("right, judged") << 2 << false << false << "A" << "Nueve" << "Respuesta A: Nueve"
                                       << "correcta, no disponible";
        QTest::newRow("removed by the lifeline") << 0 << true << true << "B" << "Dos" << "Respuesta B: Dos"
                                                 << "no disponible";
        QTest::newRow("board cleared") << 0 << false << false << "C" << "" << "Respuesta C" << "no disponible";
    }
    void respuesta() {
        QFETCH(int, situacion);
        QFETCH(bool, habilitada);
        QFETCH(bool, oculta);
        QFETCH(QString, letra);
        QFETCH(QString, texto);
        QFETCH(QString, nombre);
        QFETCH(QString, palabras);
        Barra b(letra, texto);
        b.r->setSituation(qint16(situacion));
        b.r->setEnabled(habilitada);
        b.r->setVisible(!oculta);
        QAccessibleInterface* i = b.iface();
        QVERIFY(i);
        QCOMPARE(i->role(), QAccessible::Button);
        QCOMPARE(i->text(QAccessible::Name), nombre);
        QCOMPARE(i->text(QAccessible::Description), palabras);
        QCOMPARE(bool(i->state().checked), situacion == 1);
        QCOMPARE(bool(i->state().disabled), !habilitada);
    }

    // Each change a reader must hear about sends its event; a write that
    // changes nothing sends none.
    void avisosRespuesta_data() {
        QTest::addColumn<int>("cambio");
        QTest::addColumn<int>("evento");
        QTest::addColumn<int>("cuantos");
        QTest::newRow("new text") << 0 << int(QAccessible::NameChanged) << 1;
        QTest::newRow("same text") << 1 << int(QAccessible::NameChanged) << 0;
        QTest::newRow("new letter") << 2 << int(QAccessible::NameChanged) << 1;
        QTest::newRow("marked") << 3 << int(QAccessible::DescriptionChanged) << 1;
        QTest::newRow("right") << 4 << int(QAccessible::DescriptionChanged) << 1;
        QTest::newRow("same state") << 5 << int(QAccessible::DescriptionChanged) << 0;
        QTest::newRow("disabled") << 6 << int(QAccessible::DescriptionChanged) << 1;
        QTest::newRow("hidden") << 7 << int(QAccessible::DescriptionChanged) << 1;
    }
    void avisosRespuesta() {
        QFETCH(int, cambio);
        QFETCH(int, evento);
        QFETCH(int, cuantos);
        Barra b(QStringLiteral("A"), QStringLiteral("Nueve"));
        QVERIFY(b.iface());
        QTestAccessibility::clearEvents();
        switch (cambio) {
        case 0: b.r->setCaption(QStringLiteral("Diez")); break;
        case 1: b.r->setCaption(QStringLiteral("Nueve")); break;
        case 2: b.r->setLetter(QStringLiteral("b")); break;
        case 3: b.r->setSituation(1); break;
        case 4: b.r->setSituation(2); break;
        case 5: b.r->setSituation(0); break;
        case 6: b.r->setEnabled(false); break;
        case 7: b.r->hide(); break;
        }
        QCOMPARE(AvisosDe(b.r, QAccessible::Event(evento)), cuantos);
        // Marking and unmarking is the standard checked state as well.
        QCOMPARE(avisadoMarcada(b.r), cambio == 3 || cambio == 4);
    }

    void pulsarRespuesta_data() {
        QTest::addColumn<bool>("habilitada");
        QTest::addColumn<bool>("oculta");
        QTest::newRow("enabled") << true << false;
        QTest::newRow("disabled") << false << false;
        QTest::newRow("removed by the lifeline") << true << true;
    }
    void pulsarRespuesta() {
        QFETCH(bool, habilitada);
        QFETCH(bool, oculta);
        Barra b(QStringLiteral("A"), QStringLiteral("Nueve"));
        b.r->setEnabled(habilitada);
        b.r->setVisible(!oculta);
        const bool pulsable = habilitada && !oculta;
        QSignalSpy clics(b.r, &Resp::Click);
        QAccessibleActionInterface* acciones = b.iface()->actionInterface();
        QVERIFY(acciones);
        QCOMPARE(acciones->actionNames().contains(QAccessibleActionInterface::pressAction()), pulsable);
        acciones->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clics.count(), 0);  // from the event loop, not inside the reader's call
        QCoreApplication::processEvents();
        QCOMPARE(clics.count(), pulsable ? 1 : 0);
    }

    void comodines_data() {
        QTest::addColumn<int>("situacion");
        QTest::addColumn<bool>("habilitada");
        QTest::addColumn<int>("ancho");  // pixels: 117 small set, 165 large
        QTest::addColumn<QString>("usados");
        QTest::newRow("all available") << 0 << true << 117 << "---";
        QTest::newRow("all used") << 7 << true << 117 << "ENQ";
        QTest::newRow("5: skip left") << 5 << true << 117 << "E-Q";
        QTest::newRow("5 on the large set") << 5 << true << 165 << "E-Q";
        QTest::newRow("9 reads all used") << 9 << true << 117 << "ENQ";
        QTest::newRow("-1 reads all available") << -1 << true << 117 << "---";
        QTest::newRow("row disabled") << 2 << false << 117 << "-N-";
    }
    void comodines() {
        QFETCH(int, situacion);
        QFETCH(bool, habilitada);
        QFETCH(int, ancho);
        QFETCH(QString, usados);
        Fila f(ancho);
        f.c->setSituation(qint16(situacion));
        f.c->setEnabled(habilitada);
        QAccessibleInterface* fila = f.iface();
        QVERIFY(fila);
        QCOMPARE(fila->text(QAccessible::Name), QStringLiteral("Comodines"));
        // The three lifelines, not the twelve pictures behind them.
        QCOMPARE(fila->childCount(), 3);
        const QStringList nombres = {QStringLiteral("Encuesta"), QStringLiteral("Saltar pregunta"),
                                     QStringLiteral("Quitar dos respuestas")};
        for (int k = 0; k < 3; ++k) {
            QAccessibleInterface* c = fila->child(k);
            QVERIFY(c && c->isValid());
            QCOMPARE(c->parent(), fila);
            QCOMPARE(fila->indexOfChild(c), k);
            QCOMPARE(c->role(), QAccessible::Button);
            QCOMPARE(c->text(QAccessible::Name), nombres[k]);
            const bool usado = usados[k] != QLatin1Char('-');
            QCOMPARE(c->text(QAccessible::Description), usado ? QStringLiteral("usado") : QStringLiteral("disponible"));
            QCOMPARE(bool(c->state().disabled), usado || !habilitada);
            // It stands where its picture of the set in use is.
            const QWidget* img = f.c->imagen(f.c->baseImagenes() + k);
            QCOMPARE(c->rect(), QRect(img->mapToGlobal(QPoint(0, 0)), img->size()));
        }
    }

    // Shown as far as its window goes: a reader that meets the bar or the
    // lifelines while the board is still being built must not keep them
    // hidden once it is up. What the game hides itself stays hidden.
    void visiblesAntesDeLaVentana_data() {
        QTest::addColumn<bool>("oculta");
        QTest::newRow("window not shown yet") << false;
        QTest::newRow("hidden by the game") << true;
    }
    void visiblesAntesDeLaVentana() {
        QFETCH(bool, oculta);
        QWidget ventana;  // never shown
        auto* r = new Resp(&ventana);
        auto* c = new Comod(&ventana);
        r->setVisible(!oculta);
        c->setVisible(!oculta);
        QAccessibleInterface* fila = QAccessible::queryAccessibleInterface(c);
        QCOMPARE(bool(QAccessible::queryAccessibleInterface(r)->state().invisible), oculta);
        QCOMPARE(bool(fila->state().invisible), oculta);
        QCOMPARE(bool(fila->child(2)->state().invisible), oculta);
    }

    // A bar shown again after the lifeline removed it comes back as a new object.
    void barraQueVuelve() {
        Barra b(QStringLiteral("A"), QStringLiteral("Nueve"));
        const QAccessible::Id antes = QAccessible::uniqueId(b.iface());
        b.r->hide();
        QCOMPARE(QAccessible::uniqueId(b.iface()), antes);
        b.r->show();
        QVERIFY(QAccessible::uniqueId(b.iface()) != antes);
        QCOMPARE(b.iface()->text(QAccessible::Name), QStringLiteral("Respuesta A: Nueve"));
    }

    void avisosComodines() {
        Fila f;
        QAccessibleInterface* fila = f.iface();
        QVERIFY(fila);
        QTestAccessibility::clearEvents();
        f.c->setSituation(4);  // the poll used
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(AvisosDe(f.comodin(k), QAccessible::StateChanged), k == 0 ? 1 : 0);
            QCOMPARE(AvisosDe(f.comodin(k), QAccessible::DescriptionChanged), k == 0 ? 1 : 0);
        }
        QTestAccessibility::clearEvents();
        f.c->setSituation(4);  // nothing changes: nothing to tell
        f.c->resize(165, 53);  // the large set shows the same
        for (int k = 0; k < 3; ++k) QCOMPARE(AvisosDe(f.comodin(k), QAccessible::DescriptionChanged), 0);
        f.c->KeyPress('n');
        QCOMPARE(AvisosDe(f.comodin(1), QAccessible::DescriptionChanged), 1);
        QTestAccessibility::clearEvents();
        f.c->setEnabled(false);  // the lifelines follow the row
        for (int k = 0; k < 3; ++k) QCOMPARE(AvisosDe(f.comodin(k), QAccessible::StateChanged), 1);
    }

    void pulsarComodin_data() {
        QTest::addColumn<int>("situacion");
        QTest::addColumn<bool>("habilitada");
        QTest::addColumn<int>("clics");
        QTest::newRow("available") << 0 << true << 1;
        QTest::newRow("used") << 2 << true << 0;
        QTest::newRow("row disabled") << 0 << false << 0;
    }
    void pulsarComodin() {
        QFETCH(int, situacion);
        QFETCH(bool, habilitada);
        QFETCH(int, clics);
        Fila f;
        f.c->setSituation(qint16(situacion));
        f.c->setEnabled(habilitada);
        QSignalSpy spy(f.c, &Comod::Click);
        QAccessibleActionInterface* acciones = f.comodin(1)->actionInterface();
        QVERIFY(acciones);
        QCOMPARE(acciones->actionNames().size(), clics);
        QCOMPARE(acciones->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"N"});
        acciones->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(spy.count(), 0);  // from the event loop, not inside the reader's call
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), clics);
        if (clics) QCOMPARE(spy.at(0).at(0).value<qint16>(), qint16(1));
    }
};

QTEST_MAIN(TstAccesible)
#include "tst_accesible.moc"
