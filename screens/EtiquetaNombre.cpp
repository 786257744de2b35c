#include "EtiquetaNombre.h"

#include "AccesibleTablero.h"

#include "DisenoTablero.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

EtiquetaNombre::EtiquetaNombre(const QString& texto, QWidget* parent) : QLabel(texto, parent)
{
    // Names and questions are typed by people: show them as typed, never as HTML.
    setTextFormat(Qt::PlainText);
    InstalarAccesibleTablero();
}

void EtiquetaNombre::setText(const QString& texto)
{
    QLabel::setText(texto);
    ensancha();
}

void EtiquetaNombre::setVecinos(const QList<QWidget*>& vecinos)
{
    for (QWidget* v : std::as_const(vecinos_))
        if (v)
            v->removeEventFilter(this);
    vecinos_.clear();
    for (QWidget* v : vecinos) {
        vecinos_ << v;
        v->installEventFilter(this);
    }
    ensancha();
}

void EtiquetaNombre::setBordeLibre(int x)
{
    bordeLibre_ = x;
    ensancha();
}

void EtiquetaNombre::Colocado()
{
    anchoPuesto_ = anchoDado_ = width();
    ensancha();
}

bool EtiquetaNombre::eventFilter(QObject* o, QEvent* e)
{
    switch (e->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::Move:
    case QEvent::Resize:
        ensancha();
        break;
    default:
        break;
    }
    return QLabel::eventFilter(o, e);
}

void EtiquetaNombre::ensancha()
{
    if (anchoPuesto_ < 0 || wordWrap() || !parentWidget())
        return;
    if (width() != anchoDado_)
        anchoPuesto_ = width();  // its layout has placed it anew
    int borde = bordeLibre_ > 0 ? bordeLibre_ : parentWidget()->width();
    for (const QPointer<QWidget>& v : std::as_const(vecinos_))
        if (v && !v->isHidden() && v->x() >= x() + anchoPuesto_)
            borde = qMin(borde, v->x());
    const int libre = borde - Diseno::Holgura - x();
    const int bordes = width() - caja().width();  // margins and frame
    const int necesita = fontMetrics().horizontalAdvance(text()) + bordes + 1;
    const int ancho = qMax(anchoPuesto_, qMin(necesita, libre));
    anchoDado_ = ancho;
    if (ancho != width())
        resize(ancho, height());
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
