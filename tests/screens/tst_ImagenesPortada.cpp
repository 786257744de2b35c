#include "Altavoz.h"
#include "Archivos.h"
#include "ImagenesPrograma.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QTest>
#include <algorithm>

// The pictures the build lays beside the program: each at the size its
// window places it, in the format the game has always named.
class TstImagenesPortada : public QObject {
    Q_OBJECT
private slots:
    void tamanos_data();
    void tamanos();
    void iconoDeVariosTamanos();
    void tituloSobreFondoTransparente();
    void iconoLeidoCuandoSeNecesita();
    void altavoz();

private:
    static QString ruta(const QString& nombre)
    {
        return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Imágenes/") + nombre);
    }
};

void TstImagenesPortada::tamanos_data()
{
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<QByteArray>("formato");
    QTest::addColumn<QSize>("tamano");
    QTest::newRow("NP1") << "NP1.jpg" << QByteArray("jpeg") << QSize(94, 163);
    QTest::newRow("NP2") << "NP2.jpg" << QByteArray("jpeg") << QSize(147, 194);
    QTest::newRow("NP3") << "NP3.jpg" << QByteArray("jpeg") << QSize(204, 158);
    QTest::newRow("NP4") << "NP4.jpg" << QByteArray("jpeg") << QSize(169, 180);
    QTest::newRow("NP5") << "NP5.jpg" << QByteArray("jpeg") << QSize(170, 130);
    QTest::newRow("NP6") << "NP6.jpg" << QByteArray("jpeg") << QSize(172, 236);
    QTest::newRow("Logo") << "Logo.jpg" << QByteArray("jpeg") << QSize(480, 320);
    QTest::newRow("Orvalia") << "Orvalia.gif" << QByteArray("gif") << QSize(406, 48);
}

void TstImagenesPortada::tamanos()
{
    QFETCH(QString, archivo);
    QFETCH(QByteArray, formato);
    QFETCH(QSize, tamano);
    QImageReader r(ruta(archivo));
    r.setDecideFormatFromContent(true);
    QCOMPARE(r.format(), formato);
    const QImage img = r.read();
    QVERIFY2(!img.isNull(), qPrintable(r.errorString()));
    QCOMPARE(img.size(), tamano);
}

void TstImagenesPortada::iconoDeVariosTamanos()
{
    QImageReader r(ruta(QStringLiteral("NP.ico")));
    r.setDecideFormatFromContent(true);
    QCOMPARE(r.format(), QByteArray("ico"));
    QList<int> lados;
    for (int i = 0; i < r.imageCount(); ++i) {
        QVERIFY(r.jumpToImage(i));
        lados << r.read().width();
    }
    std::sort(lados.begin(), lados.end());
    QCOMPARE(lados, (QList<int>{16, 32, 48, 256}));
}

// The title picture lays no band over the title screen: its ground is clear,
// only the word and its line are drawn.
void TstImagenesPortada::tituloSobreFondoTransparente()
{
    const QImage img = QImage(ruta(QStringLiteral("Orvalia.gif"))).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!img.isNull());
    int claros = 0, opacos = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            claros += qAlpha(img.pixel(x, y)) == 0;
            opacos += qAlpha(img.pixel(x, y)) == 255;
        }
    const int todos = img.width() * img.height();
    QCOMPARE(img.pixelColor(0, 0).alpha(), 0);
    QVERIFY2(claros > todos / 2, qPrintable(QString::number(claros)));
    QVERIFY2(opacos > todos / 20, qPrintable(QString::number(opacos)));  // the word is there
}

// The window icon is read from its file only when a window asks for it, and
// then gives every size the file holds.
void TstImagenesPortada::iconoLeidoCuandoSeNecesita()
{
    const QString antes = CarpetaPrograma();
    FijarCarpetaPrograma(QCoreApplication::applicationDirPath());
    const QIcon icono = ImagenesPrograma::Icono();
    FijarCarpetaPrograma(antes);
    QVERIFY(!icono.isNull());
    QList<QSize> tamanos = icono.availableSizes();
    std::sort(tamanos.begin(), tamanos.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(tamanos, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {256, 256}}));
    QCOMPARE(icono.pixmap(48, 48).size(), QSize(48, 48));
    QVERIFY(!icono.pixmap(48, 48).toImage().allGray());
}

void TstImagenesPortada::altavoz()
{
    const QImage img = Altavoz::Dibujo(36).toImage();
    QCOMPARE(img.size(), QSize(36, 36));
    QCOMPARE(img.pixelColor(0, 0).alpha(), 0);                // transparent ground
    QVERIFY(img.pixelColor(10, 18).alpha() > 200);             // the speaker's body
}

QTEST_MAIN(TstImagenesPortada)
#include "tst_ImagenesPortada.moc"
