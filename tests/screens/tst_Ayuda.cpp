#include "Ayuda.h"

#include <QLabel>

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

class TstAyuda : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void f1EnCualquierVentana();
    void conVentanaModalEsSuya();
    void sinArchivoAvisa();
    void cierraConEscapeOCerrar_data();
    void cierraConEscapeOCerrar();

private:
    QTemporaryDir dir_;
    TeclaAyuda f1_;
};

void TstAyuda::initTestCase()
{
    QFile f(dir_.filePath(QStringLiteral("Orvalia.html")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("<html><body><h1>Cómo se juega</h1><p>Los comodines</p></body></html>");
    f.close();
    qApp->installEventFilter(&f1_);
}

void TstAyuda::f1EnCualquierVentana()
{
    Ayuda::FijarArchivo(dir_.filePath(QStringLiteral("Orvalia.html")));
    QLineEdit cualquiera;
    cualquiera.show();
    QTest::keyClick(&cualquiera, Qt::Key_F1);
    Ayuda* a = Ayuda::Abierta();
    QVERIFY(a);
    QVERIFY(a->isVisible());
    QVERIFY(a->Texto()->toPlainText().contains(QStringLiteral("Los comodines")));
    QVERIFY(cualquiera.text().isEmpty());
    QTest::keyClick(&cualquiera, Qt::Key_F1);  // once open, it is brought forward, not doubled
    QCOMPARE(Ayuda::Abierta(), a);
    a->close();
    QTRY_VERIFY(!Ayuda::Abierta());
}

void TstAyuda::conVentanaModalEsSuya()
{
    Ayuda::FijarArchivo(dir_.filePath(QStringLiteral("Orvalia.html")));
    QDialog d;
    Ayuda* vista = nullptr;
    QTimer::singleShot(0, &d, [&] {
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_F1);
        vista = Ayuda::Abierta();
        d.reject();
    });
    d.exec();
    QVERIFY(vista);
    QCOMPARE(vista->parentWidget(), &d);  // usable while the modal window waits
}

void TstAyuda::sinArchivoAvisa()
{
    Ayuda::FijarArchivo(dir_.filePath(QStringLiteral("no-esta.html")));
    Ayuda a;
    QVERIFY(a.Texto()->toPlainText().contains(QStringLiteral("No se encontró el archivo de ayuda.")));
}

void TstAyuda::cierraConEscapeOCerrar_data()
{
    QTest::addColumn<bool>("conEscape");
    QTest::newRow("Escape") << true;
    QTest::newRow("Cerrar") << false;
}

void TstAyuda::cierraConEscapeOCerrar()
{
    QFETCH(bool, conEscape);
    Ayuda::FijarArchivo(dir_.filePath(QStringLiteral("Orvalia.html")));
    Ayuda* a = Ayuda::Mostrar();
    QVERIFY(QTest::qWaitForWindowExposed(a));
    auto* cerrar = a->findChild<QLabel*>(QStringLiteral("cmdClose"));
    QVERIFY(cerrar && cerrar->isVisible());
    QCOMPARE(cerrar->cursor().shape(), Qt::PointingHandCursor);
    if (conEscape)
        QTest::keyClick(a->Texto(), Qt::Key_Escape);
    else
        QTest::mouseClick(cerrar, Qt::LeftButton);
    QTRY_VERIFY(!Ayuda::Abierta());
}

QTEST_MAIN(TstAyuda)
#include "tst_Ayuda.moc"
