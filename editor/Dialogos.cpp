#include "Dialogos.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

Dialogos::Respuesta DialogosQt::preguntar(QWidget* padre, const QString& titulo, const QString& texto,
                                          const QString& si, const QString& no, bool conCancelar)
{
    QMessageBox m(QMessageBox::Question, titulo, texto, QMessageBox::NoButton, padre);
    QPushButton* bSi = m.addButton(si, QMessageBox::AcceptRole);
    QPushButton* bNo = m.addButton(no, conCancelar ? QMessageBox::DestructiveRole : QMessageBox::RejectRole);
    QPushButton* bCancelar = conCancelar ? m.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole) : nullptr;
    m.setDefaultButton(bSi);
    m.setEscapeButton(bCancelar ? bCancelar : bNo);
    m.exec();
    if (m.clickedButton() == bSi)
        return Respuesta::Si;
    if (m.clickedButton() == bNo)
        return Respuesta::No;
    return conCancelar ? Respuesta::Cancelar : Respuesta::No;
}

void DialogosQt::informar(QWidget* padre, const QString& titulo, const QString& texto, bool esError)
{
    QMessageBox m(esError ? QMessageBox::Warning : QMessageBox::Information, titulo, texto, QMessageBox::Ok, padre);
    m.exec();
}

QString DialogosQt::archivoParaAbrir(QWidget* padre, const QString& titulo, const QString& filtros,
                                     const QString& carpeta)
{
    return QFileDialog::getOpenFileName(padre, titulo, carpeta, filtros);
}

QString DialogosQt::archivoParaGuardar(QWidget* padre, const QString& titulo, const QString& filtros,
                                       const QString& sugerido)
{
    return QFileDialog::getSaveFileName(padre, titulo, sugerido, filtros);
}
