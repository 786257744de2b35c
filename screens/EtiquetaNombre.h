#pragma once
#include <QLabel>
#include <QList>
#include <QPointer>

// A one-line label, for a player's name, that ends in "…" where the text is
// wider than the label, instead of being cut mid-letter. Only the drawing is
// shortened, against the label's width at that moment (so after every resize
// and every new text); text() keeps the whole name for whoever reads it.
// A word-wrapped label draws as a plain QLabel.
//
// Before it is shortened a name takes the room that is free beside it: the
// label widens to the right, up to the nearest neighbour on show or a given
// edge, and never below the width its layout gave it.
class EtiquetaNombre : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaNombre(const QString& texto = {}, QWidget* parent = nullptr);

    // As QLabel's, and widens into the free room where the name needs it.
    void setText(const QString& texto);

    // Where the free room ends: the left edge of the nearest of these on
    // show (followed as they show, hide and move), else the parent's right
    // edge; or a fixed edge in the parent's coordinates. A few pixels stay
    // free before it.
    void setVecinos(const QList<QWidget*>& vecinos);
    void setBordeLibre(int x);
    // The layout has just placed the label: that width is the least it keeps.
    void Colocado();

    // The text as drawn at the present width.
    QString TextoVisible() const;

    // A long name does not hold a layout wider than its place.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QRect caja() const;
    void ensancha();

    QList<QPointer<QWidget>> vecinos_;
    int bordeLibre_ = 0;
    int anchoPuesto_ = -1;  // -1: never placed, the label keeps its width
    int anchoDado_ = -1;    // the width it gave itself last
};
