#pragma once

class QAction;
class QMainWindow;
class QUndoStack;

// The editor's commands with their keys, in the menus of its window: the
// usual ones (Ctrl+S, Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, Ctrl+F, Ctrl+N, Supr)
// and a few of its own.
struct AccionesEditor {
    QAction* abrirJuego = nullptr;
    QAction* abrir = nullptr;
    QAction* guardar = nullptr;
    QAction* importar = nullptr;
    QAction* exportar = nullptr;
    QAction* salir = nullptr;
    QAction* deshacer = nullptr;
    QAction* rehacer = nullptr;
    QAction* nueva = nullptr;
    QAction* duplicar = nullptr;
    QAction* borrar = nullptr;
    QAction* buscar = nullptr;
    QAction* ayuda = nullptr;

    // Builds them on the window, with its menu bar. Undo and redo follow
    // the stack: their texts name what they would undo.
    static AccionesEditor crear(QMainWindow* ventana, QUndoStack* pila);
};
