#include "ArchivoBase.h"
#include "fakes/BaseDePrueba.h"
#include "Pregunta.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray leerTodo(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escribirBytes(const QString& ruta, const QByteArray& b)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

double posicion(int k) { return (k + 0.5) / 4.0; }
}

class TstPregunta : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString qdb() const { return dir.filePath(Pregunta::NombreArchivo()); }
    QString bak() const { return dir.filePath(Pregunta::NombreRespaldo()); }

private slots:
    void init()
    {
        QFile::remove(qdb());
        QFile::remove(bak());
    }

    void mensajeDeError()
    {
        QCOMPARE(Pregunta::MensajeError(),
                 QStringLiteral("No puede hallarse la base de preguntas.\nProbablemente el archivo falte o esté "
                                "corrupto.\nVuelva a instalar el programa."));
        QCOMPARE(Pregunta::TituloError(), QStringLiteral("Orvalia"));
    }

    void respaldo_data()
    {
        QTest::addColumn<QByteArray>("principal");
        QTest::addColumn<bool>("hayPrincipal");
        QTest::newRow("falta") << QByteArray() << false;
        QTest::newRow("vacío") << QByteArray() << true;
        QTest::newRow("basura") << QByteArray("\x0c\x20\x02\x00garbage", 11) << true;
    }

    void respaldo()
    {
        QFETCH(QByteArray, principal);
        QFETCH(bool, hayPrincipal);
        ArchivoBase::escribir(bak(), TablaDePrueba(3));
        const QByteArray respaldo = leerTodo(bak());
        if (hayPrincipal)
            escribirBytes(qdb(), principal);
        Azar azar;
        {
            auto q = Pregunta::Crear(dir.path(), azar);
            QVERIFY(q);
            QVERIFY(q->RespaldoUsado());
            QCOMPARE(q->Filas(), 15);
            q->Reiniciar();
        }
        QVERIFY(ArchivoBase::leerArchivo(qdb()).tabla == TablaDePrueba(3));
        QCOMPARE(leerTodo(bak()), respaldo);
    }

    void principalBuenoNoTocaRespaldo()
    {
        EscribirBaseDePrueba(dir.path(), 2);
        ArchivoBase::escribir(bak(), TablaDePrueba(3));
        Azar azar;
        auto q = Pregunta::Crear(dir.path(), azar);
        QVERIFY(q);
        QVERIFY(!q->RespaldoUsado());
        QCOMPARE(q->Filas(), 10);
    }

    void ningunArchivoSirve_data()
    {
        QTest::addColumn<QByteArray>("principal");
        QTest::addColumn<QByteArray>("respaldo");
        const QByteArray cortada = ArchivoBase::serializar(TablaDePrueba(1)).chopped(1);
        QTest::newRow("faltan los dos") << QByteArray() << QByteArray();
        QTest::newRow("vacíos") << QByteArray("") << QByteArray("");
        QTest::newRow("cortados") << cortada << cortada;
    }

    void ningunArchivoSirve()
    {
        QFETCH(QByteArray, principal);
        QFETCH(QByteArray, respaldo);
        if (!principal.isNull())
            escribirBytes(qdb(), principal);
        if (!respaldo.isNull())
            escribirBytes(bak(), respaldo);
        Azar azar;
        QVERIFY(!Pregunta::Crear(dir.path(), azar));
        // Nothing is written when the program is about to end.
        QCOMPARE(QFile::exists(qdb()), !principal.isNull());
        if (!principal.isNull())
            QCOMPARE(leerTodo(qdb()), principal);
    }

    void recorridoYVueltaAlPrincipio()
    {
        EscribirBaseDePrueba(dir.path(), 3);
        Azar azar;
        azar.guion([] { return 0.0; });
        auto q = Pregunta::Crear(dir.path(), azar);
        QVERIFY(q);
        for (int nivel = 1; nivel <= 5; ++nivel)
            QCOMPARE(q->PosNivel(nivel), (nivel - 1) * 3 - 1);
        QList<qint32> ids;
        for (int i = 0; i < 4; ++i) {
            q->PreguntaNueva(2);
            ids << q->ID();
        }
        QCOMPARE(ids, (QList<qint32>{2001, 2002, 2003, 2001}));
        // Level 5 runs to the end of the table and comes back to its top;
        // the other levels' walks are untouched meanwhile.
        ids.clear();
        for (int i = 0; i < 5; ++i) {
            q->PreguntaNueva(5);
            ids << q->ID();
        }
        QCOMPARE(ids, (QList<qint32>{5001, 5002, 5003, 5001, 5002}));
        q->PreguntaNueva(2);
        QCOMPARE(q->ID(), 2002);
        QCOMPARE(q->Enunciado(), EnunciadoDePrueba(2, 2));
        QCOMPARE(q->FilaActual(), 4);
        // Levels outside 1..5 are taken as the nearest level.
        q->PreguntaNueva(0);
        QCOMPARE(q->ID(), 1001);
        q->PreguntaNueva(9);
        QCOMPARE(q->ID(), 5003);
    }

    void barajado_data()
    {
        QTest::addColumn<int>("k");
        for (int k = 0; k < 4; ++k)
            QTest::addRow("k=%d", k) << k;
    }

    void barajado()
    {
        QFETCH(int, k);
        // Right letter of every question of level 1 is C (index 2).
        TablaBase t = TablaDePrueba(1);
        t[0][FilaBase::LetraCorrecta] = ValorEtiquetado::texto(QStringLiteral("C"));
        ArchivoBase::escribir(qdb(), t);
        Azar azar;
        azar.guion({posicion(k)});
        auto q = Pregunta::Crear(dir.path(), azar);
        QVERIFY(q);
        q->PreguntaNueva(1);
        QCOMPARE(q->Correcta(), qint16(k));
        QStringList esperado{QStringLiteral("A 1-1"), QStringLiteral("B 1-1"), QStringLiteral("C 1-1"),
                             QStringLiteral("D 1-1")};
        esperado.swapItemsAt(2, k);
        QStringList vistas;
        for (qint16 i = 0; i < 4; ++i)
            vistas << q->Respuesta(i);
        QCOMPARE(vistas, esperado);
        QCOMPARE(q->Respuesta(4), QString());
        QCOMPARE(q->Respuesta(-1), QString());
        // Drawing changes neither the table nor the counts.
        QVERIFY(q->Base() == t);
    }

    void claveOrden()
    {
        FilaBase f = FilaDePrueba(2, 1);
        f[FilaBase::Veces] = ValorEtiquetado::entero16(3);
        f[FilaBase::Orden] = ValorEtiquetado::real32(47.0f);
        QCOMPARE(Pregunta::ClaveOrden(f), QStringLiteral("20003047"));
        f[FilaBase::Veces] = ValorEtiquetado::entero32(12345);
        f[FilaBase::Orden] = ValorEtiquetado::real64(5.0);
        QCOMPARE(Pregunta::ClaveOrden(f), QStringLiteral("212345005"));
    }

    void ordenTrasReiniciar()
    {
        EscribirBaseDePrueba(dir.path(), 4);
        Azar azar;
        azar.guion([] { return 0.0; });
        auto q = Pregunta::Crear(dir.path(), azar);
        QVERIFY(q);
        // Ask 3001 twice and 3002 once; give 3004 a lower order key than 3003.
        q->PreguntaNueva(3);
        q->SePreguntó();
        q->SePreguntó();
        q->PreguntaNueva(3);
        q->SePreguntó();
        TablaBase antes = q->Base();
        QCOMPARE(antes[8][FilaBase::Veces], ValorEtiquetado::entero16(2));

        q->Reiniciar();
        QList<qint32> nivel3;
        for (int r = 8; r < 12; ++r)
            nivel3 << qint32(q->Base()[size_t(r)][FilaBase::ID].numero());
        QCOMPARE(nivel3, (QList<qint32>{3003, 3004, 3002, 3001}));
        // Every other block is where it was; no row lost; the file holds it.
        QCOMPARE(q->Filas(), 20);
        for (int r = 0; r < 20; ++r)
            QCOMPARE(q->Base()[size_t(r)].nivel(), r / 4 + 1);
        QVERIFY(ArchivoBase::leerArchivo(qdb()).tabla == q->Base());
        // The walk goes on at the same row positions.
        QCOMPARE(q->PosNivel(3), 9);
        q->PreguntaNueva(3);
        QCOMPARE(q->ID(), 3002);
    }

    void cuentasGrandesOrdenanComoNumeros()
    {
        TablaBase t = TablaDePrueba(2);
        t[0][FilaBase::Veces] = ValorEtiquetado::entero32(10000);
        t[1][FilaBase::Veces] = ValorEtiquetado::entero32(9999);
        Pregunta::OrdenarTabla(t);
        QCOMPARE(qint32(t[0][FilaBase::ID].numero()), 1002);
    }

    void cuentaConservaEtiqueta()
    {
        TablaBase t = TablaDePrueba(1);
        t[0][FilaBase::Veces] = ValorEtiquetado::entero16(32767);
        t[1][FilaBase::Veces] = ValorEtiquetado::entero32(4);
        t[2][FilaBase::Veces] = ValorEtiquetado();
        ArchivoBase::escribir(qdb(), t);
        Azar azar;
        auto q = Pregunta::Crear(dir.path(), azar);
        QVERIFY(q);
        for (int nivel = 1; nivel <= 3; ++nivel) {
            q->PreguntaNueva(qint16(nivel));
            q->SePreguntó();
        }
        QCOMPARE(q->Base()[0][FilaBase::Veces], ValorEtiquetado::entero16(32767));
        QCOMPARE(q->Base()[1][FilaBase::Veces], ValorEtiquetado::entero32(5));
        QCOMPARE(q->Base()[2][FilaBase::Veces], ValorEtiquetado::entero16(1));
    }

    void barajarLaBase()
    {
        TablaBase t = TablaDePrueba(3);
        for (FilaBase& f : t) {
            f[FilaBase::Veces] = ValorEtiquetado::entero32(7);
            f[FilaBase::Orden] = ValorEtiquetado::real64(500.0);
        }
        ArchivoBase::escribir(qdb(), t);
        const QByteArray antes = leerTodo(qdb());
        Azar azar;
        // Order keys drawn for rows 0..14: level 1 gets 900, 100, 500.
        azar.guion({0.9, 0.1, 0.5, 0.0, 0.9999, 0.3, 0.2, 0.2, 0.1, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2});
        auto q = Pregunta::Crear(dir.path(), azar);
        QVERIFY(q);
        q->InicializarBase();
        QVERIFY(leerTodo(qdb()) != antes);
        QVERIFY(ArchivoBase::leerArchivo(qdb()).tabla == q->Base());
        double anterior = -1;
        int nivelAnterior = 0;
        for (const FilaBase& f : q->Base()) {
            QCOMPARE(f[FilaBase::Veces], ValorEtiquetado::entero16(0));
            QCOMPARE(f[FilaBase::Orden].etiqueta(), ValorEtiquetado::Real32);
            const double o = f[FilaBase::Orden].numero();
            QVERIFY(o >= 0 && o <= 999 && o == std::floor(o));
            if (f.nivel() == nivelAnterior)
                QVERIFY(o >= anterior);
            anterior = o;
            nivelAnterior = f.nivel();
        }
        QList<qint32> nivel1;
        for (int r = 0; r < 3; ++r)
            nivel1 << qint32(q->Base()[size_t(r)][FilaBase::ID].numero());
        QCOMPARE(nivel1, (QList<qint32>{1002, 1003, 1001}));
        QCOMPARE(q->Base()[5][FilaBase::Orden].numero(), 999.0);
    }

    void escrituraFallidaSigueElJuego()
    {
        EscribirBaseDePrueba(dir.path(), 3);
        const QByteArray antes = leerTodo(qdb());
        Azar azar;
        {
            auto q = Pregunta::Crear(dir.path(), azar);
            QVERIFY(q);
            q->PreguntaNueva(1);
            q->SePreguntó();
            ArchivoBase::fijarLimiteEscritura(50);
            q->Reiniciar();
            QCOMPARE(leerTodo(qdb()), antes);
            // The game goes on with the sorted table in memory.
            QCOMPARE(qint32(q->Base()[2][FilaBase::ID].numero()), 1001);
            // Same row positions: row 1 now holds 1003.
            q->PreguntaNueva(1);
            QCOMPARE(q->ID(), 1003);
        }  // the release writes and fails too
        ArchivoBase::fijarLimiteEscritura(-1);
        QCOMPARE(leerTodo(qdb()), antes);
    }

    void liberarEscribe()
    {
        EscribirBaseDePrueba(dir.path(), 2);
        Azar azar;
        {
            auto q = Pregunta::Crear(dir.path(), azar);
            q->PreguntaNueva(4);
            q->SePreguntó();
        }
        const auto l = ArchivoBase::leerArchivo(qdb());
        QVERIFY(l.valida());
        QCOMPARE(l.tabla[6][FilaBase::Veces], ValorEtiquetado::entero16(1));
    }
};

QTEST_GUILESS_MAIN(TstPregunta)
#include "tst_Pregunta.moc"
