#include "CronovaTimer.h"

#include <QPainter>

namespace Cronova {
Timer::Timer(QWidget* parent) : QWidget(parent)
{
    tic_.setInterval(1000);
    connect(&tic_, &QTimer::timeout, this, [this] {
        if (--restante_ <= 0) {
            tic_.stop();
            restante_ = 0;
            emit Expira();
        }
        update();
    });
}
void Timer::Reinicia()
{
    tic_.stop();
    restante_ = limite_;
    update();
}
void Timer::Arranca()
{
    if (!tic_.isActive())
        tic_.start();
}
void Timer::Detiene() { tic_.stop(); }
void Timer::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QColor(255, 204, 48));
    QFont f = font();
    f.setPixelSize(qMax(8, height() / 2));
    f.setBold(true);
    p.setFont(f);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawText(rect(), Qt::AlignCenter, QString::number(restante_));
}
}
