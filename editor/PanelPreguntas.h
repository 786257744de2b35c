#pragma once
#include <QWidget>

class FiltroPreguntas;
class ModeloPreguntas;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

// The list of questions: a level to show, a search over every text, the
// table sorted by any column, and how many are shown.
class PanelPreguntas : public QWidget {
    Q_OBJECT
public:
    explicit PanelPreguntas(ModeloPreguntas* modelo, QWidget* parent = nullptr);

    FiltroPreguntas* filtro() const { return filtro_; }
    QTableView* tabla() const { return tabla_; }
    QLineEdit* busqueda() const { return busqueda_; }
    QComboBox* nivel() const { return nivel_; }
    QLabel* cuenta() const { return cuenta_; }  // "1.168 de 1.169 preguntas"

    // The model's row chosen in the table, or -1.
    int filaElegida() const;
    // Chooses a model's row, showing it (the filters are cleared when they
    // hide it). -1 clears the choice.
    void elegir(int fila);
    // The shown row nearest to where a shown row was: after deleting one.
    void elegirVisible(int filaVisible);
    int filaVisibleElegida() const;
    // Ctrl+F: to the search box, its text selected.
    void buscar();

signals:
    // The teacher chose another question (-1: none).
    void filaElegidaCambiada(int fila);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void contar();

    ModeloPreguntas* modelo_;
    FiltroPreguntas* filtro_;
    QComboBox* nivel_;
    QLineEdit* busqueda_;
    QTableView* tabla_;
    QLabel* cuenta_;
};
