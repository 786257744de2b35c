#include "Posiciones.h"

#include "Modulo.h"
#include "Premios.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

Posiciones::Posiciones(const Modulo& m, std::function<void(qint32)> toca, QWidget* parent) : QDialog(parent)
{
    if (toca)
        toca(6);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("background:#000080;color:#ffcc30"));
    auto* l = new QVBoxLayout(this);
    QList<int> orden;
    for (int p = 0; p < m.TotalJugadores; ++p)
        orden << p;
    std::stable_sort(orden.begin(), orden.end(),
                     [&](int a, int b) { return m.Jugadores[size_t(a)].Escalon > m.Jugadores[size_t(b)].Escalon; });
    for (int i = 0; i < orden.size(); ++i) {
        const Jugador& j = m.Jugadores[size_t(orden[i])];
        l->addWidget(new QLabel(QString::number(i + 1) + QStringLiteral(". ") + j.Nombre + QStringLiteral("   ") +
                                    TextoPremio(j.Escalon),
                                this));
    }
    resize(441, 271);
}
void Posiciones::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        accept();
}
