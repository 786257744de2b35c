#include "Traduccion.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>

// Qt's own texts in a Spanish game.
class TstTraduccion : public QObject {
    Q_OBJECT

    static QStringList menuDeTexto()
    {
        QLineEdit caja;
        caja.setText(QStringLiteral("Ana"));
        std::unique_ptr<QMenu> menu(caja.createStandardContextMenu());
        QStringList textos;
        for (const QAction* a : menu->actions())
            if (!a->isSeparator())
                textos << a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
        return textos;
    }

private slots:
    void menuDeLasCajasYBotones()
    {
        QVERIFY(menuDeTexto().contains(QStringLiteral("Undo")));  // Qt's own English before
        QVERIFY(TraducirQt(*qApp));
        const QStringList textos = menuDeTexto();
        for (const char* t : {"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Seleccionar todo"})
            QVERIFY2(textos.contains(QString::fromUtf8(t)), qPrintable(textos.join(QLatin1String(", "))));
        QMessageBox caja(QMessageBox::Critical, QStringLiteral("Orvalia"), QString(), QMessageBox::Ok);
        QCOMPARE(caja.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("Aceptar"));
    }
};

QTEST_MAIN(TstTraduccion)
#include "tst_Traduccion.moc"
