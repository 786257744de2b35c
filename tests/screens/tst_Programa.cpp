#include "Almacen.h"
#include "Archivos.h"
#include "CronovaTimer.h"
#include "Modulo.h"
#include "Portada.h"
#include "Pregunta.h"
#include "Programa.h"
#include "Tablero.h"
#include "fakes/BaseDePrueba.h"

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
};

QTEST_MAIN(TstPrograma)
#include "tst_Programa.moc"
