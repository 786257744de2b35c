#pragma once
#include <QPlainTextEdit>

// The question's text box: a few lines, since questions run long, but one
// paragraph, since the board shows one. Enter and Tab move on instead of
// breaking the line; pasted line breaks become spaces.
class CajaPregunta : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CajaPregunta(QWidget* parent = nullptr);
    QString texto() const { return toPlainText(); }
    // Sets the text unless it is already that (keeps the cursor while typing).
    void setTexto(const QString& t);
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
};
