// The editor's real window, driven from the keyboard as a teacher would.
#include "fakes/ArchivosDePrueba.h"
#include "ArchivoBase.h"
#include "Biblia.h"
#include "CajaPregunta.h"
#include "Documento.h"
#include "FiltroPreguntas.h"
#include "FinDesdeFuera.h"
#include "FormularioPregunta.h"
#include "ModeloPreguntas.h"
#include "PanelPasaje.h"
#include "PanelPreguntas.h"
#include "VentanaEditor.h"
#include "VistaPrevia.h"
#include "fakes/BaseDePrueba.h"
#include "fakes/DialogosFalsos.h"

#include <QAction>
#include <QEventLoop>
#include <QTimer>
#include <csignal>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUndoStack>

namespace {

// Keys go where the focus is, as they do for the teacher.
QWidget* foco() { return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow(); }
void teclear(const QString& texto)
{
    for (const QChar c : texto) {
        // QTest knows the keys of ASCII only; "é" and "¿" come as the text
        // a keyboard layout would give.
        if (c.unicode() < 128)
            QTest::keyClick(foco(), char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, foco(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
void tecla(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(foco(), Qt::Key(k), m); }

}  // namespace

class TstVentanaEditor : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QTemporaryDir sinBiblia;  // an empty SWORD folder: no verse, and no wait
    QString base() const { return dir.filePath(QStringLiteral("QBase.qdb")); }

    // The window shown and active, its base open.
    bool preparar(VentanaEditor& v)
    {
        v.show();
        v.activateWindow();
        if (!QTest::qWaitForWindowActive(&v))
            return false;
        return v.abrir(base());
    }

    static QScrollArea* deslizaDe(QWidget* w)
    {
        for (; w; w = w->parentWidget())
            if (auto* a = qobject_cast<QScrollArea*>(w))
                return a;
        return nullptr;
    }

private slots:
    // The user's folder, where unsaved edits are kept, is the test's own.
    void initTestCase() { qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("datos")).toUtf8()); }
    void init() { QVERIFY(ArchivoBase::escribir(base(), TablaDePrueba(5))); }

    // Undoing or redoing the change of a field brings its question and the
    // field into sight, the field selected, wherever the teacher had gone
    // meanwhile; the count of questions is the true one after each edit.
    void deshacerMuestraElCampo()
    {
        const Biblia biblia(sinBiblia.path());
        DialogosFalsos d;
        VentanaEditor v(d, biblia);
        v.resize(1000, 420);  // the form needs its scroll bar
        QVERIFY(preparar(v));
        FormularioPregunta* f = v.formulario();
        const int fila = f->fila();
        f->respuesta(1)->setFocus(Qt::TabFocusReason);
        f->respuesta(1)->end(false);
        teclear(QStringLiteral("xy"));

        // Elsewhere: another level, another question, the form at its end.
        v.lista()->nivel()->setCurrentIndex(3);
        v.lista()->tabla()->setFocus(Qt::TabFocusReason);
        v.lista()->elegirVisible(2);
        QVERIFY(f->fila() != fila);
        QScrollArea* desliza = deslizaDe(f);
        QVERIFY(desliza);
        QTRY_VERIFY(desliza->verticalScrollBar()->maximum() > 0);
        desliza->verticalScrollBar()->setValue(desliza->verticalScrollBar()->maximum());
        auto aLaVista = [&](QWidget* w) {
            const int y = w->mapTo(desliza->viewport(), QPoint(0, 0)).y();
            return y >= 0 && y + w->height() <= desliza->viewport()->height();
        };
        QVERIFY(!aLaVista(f->respuesta(1)));

        for (bool rehacer : {false, true}) {
            tecla(Qt::Key_Z, rehacer ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
            QCOMPARE(f->fila(), fila);
            QCOMPARE(v.lista()->filaElegida(), fila);
            QCOMPARE(f->respuesta(1)->text(), rehacer ? QStringLiteral("B 1-1xy") : QStringLiteral("B 1-1"));
            QCOMPARE(QApplication::focusWidget(), f->respuesta(1));
            QCOMPARE(f->respuesta(1)->selectedText(), f->respuesta(1)->text());
            QVERIFY(aLaVista(f->respuesta(1)));
            v.lista()->tabla()->setFocus(Qt::TabFocusReason);
            v.lista()->elegirVisible(4);
            desliza->verticalScrollBar()->setValue(desliza->verticalScrollBar()->maximum());
        }
        QCOMPARE(v.acciones().deshacer->text(), QStringLiteral("&Deshacer el cambio de la respuesta B"));

        // A new question, undone: the count without a filter is the bank's.
        v.lista()->nivel()->setCurrentIndex(0);
        QCOMPARE(v.lista()->cuenta()->text(), QStringLiteral("25 preguntas"));
        tecla(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(v.lista()->cuenta()->text(), QStringLiteral("26 preguntas"));
        tecla(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(v.lista()->cuenta()->text(), QStringLiteral("25 preguntas"));
    }

    // The fields keep their places as problems come and go under them, and
    // on a laptop's 1366 × 768 the whole form shows without scrolling,
    // beside the whole board.
    void formularioQuieto()
    {
        const Biblia biblia(sinBiblia.path());
        DialogosFalsos d;
        VentanaEditor v(d, biblia);
        // The screen less the window's title bar.
        v.resize(1366, 768 - 30);
        QVERIFY(preparar(v));
        FormularioPregunta* f = v.formulario();
        const QList<QWidget*> campos{f->pregunta(), f->respuesta(0), f->respuesta(1), f->respuesta(2),
                                     f->respuesta(3), f->nivel(), f->referencia(), f->frase()};
        auto lugares = [&] {
            QList<QPoint> r;
            for (QWidget* w : campos)
                r << w->mapTo(&v, QPoint(0, 0));
            return r;
        };
        const QList<QPoint> antes = lugares();
        f->respuesta(0)->setFocus(Qt::TabFocusReason);
        f->respuesta(0)->selectAll();
        tecla(Qt::Key_Delete);  // "Falta la respuesta A."
        QVERIFY(!f->problema(FilaBase::RespA).isEmpty());
        QCOMPARE(lugares(), antes);
        teclear(QStringLiteral("A 1-1, la respuesta primera, con muchas más letras que caben en la barra"));
        QVERIFY(!f->problema(FilaBase::RespA).isEmpty());
        QCOMPARE(lugares(), antes);
        f->respuesta(0)->selectAll();
        teclear(QStringLiteral("Noé"));
        QVERIFY(f->problema(FilaBase::RespA).isEmpty());
        QCOMPARE(lugares(), antes);

        QScrollArea* desliza = deslizaDe(f);
        QTest::qWait(50);  // the layouts settled
        const QRect frase(f->frase()->mapTo(desliza->viewport(), QPoint(0, 0)), f->frase()->size());
        QVERIFY2(desliza->viewport()->rect().contains(frase),
                 qPrintable(QStringLiteral("Frase at %1, the form shows %2").arg(frase.bottom()).arg(desliza->viewport()->height())));
        QCOMPARE(desliza->verticalScrollBar()->value(), 0);
        v.pestanas()->setCurrentWidget(v.vistaPrevia());
        // The whole board, smaller than on the board itself.
        QTRY_VERIFY(v.vistaPrevia()->escala(VistaPrevia::Chico) < 1.0);
    }

    // Open, add a question with the keyboard, save, open again, find it.
    void agregarGuardarReabrirEncontrar()
    {
        const Biblia biblia(sinBiblia.path());
        {
            DialogosFalsos d;
            VentanaEditor v(d, biblia);
            QVERIFY(preparar(v));
            QCOMPARE(v.lista()->filtro()->rowCount(), 25);

            tecla(Qt::Key_N, Qt::ControlModifier);
            FormularioPregunta* f = v.formulario();
            QCOMPARE(QApplication::focusWidget(), f->pregunta());
            teclear(QStringLiteral("¿Quién construyó el arca?"));
            tecla(Qt::Key_Tab);  // to the answers, each behind its mark
            for (int i = 0; i < 4; ++i) {
                if (QApplication::focusWidget() == f->correcta(i))
                    tecla(Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget(), f->respuesta(i));
                teclear(QStringList{QStringLiteral("Moisés"), QStringLiteral("Noé"), QStringLiteral("Abraham"),
                                    QStringLiteral("David")}[i]);
                tecla(Qt::Key_Tab);
            }
            // Back to B's mark, and the space marks it right.
            f->correcta(1)->setFocus(Qt::TabFocusReason);
            tecla(Qt::Key_Space);
            QVERIFY(f->correcta(1)->isChecked());
            f->nivel()->setFocus(Qt::TabFocusReason);
            tecla(Qt::Key_Down);
            tecla(Qt::Key_Down);
            QCOMPARE(f->nivel()->currentIndex(), 2);

            const int fila = f->fila();
            const FilaBase& nueva = v.documento()->modelo()->fila(fila).fila;
            QCOMPARE(nueva[FilaBase::Enunciado].aTexto(), QStringLiteral("¿Quién construyó el arca?"));
            QCOMPARE(nueva.letra(), 1);
            QCOMPARE(nueva.nivel(), 3);
            QCOMPARE(nueva[FilaBase::ID], ValorEtiquetado::entero32(3006));
            // The preview shows what was typed, the right answer green.
            QCOMPARE(v.vistaPrevia()->respuesta(1), QStringLiteral("Noé"));
            QCOMPARE(v.vistaPrevia()->correcta(), 1);
            QVERIFY(v.isWindowModified());

            tecla(Qt::Key_S, Qt::ControlModifier);
            QVERIFY2(d.errores.isEmpty(), qPrintable(d.errores.join(u'\n')));
            QVERIFY(!v.isWindowModified());
        }
        QCOMPARE(ArchivoBase::leerArchivo(base()).tabla.size(), size_t(26));

        DialogosFalsos d;
        VentanaEditor v(d, biblia);
        QVERIFY(preparar(v));
        tecla(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), v.lista()->busqueda());
        teclear(QStringLiteral("arca noe"));
        QCOMPARE(v.lista()->filtro()->rowCount(), 1);
        tecla(Qt::Key_Down);  // into the list, on the one found
        QCOMPARE(QApplication::focusWidget(), v.lista()->tabla());
        FormularioPregunta* f = v.formulario();
        QCOMPARE(f->pregunta()->texto(), QStringLiteral("¿Quién construyó el arca?"));
        QCOMPARE(f->respuesta(1)->text(), QStringLiteral("Noé"));
        QVERIFY(f->correcta(1)->isChecked());
        QCOMPARE(f->nivel()->currentIndex(), 2);
    }

    // Ctrl+Z undoes the editor's last edit even from a text box, and
    // Ctrl+Shift+Z and Ctrl+Y redo it; Supr deletes a question only from the
    // list, a letter in a text box.
    void atajos()
    {
        const Biblia biblia(sinBiblia.path());
        DialogosFalsos d;
        VentanaEditor v(d, biblia);
        QVERIFY(preparar(v));
        FormularioPregunta* f = v.formulario();
        QLineEdit* c = f->respuesta(2);
        c->setFocus(Qt::TabFocusReason);
        c->end(false);
        teclear(QStringLiteral("xy"));
        const int fila = f->fila();
        const ModeloPreguntas* m = v.documento()->modelo();
        QCOMPARE(m->fila(fila).fila[FilaBase::RespC].aTexto(), QStringLiteral("C 1-1xy"));
        tecla(Qt::Key_Backspace);  // Supr and Backspace in a box edit text
        c->home(false);
        tecla(Qt::Key_Delete);
        QCOMPARE(c->text(), QStringLiteral(" 1-1x"));
        QCOMPARE(m->filasTotal(), 25);

        tecla(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m->fila(fila).fila[FilaBase::RespC].aTexto(), QStringLiteral("C 1-1"));
        QCOMPARE(c->text(), QStringLiteral("C 1-1"));
        tecla(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(c->text(), QStringLiteral(" 1-1x"));
        tecla(Qt::Key_Z, Qt::ControlModifier);
        tecla(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(m->fila(fila).fila[FilaBase::RespC].aTexto(), QStringLiteral(" 1-1x"));

        v.lista()->tabla()->setFocus(Qt::TabFocusReason);
        const qint64 borrada = ModeloPreguntas::id(m->fila(f->fila()));
        tecla(Qt::Key_Delete);
        QCOMPARE(m->filasTotal(), 24);
        // The next one in the list is chosen.
        QVERIFY(f->fila() >= 0);
        QVERIFY(ModeloPreguntas::id(m->fila(f->fila())) != borrada);
        tecla(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m->filasTotal(), 25);
        QCOMPARE(ModeloPreguntas::id(m->fila(f->fila())), borrada);
    }

    // Every control is reached with Tab, and the form's fields in the
    // order they are read.
    void tabAlcanzaTodo()
    {
        const Biblia biblia(sinBiblia.path());
        DialogosFalsos d;
        VentanaEditor v(d, biblia);
        QVERIFY(preparar(v));
        FormularioPregunta* f = v.formulario();
        QList<QWidget*> esperados{v.lista()->nivel(), v.lista()->busqueda(), v.lista()->tabla(), f->pregunta(),
                                  f->nivel(), f->referencia(), f->frase(), v.pasaje()->texto(),
                                  v.pestanas()->tabBar()};
        for (int i = 0; i < 4; ++i)
            esperados << f->respuesta(i);
        for (QPushButton* b : v.findChildren<QPushButton*>())
            if (b->isVisibleTo(&v))
                esperados << b;
        QCOMPARE(esperados.size(), 13 + 4);

        v.lista()->busqueda()->setFocus(Qt::TabFocusReason);
        QList<QWidget*> recorrido;
        for (int i = 0; i < 80; ++i) {
            recorrido << QApplication::focusWidget();
            tecla(Qt::Key_Tab);
        }
        for (QWidget* w : esperados)
            QVERIFY2(recorrido.contains(w), qPrintable(w->metaObject()->className() + (u' ' + w->accessibleName())));
        const auto posicion = [&](QWidget* w) { return recorrido.indexOf(w); };
        QVERIFY(posicion(f->pregunta()) < posicion(f->respuesta(0)));
        QVERIFY(posicion(f->respuesta(3)) < posicion(f->nivel()));
        QVERIFY(posicion(f->nivel()) < posicion(f->referencia()));

        // The board preview's size buttons, once its tab is shown.
        v.pestanas()->setCurrentWidget(v.vistaPrevia());
        recorrido.clear();
        for (int i = 0; i < 80; ++i) {
            recorrido << QApplication::focusWidget();
            tecla(Qt::Key_Tab);
        }
        bool tamano = false;
        for (QRadioButton* b : v.vistaPrevia()->findChildren<QRadioButton*>())
            tamano = tamano || recorrido.contains(b);
        QVERIFY(tamano);
    }

    // A warning asks once before saving; the same warnings again do not
    // ask. What the game cannot load is refused, and nothing is written.
    void guardarConProblemas()
    {
        const Biblia biblia(sinBiblia.path());
        DialogosFalsos d;
        VentanaEditor v(d, biblia);
        QVERIFY(preparar(v));
        const QByteArray antes = leerTodo(base());
        Documento* doc = v.documento();
        doc->cambiar(0, FilaBase::RespA, QStringLiteral("Una respuesta larguísima que no cabe en la barra"));

        d.respuestas = {Dialogos::Respuesta::No};
        QVERIFY(!v.guardar());
        QCOMPARE(d.preguntas.size(), 1);
        QVERIFY2(d.preguntas[0].contains(QStringLiteral("más de 40 para la barra pequeña")), qPrintable(d.preguntas[0]));
        QCOMPARE(leerTodo(base()), antes);

        d.respuestas = {Dialogos::Respuesta::Si};
        QVERIFY(v.guardar());
        QCOMPARE(d.preguntas.size(), 2);
        doc->cambiar(1, FilaBase::RespB, QStringLiteral("Otra"));
        QVERIFY(v.guardar());
        QCOMPARE(d.preguntas.size(), 2);  // not asked again

        const QByteArray guardado = leerTodo(base());
        tecla(Qt::Key_N, Qt::ControlModifier);  // no right letter yet
        QVERIFY(!v.guardar());
        QCOMPARE(d.errores.size(), 1);
        QVERIFY2(d.errores[0].contains(QStringLiteral("falta marcar la respuesta correcta")), qPrintable(d.errores[0]));
        QCOMPARE(leerTodo(base()), guardado);
    }

    // Closing with unsaved changes asks; "Cancelar" keeps the window and
    // the changes, "No guardar" leaves the file as it was.
    void cerrarConCambios()
    {
        const Biblia biblia(sinBiblia.path());
        DialogosFalsos d;
        VentanaEditor v(d, biblia);
        QVERIFY(preparar(v));
        const QByteArray antes = leerTodo(base());
        v.documento()->cambiar(0, FilaBase::Enunciado, QStringLiteral("¿Cambiada?"));
        d.respuestas = {Dialogos::Respuesta::Cancelar};
        QVERIFY(!v.close());
        QVERIFY(v.isVisible());
        QVERIFY(v.documento()->modificado());
        d.respuestas = {Dialogos::Respuesta::No};
        QVERIFY(v.close());
        QCOMPARE(d.preguntas.size(), 2);
        QCOMPARE(leerTodo(base()), antes);
    }

    // A file that cannot be read is named in a message, and the window
    // keeps what it had.
    void archivoIlegible()
    {
        const Biblia biblia(sinBiblia.path());
        DialogosFalsos d;
        VentanaEditor v(d, biblia);
        QVERIFY(preparar(v));
        const QString malo = dir.filePath(QStringLiteral("malo.qdb"));
        QFile f(malo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("no es una base");
        f.close();
        QVERIFY(!v.abrir(malo));
        QCOMPARE(d.errores.size(), 1);
        QVERIFY2(d.errores[0].contains(QStringLiteral("«malo.qdb» no es una base de preguntas")), qPrintable(d.errores[0]));
        QCOMPARE(v.documento()->ruta(), base());
        QCOMPARE(leerTodo(malo), QByteArray("no es una base"));
    }

    // Last: once the program's loop has been told to end, no later loop of
    // this test program runs. The session ends with edits unsaved: nothing
    // is asked, the file is left as it was, the lock goes with the window,
    // and the next opening offers the edits back.
    void terminarDesdeFuera()
    {
        const Biblia biblia(sinBiblia.path());
        const QByteArray antes = leerTodo(base());
        FilasEditables editadas;
        {
            DialogosFalsos d;
            VentanaEditor v(d, biblia);
            QVERIFY(preparar(v));
            AlTerminarDesdeFuera(v, [&v] { v.terminarDesdeFuera(); });
            v.formulario()->respuesta(2)->setFocus(Qt::TabFocusReason);
            teclear(QStringLiteral("ya casi"));
            tecla(Qt::Key_N, Qt::ControlModifier);
            teclear(QStringLiteral("¿A medio escribir?"));
            editadas = v.documento()->modelo()->filas();
            QCOMPARE(::raise(SIGTERM), 0);
            // The program's loop: ended by the signal, or by the time limit (7).
            QEventLoop bucle;
            QTimer::singleShot(5000, &bucle, [&] { bucle.exit(7); });
            QCOMPARE(bucle.exec(), 0);
            QVERIFY2(d.preguntas.isEmpty(), qPrintable(d.preguntas.join(u'\n')));
        }
        QCOMPARE(leerTodo(base()), antes);

        DialogosFalsos d;
        d.respuestas = {Dialogos::Respuesta::Si};
        VentanaEditor v(d, biblia);
        QVERIFY(preparar(v));
        QCOMPARE(d.preguntas.size(), 1);
        QVERIFY2(d.preguntas[0].contains(QStringLiteral("¿Quieres recuperarlos?")), qPrintable(d.preguntas[0]));
        QVERIFY(!v.documento()->soloLectura());  // the lock was let go
        QVERIFY(v.isWindowModified());
        QCOMPARE(v.documento()->modelo()->filas().size(), editadas.size());
        for (size_t i = 0; i < editadas.size(); ++i)
            QCOMPARE(v.documento()->modelo()->filas()[i].fila, editadas[i].fila);
    }
};

QTEST_MAIN(TstVentanaEditor)
#include "tst_VentanaEditor.moc"
