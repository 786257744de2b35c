#pragma once
#include "Comprobador.h"

#include <QPersistentModelIndex>
#include <QWidget>
#include <array>

class CajaPregunta;
class Documento;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QRadioButton;

// One question in a form: the question, the four answers with the right
// one marked, the level, the passage and the phrase. Every change goes to
// the document as it is typed, and the checks' problems show under the
// field they are about, in plain Spanish.
class FormularioPregunta : public QWidget {
    Q_OBJECT
public:
    explicit FormularioPregunta(Documento* documento, QWidget* parent = nullptr);

    // The model's row shown, or -1 for none.
    int fila() const;
    void mostrar(int fila);

    // The widgets, for the window's tab order and for tests.
    // The height the whole form takes at that width (its notes wrap).
    int altoCompleto(int ancho) const;
    QWidget* primerCampo() const;
    QWidget* ultimoCampo() const;
    CajaPregunta* pregunta() const { return pregunta_; }
    QLineEdit* respuesta(int i) const { return respuestas_[size_t(i)]; }
    QRadioButton* correcta(int i) const { return correctas_[size_t(i)]; }
    QComboBox* nivel() const { return nivel_; }
    QLineEdit* referencia() const { return referencia_; }
    QLineEdit* frase() const { return frase_; }
    // The problem shown under a field (Problema::campo), "" when none.
    QString problema(int campo) const;
    // The widget of a field (Problema::campo), given the focus with its
    // text selected: where an undo or a redo made its change. Null when the
    // form shows no such field.
    QWidget* seleccionar(int campo);
    // The line under a field for its problems: it keeps its place, empty or
    // not, so that no field moves as the teacher types.
    QWidget* lineaProblema(int campo) const;

signals:
    // Something the teacher should know at once (a change refused...).
    void aviso(const QString& texto);
    // The question, the answers or the right letter changed: for the preview.
    void preguntaCambiada();
    void pasajeCambiado();

private:
    void construir();
    void leer();
    // Sets the box to the bank's text, unless it holds one the base cannot.
    void mostrarTexto(QLineEdit* caja, int campo, const QString& texto);
    void revisar();
    void cambiar(int campo, const QVariant& valor);
    void cambiarTexto(int campo, const QString& texto);
    void ajustarSoloLectura();
    QLabel* etiquetaProblema(int campo);
    // A one-line box for a field, its text going to the bank as it changes.
    QLineEdit* cajaDeTexto(int campo, QObject* filtro);
    // A field's rows in the grid: its label (whose shortcut reaches it) and
    // the field, or the layout holding it, then the line of its problems.
    void ponerCampo(QGridLayout* g, int& r, const QString& etiqueta, QWidget* campo, int problema,
                    Qt::Alignment alineacion = {}, QLayout* contenido = nullptr);

    Documento* doc_;
    QPersistentModelIndex fila_;
    bool leyendo_ = false;
    CajaPregunta* pregunta_ = nullptr;
    std::array<QLineEdit*, 4> respuestas_{};
    std::array<QRadioButton*, 4> correctas_{};
    QButtonGroup* grupo_ = nullptr;
    QComboBox* nivel_ = nullptr;
    QLabel* datos_ = nullptr;  // "ID 3005 · preguntada 2 veces"
    QLineEdit* referencia_ = nullptr;
    QLineEdit* frase_ = nullptr;
    QLabel* vacio_ = nullptr;
    QWidget* campos_ = nullptr;
    // One label under each field, by Problema::campo (and Evidencia).
    std::array<QLabel*, 12> problemas_{};
    // Characters the base cannot hold, per field, while they are there.
    std::array<QString, 12> sinCabida_;
};
