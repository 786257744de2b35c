#include "Archivos.h"
#include "Splash.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TstSplash : public QObject {
    Q_OBJECT
private slots:
    void tamanoDelLogo_data();
    void tamanoDelLogo();
    void tresPasosYSeCierra();
    void modalHastaElTercerPaso();
};

void TstSplash::tamanoDelLogo_data()
{
    QTest::addColumn<QSize>("logo");
    QTest::newRow("480x320") << QSize(480, 320);
    QTest::newRow("600x400") << QSize(600, 400);
}

void TstSplash::tamanoDelLogo()
{
    QFETCH(QSize, logo);
    QTemporaryDir dir;
    FijarCarpetaPrograma(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("Imágenes"));
    QImage img(logo, QImage::Format_RGB32);
    img.fill(Qt::darkBlue);
    QVERIFY(img.save(dir.filePath(QStringLiteral("Imágenes/Logo.jpg"))));

    Splash s;
    QCOMPARE(s.size(), logo);
    QCOMPARE(s.Image1()->pixmap().size(), logo);
    const QRect l = s.Label3()->geometry();
    QCOMPARE(l.size(), QSize(357, 37));  // 5355 x 555 twips
    QCOMPARE(logo.width() - l.right() - 1, 12);   // 180 twips from the right
    QCOMPARE(logo.height() - l.bottom() - 1, 6);  // 90 twips from the bottom
    QVERIFY(s.Timer1().isActive());
    QCOMPARE(s.Timer1().interval(), 1500);
}

void TstSplash::tresPasosYSeCierra()
{
    QTemporaryDir dir;
    FijarCarpetaPrograma(dir.path());  // no logo: still a window that closes
    Splash s;
    s.show();
    s.Timer1_Timer();
    QCOMPARE(s.Label3()->text(), QStringLiteral("Guardando base de preguntas..."));
    QVERIFY(s.isVisible());
    s.Timer1_Timer();
    QCOMPARE(s.Label3()->text(), QStringLiteral("Cerrando el programa..."));
    QVERIFY(s.isVisible());
    s.Timer1_Timer();
    QVERIFY(!s.isVisible());
    QVERIFY(!s.Timer1().isActive());
    QCOMPARE(s.result(), int(QDialog::Accepted));
}

void TstSplash::modalHastaElTercerPaso()
{
    Splash s;
    s.Timer1().stop();
    int pasos = 0;
    QTimer::singleShot(0, &s, [&] {
        QCOMPARE(QApplication::activeModalWidget(), &s);
        for (; pasos < 3; ++pasos)
            s.Timer1_Timer();
    });
    s.exec();
    QCOMPARE(pasos, 3);
}

QTEST_MAIN(TstSplash)
#include "tst_Splash.moc"
