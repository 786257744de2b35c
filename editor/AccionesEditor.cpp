#include "AccionesEditor.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QUndoStack>

namespace {
QAction* accion(QMainWindow* v, const QString& texto, const QList<QKeySequence>& teclas = {})
{
    auto* a = new QAction(texto, v);
    a->setShortcuts(teclas);
    // The key works wherever the focus is in the window.
    v->addAction(a);
    return a;
}
}  // namespace

AccionesEditor AccionesEditor::crear(QMainWindow* v, QUndoStack* pila)
{
    AccionesEditor a;
    a.abrirJuego = accion(v, QStringLiteral("Abrir la base del &juego"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)});
    a.abrir = accion(v, QStringLiteral("&Abrir otro archivo…"), {QKeySequence::Open});
    a.guardar = accion(v, QStringLiteral("&Guardar"), {QKeySequence::Save});
    a.importar = accion(v, QStringLiteral("&Importar preguntas de un CSV…"), {QKeySequence(Qt::CTRL | Qt::Key_I)});
    a.exportar = accion(v, QStringLiteral("&Exportar a CSV…"), {QKeySequence(Qt::CTRL | Qt::Key_E)});
    a.salir = accion(v, QStringLiteral("&Salir"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    a.deshacer = pila->createUndoAction(v, QStringLiteral("&Deshacer"));
    a.deshacer->setShortcuts({QKeySequence::Undo});
    v->addAction(a.deshacer);
    a.rehacer = pila->createRedoAction(v, QStringLiteral("&Rehacer"));
    a.rehacer->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    v->addAction(a.rehacer);
    a.nueva = accion(v, QStringLiteral("&Nueva pregunta"), {QKeySequence::New});
    a.duplicar = accion(v, QStringLiteral("D&uplicar la pregunta"), {QKeySequence(Qt::CTRL | Qt::Key_D)});
    // Supr deletes a question only from the list: in a text box it deletes
    // a letter, as always. The window adds it to the list.
    a.borrar = new QAction(QStringLiteral("&Borrar la pregunta"), v);
    a.borrar->setShortcut(QKeySequence::Delete);
    a.borrar->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    a.buscar = accion(v, QStringLiteral("B&uscar"), {QKeySequence::Find});
    a.ayuda = accion(v, QStringLiteral("&Cómo se añade una pregunta"), {QKeySequence::HelpContents});

    QMenu* archivo = v->menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->addActions({a.abrirJuego, a.abrir});
    archivo->addSeparator();
    archivo->addAction(a.guardar);
    archivo->addSeparator();
    archivo->addActions({a.importar, a.exportar});
    archivo->addSeparator();
    archivo->addAction(a.salir);
    QMenu* editar = v->menuBar()->addMenu(QStringLiteral("&Editar"));
    editar->addActions({a.deshacer, a.rehacer});
    editar->addSeparator();
    editar->addActions({a.nueva, a.duplicar, a.borrar});
    editar->addSeparator();
    editar->addAction(a.buscar);
    QMenu* ayuda = v->menuBar()->addMenu(QStringLiteral("A&yuda"));
    ayuda->addAction(a.ayuda);
    return a;
}
