#pragma once
#include "AccionesEditor.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

class Biblia;
class Dialogos;
class Documento;
class FormularioPregunta;
class PanelPasaje;
class PanelPreguntas;
class QLabel;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTabWidget;
class VistaPrevia;

// "Editor de preguntas": the list of questions on the left; on the right
// the form of the chosen one, and below it its verse and how it will look
// on the board. Menus and keys in AccionesEditor; the questions it asks go
// through Dialogos, so tests can answer them.
class VentanaEditor : public QMainWindow {
    Q_OBJECT
public:
    VentanaEditor(Dialogos& dialogos, const Biblia& biblia, QWidget* parent = nullptr);
    ~VentanaEditor() override;

    // Opens a file, asking first about unsaved changes. False when it was
    // not opened (the teacher was told why).
    bool abrir(const QString& ruta);
    // The base the game plays from.
    bool abrirBaseDelJuego();
    // Saves, asking once about warnings. False when nothing was saved.
    bool guardar();
    // The editor is ended from outside and may ask nothing: the unsaved
    // edits are kept for the next opening of the file (Documento).
    void terminarDesdeFuera();

    Documento* documento() const { return doc_; }
    PanelPreguntas* lista() const { return lista_; }
    FormularioPregunta* formulario() const { return formulario_; }
    PanelPasaje* pasaje() const { return pasaje_; }
    VistaPrevia* vistaPrevia() const { return vista_; }
    QTabWidget* pestanas() const { return pestanas_; }
    const AccionesEditor& acciones() const { return acciones_; }
    QWidget* aviso() const;  // the read-only banner
    QPushButton* botonReintentar() const { return reintentar_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* construirLista();
    QWidget* construirDerecha();
    QWidget* construirAviso();
    void conectar();
    bool puedeDejarCambios();
    void nueva();
    void duplicar();
    void borrar();
    void importar();
    void exportar();
    void elegirYAbrir();
    void volverAIntentar();
    void ayuda();
    void ofrecerRecuperacion();
    // After an undo or a redo: the question and the field it changed, in
    // sight and selected, wherever the list and the form stood.
    void mostrarDeshecho(bool rehecho);
    void mostrarFila(int fila);
    void actualizarVista();
    void actualizarPasaje();
    void actualizarEstado();
    void informar(const QString& texto, bool esError);

    Dialogos& dialogos_;
    Documento* doc_;
    const Biblia& biblia_;
    AccionesEditor acciones_;
    PanelPreguntas* lista_ = nullptr;
    FormularioPregunta* formulario_ = nullptr;
    PanelPasaje* pasaje_ = nullptr;
    VistaPrevia* vista_ = nullptr;
    QTabWidget* pestanas_ = nullptr;
    QScrollArea* desliza_ = nullptr;
    QSplitter* derecha_ = nullptr;
    QWidget* aviso_ = nullptr;
    QLabel* textoAviso_ = nullptr;
    QPushButton* reintentar_ = nullptr;
    QList<QPushButton*> botones_;
    // The warnings the teacher has already agreed to save with: asked once.
    QStringList avisosAceptados_;
};
