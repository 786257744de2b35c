#include "Resp.h"

// Placeholder until the real control lands.
Resp::Resp(QWidget* parent) : QWidget(parent) {}
void Resp::setSituation(qint16 v) { situacion_ = qint16(qMin(qAbs(int(v)), 3)); }
void Resp::setCaption(const QString& t) { caption_ = t; }
void Resp::setLetter(const QString& t) { letra_ = t.isEmpty() ? QStringLiteral("A") : t.left(1).toUpper(); }
qint16 Resp::ActionWidth() const { return width() * 15 > 7364 ? 7365 : 4800; }
qint16 Resp::ActionHeight() const { return width() * 15 > 7364 ? 1515 : 975; }
