#include "CodigoQr.h"
#include "CuadroQr.h"
#include "VentanaPublico.h"
#include "fakes/PublicoFalso.h"

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The "Público" window: what it shows of the room, at the sizes of a laptop
// and a projector, and a QR code that a real reader (zbarimg) reads back.
class TstVentanaPublico : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static EstadoSala abierta()
    {
        EstadoSala e;
        e.escuchando = true;
        e.direccion = QStringLiteral("http://192.168.1.20:8080/");
        e.enlace = QStringLiteral("http://192.168.1.20:8080/?sala=4821");
        e.codigo = QStringLiteral("4821");
        e.conectados = 0;
        return e;
    }
    static QLabel* etiqueta(const QWidget& v, const char* nombre)
    {
        return v.findChild<QLabel*>(QLatin1String(nombre));
    }
    // What zbarimg reads in the picture; null when it cannot be run here.
    QString leerQr(const QImage& imagen, bool* hayLector)
    {
        const QString zbar = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        *hayLector = !zbar.isEmpty();
        if (zbar.isEmpty())
            return {};
        const QString png = dir_.filePath(QStringLiteral("qr.png"));
        if (!imagen.save(png))
            return QStringLiteral("<no se guardó>");
        QProcess p;
        p.start(zbar, {QStringLiteral("--raw"), QStringLiteral("-q"), png});
        if (!p.waitForFinished(20000))
            return QStringLiteral("<zbarimg no terminó>");
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

private slots:
    void codigoDeTexto_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("hay");
        QTest::newRow("enlace") << "http://192.168.1.20:8080/?sala=4821" << true;
        QTest::newRow("vacío") << "" << false;
        QTest::newRow("demasiado largo") << QString(8000, QLatin1Char('x')) << false;
    }
    void codigoDeTexto()
    {
        QFETCH(QString, texto);
        QFETCH(bool, hay);
        const CodigoQr c = CodigoQr::De(texto);
        QCOMPARE(!c.vacio(), hay);
        if (!hay)
            return;
        // A version-3 code holds this link at medium correction: 29 modules.
        QCOMPARE(c.lado(), 29);
        QCOMPARE(c.ladoConSilencio(), 37);
        // The three finder squares' dark corners, and nothing outside.
        QVERIFY(c.oscuro(0, 0) && c.oscuro(28, 0) && c.oscuro(0, 28));
        QVERIFY(!c.oscuro(-1, 0) && !c.oscuro(29, 0));
    }

    void cuadroEnPixelesEnteros()
    {
        int m = 0;
        QCOMPARE(CuadroQr::Cuadro({400, 300}, 37, &m), QRect(52, 2, 296, 296));
        QCOMPARE(m, 8);
        QVERIFY(CuadroQr::Cuadro({30, 30}, 37).isEmpty());
        QVERIFY(CuadroQr::Cuadro({300, 300}, 0).isEmpty());
    }

    void loQueMuestraSeLee_data()
    {
        QTest::addColumn<QSize>("tamano");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("pequeña") << QSize(480, 270);
        QTest::newRow("alta") << QSize(500, 800);
    }
    void loQueMuestraSeLee()
    {
        QFETCH(QSize, tamano);
        PublicoFalso p;
        p.estadoFalso = abierta();
        p.estadoFalso.mejores = {{QStringLiteral("Ana"), QStringLiteral("7 aciertos")},
                                 {QStringLiteral("Beto"), QStringLiteral("6 aciertos")}};
        VentanaPublico v(p);
        v.resize(tamano);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QCOMPARE(v.windowTitle(), QStringLiteral("Público"));
        QCOMPARE(etiqueta(v, "direccion")->text(), p.estadoFalso.direccion);
        QCOMPARE(etiqueta(v, "codigo")->text(), QStringLiteral("4821"));
        QCOMPARE(etiqueta(v, "conectados")->text(), QStringLiteral("Ningún teléfono conectado"));
        // Everything lies inside the window, one line under the other, and
        // every text fits its line.
        int abajo = 0;
        for (const char* n : {"titulo", "indicacion", "direccion", "rotuloCodigo", "codigo", "conectados",
                              "rotuloMejores", "mejor", "nota"}) {
            for (QLabel* l : v.findChildren<QLabel*>(QLatin1String(n))) {
                if (l->isHidden() && qstrcmp(n, "mejor") == 0)
                    continue;  // rows for which there is nobody
                QVERIFY2(l->isVisible(), n);
                QVERIFY2(v.rect().contains(l->geometry()), n);
                QVERIFY2(l->geometry().top() >= abajo, n);
                abajo = l->geometry().bottom();
                if (!l->wordWrap())
                    QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), n);
            }
        }
        const QList<QLabel*> mejores = v.findChildren<QLabel*>(QStringLiteral("mejor"));
        QCOMPARE(mejores.size(), 5);
        QCOMPARE(mejores[0]->text(), QStringLiteral("1. Ana · 7 aciertos"));
        QCOMPARE(mejores[1]->text(), QStringLiteral("2. Beto · 6 aciertos"));
        QVERIFY(mejores[2]->isHidden());
        // The code in large type, above every other text.
        QVERIFY(etiqueta(v, "codigo")->font().pixelSize() > 2 * etiqueta(v, "direccion")->font().pixelSize());

        // Whole pixels per module, and four modules of white all round.
        auto* qr = v.findChild<CuadroQr*>();
        int m = 0;
        const QRect cuadro = CuadroQr::Cuadro(qr->size(), qr->codigo().ladoConSilencio(), &m);
        QVERIFY(m >= 2);
        const QImage imagen = qr->grab().toImage();
        const int z = CodigoQr::ZonaSilencio * m;
        int negros = 0;
        for (int y = cuadro.top(); y <= cuadro.bottom(); ++y)
            for (int x = cuadro.left(); x <= cuadro.right(); ++x) {
                const bool borde = x < cuadro.left() + z || x > cuadro.right() - z || y < cuadro.top() + z ||
                                   y > cuadro.bottom() - z;
                const QRgb c = imagen.pixel(x, y);
                if (borde && c != qRgb(255, 255, 255))
                    QFAIL(qPrintable(QStringLiteral("the quiet zone is not white at %1, %2").arg(x).arg(y)));
                negros += c == qRgb(0, 0, 0);
            }
        QCOMPARE(negros % (m * m), 0);  // every dark module is m x m pixels, nothing blurred

        bool hayLector = false;
        const QString leido = leerQr(v.grab().toImage(), &hayLector);
        if (!hayLector)
            QSKIP("zbarimg (zbar-tools) is not installed");
        QCOMPARE(leido, p.estadoFalso.enlace);
    }

    void sigueAlEstado()
    {
        PublicoFalso p;
        p.estadoFalso = abierta();
        VentanaPublico v(p);
        v.resize(1366, 768);
        v.show();
        QVERIFY(etiqueta(v, "rotuloMejores")->isHidden());
        p.estadoFalso.conectados = 12;
        p.estadoFalso.enlace = QStringLiteral("http://10.0.0.7:8123/?sala=0071");
        p.estadoFalso.direccion = QStringLiteral("http://10.0.0.7:8123/");
        p.estadoFalso.codigo = QStringLiteral("0071");
        p.estadoFalso.mejores = {{QStringLiteral("<b>Ana</b>"), QStringLiteral("3 aciertos")}};
        emit p.estadoCambia();
        QCOMPARE(etiqueta(v, "conectados")->text(), QStringLiteral("12 teléfonos conectados"));
        QCOMPARE(etiqueta(v, "codigo")->text(), QStringLiteral("0071"));
        QVERIFY(!etiqueta(v, "rotuloMejores")->isHidden());
        QLabel* ana = v.findChildren<QLabel*>(QStringLiteral("mejor")).first();
        QCOMPARE(ana->text(), QStringLiteral("1. <b>Ana</b> · 3 aciertos"));
        for (QLabel* l : v.findChildren<QLabel*>())
            QCOMPARE(l->textFormat(), Qt::PlainText);
        p.estadoFalso.conectados = 1;
        emit p.estadoCambia();
        QCOMPARE(etiqueta(v, "conectados")->text(), QStringLiteral("1 teléfono conectado"));

        bool hayLector = false;
        const QString leido = leerQr(v.grab().toImage(), &hayLector);
        if (hayLector)
            QCOMPARE(leido, p.estadoFalso.enlace);
    }

    void problemaEnLugarDelCodigo()
    {
        PublicoFalso p;
        p.estadoFalso.problema = QStringLiteral("Este equipo no está conectado a ninguna red.");
        VentanaPublico v(p);
        v.resize(1366, 768);
        v.show();
        QLabel* problema = etiqueta(v, "problema");
        QVERIFY(problema->isVisible());
        QCOMPARE(problema->text(), p.estadoFalso.problema);
        QVERIFY(!v.findChild<CuadroQr*>()->isVisible());
        QVERIFY(!etiqueta(v, "codigo")->isVisible());
        // Once it listens, the code replaces the problem.
        p.estadoFalso = abierta();
        emit p.estadoCambia();
        QVERIFY(!problema->isVisible());
        QVERIFY(v.findChild<CuadroQr*>()->isVisible());
    }
};

QTEST_MAIN(TstVentanaPublico)
#include "tst_VentanaPublico.moc"
