#include "Estadisticas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

Estadisticas::Estadisticas(QWidget* parent) : QDialog(parent), texto_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Estadísticas"));
    setStyleSheet(QStringLiteral("background:#000080;color:#ffcc30"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(texto_);
    resize(339, 300);
}
void Estadisticas::Llenar(qint16 nivel, qint16 correcta, Azar& azar)
{
    double w[4];
    double total = 0;
    for (int i = 0; i < 4; ++i)
        w[i] = std::nearbyint(azar.r() * 100);
    if (correcta >= 0 && correcta < 4)
        w[correcta] = std::nearbyint(azar.r() * 1500 / qMax<int>(1, nivel));
    for (double x : w)
        total += x;
    if (total <= 0)
        return;
    QString t;
    for (int i = 0; i < 4; ++i)
        t += QChar(u'A' + i) + QStringLiteral(": ") + QString::number(int(100 * w[i] / total)) + QStringLiteral("%\n");
    texto_->setText(t);
}
void Estadisticas::keyPressEvent(QKeyEvent* e)
{
    const QString t = e->text();
    if (t.isEmpty() || (!t.at(0).isPrint() && t.at(0) != QLatin1Char('\r'))) {
        QDialog::keyPressEvent(e);
        return;
    }
    emit Tecla(t.toUpper().at(0).unicode(), 0);
}
