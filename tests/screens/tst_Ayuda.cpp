#include "Ayuda.h"

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

QTEST_MAIN(TstAyuda)
#include "tst_Ayuda.moc"
