#pragma once
#include <QColor>
#include <QRect>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#if defined(RESPUESTA_LIBRARY)
#define RESPUESTA_EXPORT Q_DECL_EXPORT
#else
#define RESPUESTA_EXPORT Q_DECL_IMPORT
#endif

class BolsaPropiedades;

// One answer bar: a letter disc, the answer text fitted to the bar, four states
// (0 plain, 1 marked, 2 right, 3 wrong). Lengths the host sees are in twips,
// 15 to a pixel. The control picks its large artwork when it is wider than
// 7364 twips and lays itself out on every resize event (Qt delivers those at
// once to a visible control and at show time to a hidden one).
class RESPUESTA_EXPORT Resp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 Situation READ Situation WRITE setSituation)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString Letter READ Letter WRITE setLetter)
    Q_PROPERTY(qint16 ActionWidth READ ActionWidth)
    Q_PROPERTY(qint16 ActionHeight READ ActionHeight)
public:
    explicit Resp(QWidget* parent = nullptr);

    qint16 Situation() const { return situacion_; }
    void setSituation(qint16 v);
    QString Caption() const { return caption_; }
    void setCaption(const QString& t);
    QString Letter() const { return letra_; }
    void setLetter(const QString& t);
    qint16 ActionWidth() const;
    qint16 ActionHeight() const;

    // How large the artwork, the letter and the caption are drawn (1: the
    // pixel sizes above). The host sets it from its own layout: a bar that
    // must fit a short row, or one on a board far larger than the design.
    // The mode still follows the width alone, and the caption's points read
    // as at scale 1.
    void setEscala(double e);
    double Escala() const { return escala_; }
    // Where the bar and its disc are drawn, in the control's pixels.
    QRect cajaArte() const;

    // Persisted values: "Situation", "Enabled", "Caption", "Letter".
    void ReadProperties(const BolsaPropiedades& bolsa);
    void WriteProperties(BolsaPropiedades& bolsa) const;
    // Names marked changed since creation (or the last olvidaCambios), in order.
    QStringList propiedadesCambiadas() const { return cambiadas_; }
    void olvidaCambios() { cambiadas_.clear(); }

    // The 16 x 15 picture for tool palettes; the game itself never shows it.
    static QPixmap IconoPaleta();

    // What is on show, for the host's checks and the tests.
    bool modoGrande() const;              // by the current width
    bool usaArteGrande() const { return topGrande_ == 0 && topChica_ != 0; }
    int topGrande() const { return topGrande_; }  // twips: 0 or -10000
    int topChica() const { return topChica_; }
    bool barraVisible(bool grande, int estado) const;
    int puntosCaption() const { return puntosCaption_; }
    QRect cajaCaption() const { return cajaCaption_; }  // pixels, control coordinates
    QColor colorCaption() const { return colorCaption_; }
    int puntosLetra() const { return puntosLetra_; }
    QRect cajaLetra() const;                             // pixels

    // The caption never shrinks below this size, so fitting always ends; a
    // text that does not fit even here is centred as it is.
    static constexpr int PuntosMinimos = 1;

signals:
    void Click();
    void PropertyChanged(const QString& nombre);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void ajustaCaption();
    void disponer();
    bool dentro(const QPoint& p) const;
    void marca(const QString& nombre);

    qint16 situacion_ = 0;
    QString caption_;
    QString letra_ = QStringLiteral("A");
    bool visibleGrande_[4] = {true, false, false, false};
    bool visibleChica_[4] = {true, false, false, false};
    int topGrande_ = 0;
    int topChica_ = 0;
    int puntosCaption_ = 22;
    double escala_ = 1.0;
    QRect cajaCaption_;
    QColor colorCaption_ = Qt::white;
    int puntosLetra_ = 24;
    QPoint posLetra_{14, 5};
    bool habilitadoPropio_ = true;
    bool restaurando_ = false;
    bool pulsado_ = false;
    QStringList cambiadas_;
};
