#pragma once
#include <QObject>
#include <QString>
#include <QWidget>

class QTextBrowser;

// The game's help: an HTML file beside the program, shown in a window of the
// game's own on F1 anywhere and from the options window's "A&yuda". Escape
// or its "Cerrar" button closes it.
class Ayuda : public QWidget {
    Q_OBJECT
public:
    // The help file; the title screen sets it at start-up.
    static void FijarArchivo(const QString& ruta);
    static QString Archivo();

    // Opens (or brings forward) the help window. While a modal window is up
    // the help belongs to it, so that it can still be read and scrolled.
    static Ayuda* Mostrar();
    static Ayuda* Abierta();  // the open help window, if any

    explicit Ayuda(QWidget* parent = nullptr);
    QTextBrowser* Texto() const { return texto_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;  // Escape closes

private:
    QTextBrowser* texto_ = nullptr;
};

// F1 in any window of the game opens the help. Installed once on the
// application.
class TeclaAyuda : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};
