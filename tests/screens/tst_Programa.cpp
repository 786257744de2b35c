#include "Almacen.h"
#include "Archivos.h"
#include "CerrojoBase.h"
#include "CronovaTimer.h"
#include "Dialog1.h"
#include "Modulo.h"
#include "Portada.h"
#include "Pregunta.h"
#include "Programa.h"
#include "Publico.h"
#include "Tablero.h"
#include "VentanaPublico.h"
#include "fakes/BaseDePrueba.h"

#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The start routine as far as the board goes.
class TstPrograma : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString antes_;

private slots:
    void init()
    {
        antes_ = CarpetaPrograma();
        FijarCarpetaPrograma(dir_.path());
    }
    void cleanup()
    {
        FijarCarpetaPrograma(antes_);
        QFile::remove(dir_.filePath(Pregunta::NombreArchivo()));
        QFile::remove(dir_.filePath(QStringLiteral("ajustes.ini")));
    }

    void sinBaseMuestraElErrorYNoEscribeNada()
    {
        Almacen a(dir_.filePath(QStringLiteral("ajustes.ini")));
        Modulo m;
        QString texto, titulo;
        QTimer::singleShot(0, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(caja);
            texto = caja->text();
            titulo = caja->windowTitle();
            QCOMPARE(caja->icon(), QMessageBox::Critical);
            QTest::keyClick(caja, Qt::Key_Return);
        });
        QVERIFY(!IniciarPrograma(m, a));
        QCOMPARE(titulo, QStringLiteral("Orvalia"));
        QCOMPARE(texto, QStringLiteral("No puede hallarse la base de preguntas.\nProbablemente el archivo falte o "
                                       "esté corrupto.\nVuelva a instalar el programa."));
        QVERIFY(!a.existe(QStringLiteral("Inicio"), QStringLiteral("Actual")));
        QVERIFY(!QFile::exists(dir_.filePath(Pregunta::NombreArchivo())));
    }

    // The error box waits while the title screen's twelve ticks go by: the
    // title screen must not hand over to the board that was never made.
    void sinBaseLaPortadaNoDaPasoAlTablero()
    {
        Almacen a(dir_.filePath(QStringLiteral("ajustes.ini")));
        Modulo m;
        Portada p;
        int mostrado = 0;
        p.mostrarTablero = [&] { ++mostrado; };
        p.Timer1().setInterval(1);
        // Closes the box once the twelfth tick has come.
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caja || p.Contador() < Portada::TicsHastaTablero)
                return;
            vigia.stop();
            QTest::keyClick(caja, Qt::Key_Return);
        });
        vigia.start(5);
        QVERIFY(!p.Cargar([&] { return IniciarPrograma(m, a, &p) != nullptr; }));
        QVERIFY(!vigia.isActive());  // the box was up, and closed
        QCOMPARE(mostrado, 0);
        QVERIFY(!p.isVisible());
        QVERIFY(!p.Timer1().isActive());
        QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(440, 20));
        QCOMPARE(mostrado, 0);
    }

    void primeraVezReordenaLaBaseUnaSolaVez()
    {
        EscribirBaseDePrueba(dir_.path(), 3);
        Almacen a(dir_.filePath(QStringLiteral("ajustes.ini")));
        a.escribir(QStringLiteral("Players"), QStringLiteral("0"), QStringLiteral("Ana"));
        Modulo m;
        auto t = IniciarPrograma(m, a);
        QVERIFY(t);
        QCOMPARE(t->windowTitle(), QStringLiteral("Orvalia"));
        QCOMPARE(a.leer(QStringLiteral("Inicio"), QStringLiteral("FirstRun"), QString()), QStringLiteral("False"));
        // The reshuffle wrote new order keys (the test base has 1..3).
        bool cambio = false;
        for (const FilaBase& f : t->Qtn()->Base())
            cambio |= f[FilaBase::Orden].etiqueta() == ValorEtiquetado::Real32 && f[FilaBase::Orden].numero() > 3;
        QVERIFY(cambio);
        QCOMPARE(int(m.JugadorActual), 0);
        QCOMPARE(t->timer().TiempoLimite(), qint16(30));
        t->close();
        QCOMPARE(a.leer(QStringLiteral("Inicio"), QStringLiteral("Actual"), QString()), QString::number(m.Actual));

        // The second start leaves the base in its order.
        EscribirBaseDePrueba(dir_.path(), 3);
        Modulo m2;
        auto t2 = IniciarPrograma(m2, a);
        QVERIFY(t2);
        for (const FilaBase& f : t2->Qtn()->Base())
            QVERIFY(f[FilaBase::Orden].numero() <= 3);
    }

    // Settings that cannot be written would make every start the first: the
    // base is reshuffled only once "FirstRun" is stored as "False", so
    // here its order keys and counts stay as they were.
    void ajustesSinEscribirNoBarajan()
    {
        TablaBase t = TablaDePrueba(3);
        for (FilaBase& f : t)
            f[FilaBase::Veces] = ValorEtiquetado::entero16(5);
        ArchivoBase::escribir(dir_.filePath(Pregunta::NombreArchivo()), t);
        const QString ini = dir_.filePath(QStringLiteral("ajustes-carpeta.ini"));
        QVERIFY(QDir().mkdir(ini));  // the store's file is taken by a folder
        {
            Almacen a(ini);
            Modulo m;
            auto tablero = IniciarPrograma(m, a);
            QVERIFY(tablero);
            for (const FilaBase& f : tablero->Qtn()->Base()) {
                QCOMPARE(f[FilaBase::Veces], ValorEtiquetado::entero16(5));
                QVERIFY(f[FilaBase::Orden].numero() <= 3);
            }
            tablero->mostrarCierre = nullptr;  // no closing screen to wait for
            tablero->close();
        }
        for (const FilaBase& f : ArchivoBase::leerArchivo(dir_.filePath(Pregunta::NombreArchivo())).tabla)
            QCOMPARE(f[FilaBase::Veces], ValorEtiquetado::entero16(5));
        QVERIFY(QDir().rmdir(ini));
    }

    // A copy started while another holds the base says once, in the game's
    // message window over the board, that it will not save; it leaves the
    // first run to the copy that saves.
    void segundaCopiaLoDiceUnaVez()
    {
        EscribirBaseDePrueba(dir_.path(), 3);
        CerrojoBase otraCopia(dir_.filePath(Pregunta::NombreArchivo()));
        QCOMPARE(otraCopia.tomar(), CerrojoBase::Tomado);
        Almacen a(dir_.filePath(QStringLiteral("ajustes.ini")));
        Modulo m;
        QStringList textos;
        QList<int> caras;
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<Dialog1*>(QApplication::activeModalWidget())) {
                textos << d->findChild<QLabel*>(QStringLiteral("Label1"))->text();
                caras << d->CaritaVisible();
                QTest::keyClick(d, Qt::Key_Return);
            }
        });
        vigia.start(10);
        auto t = IniciarPrograma(m, a);
        QVERIFY(t);
        QTest::qWait(100);
        QVERIFY(textos.isEmpty());  // not before the board is up
        t->show();
        QTRY_COMPARE(textos.size(), 1);
        QCOMPARE(textos[0], QStringLiteral("Orvalia ya está abierto: esta copia no guardará el recuento de preguntas."));
        QCOMPARE(caras[0], 0);
        t->hide();
        t->show();
        QTest::qWait(100);
        QCOMPARE(textos.size(), 1);
        QVERIFY(!a.existe(QStringLiteral("Inicio"), QStringLiteral("FirstRun")));
        for (const FilaBase& f : t->Qtn()->Base())
            QVERIFY(f[FilaBase::Orden].numero() <= 3);
        vigia.stop();
    }

    // Closed before the notice came up (the unload step hides the board
    // first): no message over the closing screen, none after it.
    void avisoNoLlegaTrasCerrar()
    {
        EscribirBaseDePrueba(dir_.path(), 3);
        CerrojoBase otraCopia(dir_.filePath(Pregunta::NombreArchivo()));
        QCOMPARE(otraCopia.tomar(), CerrojoBase::Tomado);
        Almacen a(dir_.filePath(QStringLiteral("ajustes.ini")));
        Modulo m;
        int avisos = 0;
        QTimer vigia;
        QObject::connect(&vigia, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<Dialog1*>(QApplication::activeModalWidget())) {
                ++avisos;
                QTest::keyClick(d, Qt::Key_Return);
            }
        });
        vigia.start(10);
        auto t = IniciarPrograma(m, a);
        QVERIFY(t);
        t->mostrarCierre = nullptr;
        t->show();
        t->close();
        QTest::qWait(100);
        QCOMPARE(avisos, 0);
        vigia.stop();
    }

    // The settings are new but the base has been played (a portable copy
    // on a stick another computer played, settings lost or reset): the
    // first run would wipe every count. It reshuffles only a base no
    // question of which has been asked.
    void primeraVezNoBorraCuentas()
    {
        TablaBase t = TablaDePrueba(3);
        t[4][FilaBase::Veces] = ValorEtiquetado::texto(QStringLiteral("2"));
        ArchivoBase::escribir(dir_.filePath(Pregunta::NombreArchivo()), t);
        Almacen a(dir_.filePath(QStringLiteral("ajustes.ini")));
        Modulo m;
        auto tablero = IniciarPrograma(m, a);
        QVERIFY(tablero);
        QCOMPARE(a.leer(QStringLiteral("Inicio"), QStringLiteral("FirstRun"), QString()), QStringLiteral("False"));
        QVERIFY(tablero->Qtn()->Base() == t);
        tablero->mostrarCierre = nullptr;
        tablero->close();
        QStringList veces;
        for (const FilaBase& f : ArchivoBase::leerArchivo(dir_.filePath(Pregunta::NombreArchivo())).tabla)
            veces << f[FilaBase::Veces].aTexto();
        QCOMPARE(veces.count(QStringLiteral("2")), 1);
    }

    // The real room lives as long as the board; stored on, its window opens
    // once the board is up, and closing the game closes it.
    void salaDelPrograma_data()
    {
        QTest::addColumn<QString>("guardado");
        QTest::newRow("apagada") << "False";
        QTest::newRow("encendida") << "True";
    }
    void salaDelPrograma()
    {
        QFETCH(QString, guardado);
        qputenv("ORVALIA_PUBLICO_DIRECCION", "127.0.0.1");  // the real room listens on this machine only
        EscribirBaseDePrueba(dir_.path(), 3);
        Almacen a(dir_.filePath(QStringLiteral("ajustes.ini")));
        a.escribir(QStringLiteral("Inicio"), QStringLiteral("SalaPublico"), guardado);
        Modulo m;
        auto t = IniciarPrograma(m, a);
        QVERIFY(t);
        QPointer<Publico> sala = t->findChild<Publico*>();
        QVERIFY(sala);
        auto ventana = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* v = qobject_cast<VentanaPublico*>(w))
                    return v;
            return static_cast<VentanaPublico*>(nullptr);
        };
        QVERIFY(!ventana() || !ventana()->isVisible());
        t->show();
        QCOMPARE(ventana() && ventana()->isVisible(), guardado == QLatin1String("True"));
        t->mostrarCierre = nullptr;
        t->close();
        QVERIFY(!ventana() || !ventana()->isVisible());
        QVERIFY(sala);
        t.reset();
        QVERIFY(!sala);
        QVERIFY(!ventana());
    }
};

QTEST_MAIN(TstPrograma)
#include "tst_Programa.moc"
