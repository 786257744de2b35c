#pragma once
#include <QWidget>

class Biblia;
class QLabel;
class QTextBrowser;

// The verse beside the question: the passage the reference names, in the
// Reina-Valera 1909, with the phrase marked in gold, and a line saying
// plainly when the reference or the phrase is not right.
class PanelPasaje : public QWidget {
    Q_OBJECT
public:
    explicit PanelPasaje(const Biblia& biblia, QWidget* parent = nullptr);

    void mostrar(const QString& referencia, const QString& frase);

    QTextBrowser* texto() const { return texto_; }
    QString estado() const;

private:
    const Biblia& biblia_;
    QTextBrowser* texto_;
    QLabel* estado_;
    QString referencia_;
    QString frase_;
    bool mostrado_ = false;
};
