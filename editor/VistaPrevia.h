#pragma once
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <array>

class QButtonGroup;
class QLabel;
class QStackedWidget;
class Resp;

// The question and its four answers as the board will show them: the real
// answer bars of the Respuesta library, placed and sized by the board's own
// design table, on the board at its small and at its large size (one shown at
// a time, switched with two buttons), each drawn whole in the space there is.
// For each answer and size it reports the point size the bar had to shrink
// its caption to, and whether that is still readable.
class VistaPrevia : public QWidget {
    Q_OBJECT
public:
    enum Tamano { Chico = 0, Grande = 1 };

    explicit VistaPrevia(QWidget* parent = nullptr);

    // The board's inner size in twips: the design size, and the design
    // doubled (1428 × 1016 pixels, a board maximised on a wide screen or
    // projector), where the large pictures and the large answer bars show.
    static QSize tamanoTablero(Tamano t);
    // Readable means at least this many points (why: VistaPrevia.cpp).
    static int puntosLegibles(Tamano t);

    QString pregunta() const { return pregunta_; }
    void setPregunta(const QString& texto);
    QString respuesta(int indice) const;  // indice 0..3 is A..D
    void setRespuesta(int indice, const QString& texto);
    void setRespuestas(const std::array<QString, 4>& textos);
    // The right answer shows green, as at the reveal; -1 shows none.
    int correcta() const { return correcta_; }
    void setCorrecta(int indice);

    Tamano tamanoVisible() const { return visible_; }
    void setTamanoVisible(Tamano t);

    // The caption's size after the bar fitted it, in points.
    int puntos(Tamano t, int indice) const;
    bool legible(Tamano t, int indice) const;
    bool todasLegibles() const { return avisos_.isEmpty(); }
    // One line of plain Spanish per answer that shrinks below readable.
    QStringList avisos() const { return avisos_; }

    // The bar itself, and the board it stands on: for the editor's own
    // layout and for tests.
    const Resp* barra(Tamano t, int indice) const;
    QWidget* tablero(Tamano t) const;
    // How the board is drawn here: the whole of it, scaled down to the space
    // the preview has (1 when it fits as it is).
    double escala(Tamano t) const;

signals:
    void avisosCambiados(const QStringList& avisos);
    void tamanoVisibleCambiado(VistaPrevia::Tamano t);

private:
    struct Muestra {
        QWidget* tablero = nullptr;
        QLabel* pregunta = nullptr;
        std::array<Resp*, 4> barras{};
    };
    Muestra construir(Tamano t);
    void revisar();

    std::array<Muestra, 2> muestras_;
    QStackedWidget* pila_ = nullptr;
    QButtonGroup* botones_ = nullptr;
    QLabel* lblAvisos_ = nullptr;
    QString pregunta_;
    std::array<QString, 4> respuestas_;
    int correcta_ = -1;
    Tamano visible_ = Chico;
    QStringList avisos_;
};
