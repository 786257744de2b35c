#pragma once
#include <QCheckBox>

// A check box whose caption wraps onto as many lines as its width needs.
class CasillaVariasLineas : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool hitButton(const QPoint& pos) const override;
};
