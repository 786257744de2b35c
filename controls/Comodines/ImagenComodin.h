#pragma once
#include <QPixmap>
#include <QWidget>

// One picture of the lifeline row: it shows its pixmap at its own size and
// reports a left click made on it.
class ImagenComodin : public QWidget {
    Q_OBJECT
public:
    ImagenComodin(const QString& recurso, int lado, QWidget* parent);

signals:
    void pulsada();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString recurso_;
    bool pulsado_ = false;
};
