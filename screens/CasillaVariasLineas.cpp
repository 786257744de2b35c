#include "CasillaVariasLineas.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

void CasillaVariasLineas::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton op;
    initStyleOption(&op);
    const QString texto = op.text;
    op.text.clear();
    const QRect indicador = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &op, this);
    op.rect = indicador;
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, op);
    const int x = indicador.right() + 1 + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &op, this);
    const QRect caja(x, 0, width() - x, height());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QString visible = texto;
    visible.remove(QLatin1Char('&'));
    p.drawText(caja, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, visible);
    if (hasFocus()) {
        QStyleOptionFocusRect foco;
        foco.initFrom(this);
        foco.rect = p.boundingRect(caja, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, visible);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, foco);
    }
}

bool CasillaVariasLineas::hitButton(const QPoint& pos) const { return rect().contains(pos); }
