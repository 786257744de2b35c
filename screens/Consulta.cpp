#include "Consulta.h"

#include <QMessageBox>
#include <QPushButton>

Consulta ConsultaEnCajas(const QString& titulo)
{
    Consulta c;
    c.preguntar = [titulo](QWidget* padre, const QString& pregunta) {
        QMessageBox m(QMessageBox::Question, titulo, pregunta, QMessageBox::NoButton, padre);
        QPushButton* si = m.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
        QPushButton* no = m.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        m.setDefaultButton(no);  // Enter out of habit keeps what there is
        m.setEscapeButton(no);
        m.exec();
        return m.clickedButton() == si;
    };
    c.avisar = [titulo](QWidget* padre, const QString& aviso) {
        QMessageBox m(QMessageBox::Information, titulo, aviso, QMessageBox::NoButton, padre);
        m.setDefaultButton(m.addButton(QStringLiteral("&Aceptar"), QMessageBox::AcceptRole));
        m.exec();
    };
    return c;
}
