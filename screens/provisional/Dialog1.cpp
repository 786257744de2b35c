#include "Dialog1.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

Dialog1::Dialog1(QWidget* parent) : QDialog(parent), texto_(new QLabel(this))
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("background:#000080;color:#ffcc30;border:1px solid #ffcc30"));
    auto* l = new QVBoxLayout(this);
    texto_->setAlignment(Qt::AlignCenter);
    l->addWidget(texto_);
    resize(373, 198);
}
void Dialog1::Muestra(const QString& msj, qint32)
{
    texto_->setText(msj);
    exec();
}
void Dialog1::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        accept();
}
