#include "Archivos.h"
#include "Ayuda.h"
#include "ImagenesPrograma.h"
#include "Portada.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The one picture shown, 0 when none is.
int visible(const Portada& p)
{
    int cual = 0;
    for (int k = 1; k <= 6; ++k)
        if (!p.Image1(k)->isHidden()) {
            if (cual != 0)
                return -1;
            cual = k;
        }
    return cual;
}
}

class TstPortada : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cargaEnOrden();
    void docePasosYElTablero();
    void docePasosAntesDelTablero_data();
    void docePasosAntesDelTablero();
    void clicEnImagenOFondo_data();
    void clicEnImagenOFondo();
    void clicEnTituloOEtiquetaNoHaceNada();
    void tituloYEspera();
    void escenasNoTapanElTitulo();
    void iconoDesdeTrabajoOPrograma();

private:
    QTemporaryDir dir_;
};

void TstPortada::init()
{
    FijarCarpetaPrograma(dir_.path());
}

void TstPortada::cargaEnOrden()
{
    QDir(dir_.path()).mkpath(QStringLiteral("Imágenes"));
    QImage img(50, 60, QImage::Format_RGB32);
    img.fill(Qt::darkGreen);
    QVERIFY(img.save(dir_.filePath(QStringLiteral("Imágenes/NP2.jpg"))));

    Portada p;
    bool enMarcha = false, visibleAlIniciar = false, esperaVisible = false;
    QVERIFY(p.Cargar([&] {
        enMarcha = p.Timer1().isActive();
        visibleAlIniciar = p.isVisible();
        esperaVisible = p.Label3()->isVisible();
        return true;
    }));
    QVERIFY(enMarcha && visibleAlIniciar && esperaVisible);
    QCOMPARE(p.Timer1().interval(), 1000);
    QCOMPARE(Ayuda::Archivo(), dir_.filePath(QStringLiteral("Orvalia.html")));
    QCOMPARE(p.Image1(2)->size(), QSize(50, 60));     // natural size
    QCOMPARE(p.Image1(1)->geometry(), QRect(4, 40, 94, 163));  // missing file: empty in its place
    QCOMPARE(visible(p), 0);
    QVERIFY(!p.Cargar([] { return false; }));  // the start routine's "end the program" comes back
    p.Timer1().stop();
}

void TstPortada::docePasosYElTablero()
{
    Portada p;
    int tablero = 0;
    p.mostrarTablero = [&] { ++tablero; };
    QSignalSpy fin(&p, &Portada::terminada);
    p.Cargar({});
    QList<int> vistas;
    for (int t = 1; t <= 12; ++t) {
        QCOMPARE(tablero, 0);
        p.Timer1_Timer();
        vistas << visible(p);
    }
    QCOMPARE(vistas, (QList<int>{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6}));
    QCOMPARE(tablero, 1);
    QCOMPARE(fin.count(), 1);
    QVERIFY(!p.Timer1().isActive());
    QVERIFY(!p.isVisible());
    p.Timer1_Timer();  // a late tick does nothing more
    QCOMPARE(tablero, 1);
    QCOMPARE(p.Contador(), 12);
}

void TstPortada::docePasosAntesDelTablero_data()
{
    QTest::addColumn<bool>("hayTablero");
    QTest::newRow("board made") << true;
    QTest::newRow("no question base") << false;
}

// The twelve ticks go by while the start routine still runs (its error box
// waits, or the board loads slowly): the hand-over waits for its result.
void TstPortada::docePasosAntesDelTablero()
{
    QFETCH(bool, hayTablero);
    Portada p;
    int tablero = 0;
    p.mostrarTablero = [&] { ++tablero; };
    QCOMPARE(p.Cargar([&] {
        for (int t = 0; t < 13; ++t)
            p.Timer1_Timer();
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(440, 20));
        return tablero == 0 && hayTablero;
    }), hayTablero);
    QCOMPARE(tablero, hayTablero ? 1 : 0);
    QVERIFY(!p.isVisible());
    QVERIFY(!p.Timer1().isActive());
}

void TstPortada::clicEnImagenOFondo_data()
{
    QTest::addColumn<bool>("enImagen");
    QTest::newRow("imagen") << true;
    QTest::newRow("fondo") << false;
}

void TstPortada::clicEnImagenOFondo()
{
    QFETCH(bool, enImagen);
    Portada p;
    int tablero = 0;
    p.mostrarTablero = [&] { ++tablero; };
    p.Cargar({});
    p.Timer1_Timer();  // picture 1 shows
    if (enImagen)
        QTest::mouseClick(p.Image1(1), Qt::LeftButton, {}, QPoint(10, 10));
    else
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(440, 20));
    QCOMPARE(tablero, 1);
    QVERIFY(!p.Timer1().isActive());
    QVERIFY(!p.isVisible());
    QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(440, 20));
    QCOMPARE(tablero, 1);
}

