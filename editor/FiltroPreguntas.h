#pragma once
#include <QSortFilterProxyModel>
#include <QStringList>

// What the table shows of the bank: one level or all, the rows whose texts
// hold every word of the search (case, accents and punctuation aside:
// "noe" finds "Noé"), sorted by any column.
class FiltroPreguntas : public QSortFilterProxyModel {
    Q_OBJECT
    Q_PROPERTY(int nivel READ nivel WRITE setNivel NOTIFY nivelCambiado)
    Q_PROPERTY(QString busqueda READ busqueda WRITE setBusqueda NOTIFY busquedaCambiada)
public:
    explicit FiltroPreguntas(QObject* parent = nullptr);

    int nivel() const { return nivel_; }
    // 1..5, or 0 for every level.
    void setNivel(int nivel);
    QString busqueda() const { return busqueda_; }
    void setBusqueda(const QString& texto);

signals:
    void nivelCambiado(int nivel);
    void busquedaCambiada(const QString& texto);

protected:
    bool filterAcceptsRow(int fila, const QModelIndex& padre) const override;
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override;

private:
    int nivel_ = 0;
    QString busqueda_;
    QStringList palabras_;  // folded
};
