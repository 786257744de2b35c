#pragma once
#include <QLabel>

// A one-line label, for a player's name, that ends in "…" where the text is
// wider than the label, instead of being cut mid-letter. Only the drawing is
// shortened, against the label's width at that moment (so after every resize
// and every new text); text() keeps the whole name for whoever reads it.
// A word-wrapped label draws as a plain QLabel.
class EtiquetaNombre : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaNombre(const QString& texto = {}, QWidget* parent = nullptr);

    // The text as drawn at the present width.
    QString TextoVisible() const;

    // A long name does not hold a layout wider than its place.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QRect caja() const;
};