void TstPortada::clicEnTituloOEtiquetaNoHaceNada()
{
    Portada p;
    int tablero = 0;
    p.mostrarTablero = [&] { ++tablero; };
    p.Cargar({});
    QPixmap titulo(406, 48);
    titulo.fill(Qt::yellow);
    p.PonerTitulo(titulo);
    QTest::mouseClick(p.Image2(1), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(p.Label3(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(tablero, 0);
    QVERIFY(p.Timer1().isActive());
    QVERIFY(p.isVisible());
    p.Timer1().stop();
}

void TstPortada::tituloYEspera()
{
    Portada p;
    p.Cargar({});
    p.Timer1().stop();
    QCOMPARE(p.Label3()->text(), QStringLiteral("Espera un momento..."));
    QCOMPARE(p.Label3()->geometry().topLeft(), QPoint(220, 204));
    QCOMPARE(p.size(), QSize(450, 448));
    QCOMPARE(p.cursor().shape(), Qt::WaitCursor);
    p.OcultarEspera();
    QVERIFY(p.Label3()->isHidden());
    QCOMPARE(p.cursor().shape(), Qt::ArrowCursor);

    QPixmap titulo(406, 48);
    titulo.fill(Qt::yellow);
    p.PonerTitulo(titulo);
    QVERIFY(p.Image2(0)->pixmap().isNull());
    QCOMPARE(p.Image2(1)->pixmap().size(), QSize(406, 48));
    QCOMPARE(p.Image2(1)->pos(), QPoint(23, 288));
    p.PonerTitulo(QPixmap());  // a missing title picture is no error
}

// The shipped scenes, each where the title screen shows it, cover nothing
// drawn of the title picture and lie whole inside the window's gold edge.
void TstPortada::escenasNoTapanElTitulo()
{
    FijarCarpetaPrograma(QCoreApplication::applicationDirPath());
    Portada p;
    p.Cargar({});
    p.Timer1().stop();
    const QImage titulo = QImage(RutaPrograma(QStringLiteral("\\Imágenes\\Orvalia.gif")))
                              .convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!titulo.isNull());
    p.PonerTitulo(QPixmap::fromImage(titulo));
    const QRect donde = p.Image2(1)->geometry();
    for (int k = 1; k <= 6; ++k) {
        const QLabel* escena = p.Image1(k);
        QVERIFY(!escena->pixmap().isNull());
        QVERIFY2(p.rect().adjusted(2, 2, -2, -2).contains(escena->geometry()), qPrintable(QString::number(k)));
        const QRect comun = escena->geometry() & donde;
        int tapados = 0;
        for (int y = comun.top(); y <= comun.bottom(); ++y)
            for (int x = comun.left(); x <= comun.right(); ++x)
                tapados += qAlpha(titulo.pixel(x - donde.left(), y - donde.top())) != 0;
        QVERIFY2(tapados == 0, qPrintable(QStringLiteral("scene %1 covers %2 px of the title").arg(k).arg(tapados)));
    }
}

void TstPortada::iconoDesdeTrabajoOPrograma()
{
    QTemporaryDir trabajo;
    const QString antes = QDir::currentPath();
    QVERIFY(QDir::setCurrent(trabajo.path()));
    const QString rel = QStringLiteral("Imágenes\\Orvalia.gif");
    QVERIFY(ImagenesPrograma::Buscar(rel).isEmpty());   // in neither: nothing, no error
    QVERIFY(ImagenesPrograma::Titulo().isNull());

    QDir(dir_.path()).mkpath(QStringLiteral("Imágenes"));
    QImage img(406, 48, QImage::Format_RGB32);
    img.fill(Qt::yellow);
    QVERIFY(img.save(dir_.filePath(QStringLiteral("Imágenes/Orvalia.gif")), "PNG"));
    QCOMPARE(ImagenesPrograma::Buscar(rel), dir_.filePath(QStringLiteral("Imágenes/Orvalia.gif")));
    QCOMPARE(ImagenesPrograma::Titulo().size(), QSize(406, 48));

    QDir(trabajo.path()).mkpath(QStringLiteral("Imágenes"));
    QVERIFY(img.save(trabajo.filePath(QStringLiteral("Imágenes/Orvalia.gif")), "PNG"));
    QCOMPARE(ImagenesPrograma::Buscar(rel), trabajo.filePath(QStringLiteral("Imágenes/Orvalia.gif")));
    QVERIFY(QDir::setCurrent(antes));
}

QTEST_MAIN(TstPortada)
#include "tst_Portada.moc"
