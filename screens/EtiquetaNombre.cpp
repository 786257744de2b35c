#include "EtiquetaNombre.h"

#include "AccesibleTablero.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

EtiquetaNombre::EtiquetaNombre(const QString& texto, QWidget* parent) : QLabel(texto, parent)
{
    // Names and questions are typed by people: show them as typed, never as HTML.
    setTextFormat(Qt::PlainText);
    InstalarAccesibleTablero();
}

QRect EtiquetaNombre::caja() const
{
    const int m = margin();
    return contentsRect().adjusted(m, m, -m, -m);
}

QString EtiquetaNombre::TextoVisible() const
{
    if (wordWrap())
        return text();
    QString v = fontMetrics().elidedText(text(), Qt::ElideRight, caja().width());
    // "Fernandez…" rather than "Fernandez …": the "…" follows the last letter.
    if (v != text() && v.size() >= 2 && v.at(v.size() - 2).isSpace())
        v.remove(v.size() - 2, 1);
    return v;
}

QSize EtiquetaNombre::minimumSizeHint() const
{
    QSize s = QLabel::minimumSizeHint();
    s.setWidth(qMin(s.width(), fontMetrics().horizontalAdvance(QStringLiteral("M…"))));
    return s;
}

void EtiquetaNombre::paintEvent(QPaintEvent* e)
{
    const QString visible = TextoVisible();
    if (visible == text() || textFormat() == Qt::RichText) {
        QLabel::paintEvent(e);
        return;
    }
    // As QLabel draws plain text, with the shortened text.
    QPainter p(this);
    drawFrame(&p);
    QStyleOption opt;
    opt.initFrom(this);
    const int a = QStyle::visualAlignment(layoutDirection(), alignment());
    style()->drawItemText(&p, caja(), a, opt.palette, isEnabled(), visible, foregroundRole());
}
