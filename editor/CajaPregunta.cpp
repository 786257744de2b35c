#include "CajaPregunta.h"

#include <QKeyEvent>
#include <QMimeData>

CajaPregunta::CajaPregunta(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CajaPregunta::setTexto(const QString& t)
{
    if (t != toPlainText())
        setPlainText(t);
}

QSize CajaPregunta::sizeHint() const
{
    const int linea = fontMetrics().lineSpacing();
    return {QPlainTextEdit::sizeHint().width(), linea * 3 + 2 * frameWidth() + 8};
}

void CajaPregunta::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void CajaPregunta::insertFromMimeData(const QMimeData* source)
{
    QString t = source->text();
    t.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(u'\n', u' ').replace(u'\r', u' ');
    insertPlainText(t);
}
