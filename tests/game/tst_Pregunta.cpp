#include "fakes/ArchivosDePrueba.h"
#include "ArchivoBase.h"
#include "Archivos.h"
#include "fakes/BaseDePrueba.h"
#include "Pregunta.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

Q_DECLARE_METATYPE(ValorEtiquetado)

namespace {
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

    // Counting keeps every value's tag, and the count goes up from the
    // number the sort reads in it: a count held as text stays text.
    void cuentaConservaEtiqueta_data()
    {
        QTest::addColumn<ValorEtiquetado>("antes");
        QTest::addColumn<ValorEtiquetado>("despues");
        QTest::newRow("16 bits") << ValorEtiquetado::entero16(4) << ValorEtiquetado::entero16(5);
        QTest::newRow("16 bits en el tope") << ValorEtiquetado::entero16(32767) << ValorEtiquetado::entero16(32767);
        QTest::newRow("32 bits") << ValorEtiquetado::entero32(4) << ValorEtiquetado::entero32(5);
        QTest::newRow("real de 32 bits") << ValorEtiquetado::real32(2.0f) << ValorEtiquetado::real32(3.0f);
        QTest::newRow("real de 64 bits") << ValorEtiquetado::real64(7.0) << ValorEtiquetado::real64(8.0);
        QTest::newRow("texto") << ValorEtiquetado::texto(QStringLiteral("5")) << ValorEtiquetado::texto(QStringLiteral("6"));
        QTest::newRow("texto con espacios") << ValorEtiquetado::texto(QStringLiteral(" 9 "))
                                            << ValorEtiquetado::texto(QStringLiteral("10"));
        QTest::newRow("texto sin número") << ValorEtiquetado::texto(QStringLiteral("x"))
                                          << ValorEtiquetado::texto(QStringLiteral("1"));
        QTest::newRow("vacío") << ValorEtiquetado() << ValorEtiquetado::entero16(1);
    }

    void cuentaConservaEtiqueta()
    {
        QFETCH(ValorEtiquetado, antes);
        QFETCH(ValorEtiquetado, despues);
        TablaBase t = TablaDePrueba(1);
        t[2][FilaBase::Veces] = antes;
        ArchivoBase::escribir(qdb(), t);
        Azar azar;
        {
            auto q = Pregunta::Crear(dir.path(), azar);
            QVERIFY(q);
            q->PreguntaNueva(3);
            q->SePreguntó();
            QCOMPARE(q->Base()[2][FilaBase::Veces], despues);
            // The sort reads the count it was given.
            QCOMPARE(Pregunta::ClaveDe(q->Base()[2]).veces, despues.enteroLeido());
        }
        QCOMPARE(ArchivoBase::leerArchivo(qdb()).tabla[2][FilaBase::Veces], despues);
    }

    // The sort orders the rows by the key ClaveOrden writes out: where that
    // text sorts as its numbers (counts to 9 999, order keys 0..999), the two
    // orders are one, whatever tags the fields have.
    void ordenDeClaveOrden()
    {
        TablaBase t;
        Azar azar;
        azar.sembrar(11);
        for (int i = 0; i < 400; ++i) {
            FilaBase f = FilaDePrueba(AzarEntero(azar, 5) + 1, i);
            const int veces = AzarEntero(azar, 3) == 0 ? AzarEntero(azar, 10000) : AzarEntero(azar, 4);
            const int orden = AzarEntero(azar, 1000);
            switch (i % 4) {
            case 0: f[FilaBase::Veces] = ValorEtiquetado::entero16(qint16(veces)); break;
            case 1: f[FilaBase::Veces] = ValorEtiquetado::texto(QString::number(veces)); break;
            case 2: f[FilaBase::Veces] = ValorEtiquetado::real64(veces); break;
            default: f[FilaBase::Veces] = ValorEtiquetado::entero32(veces); break;
            }
            f[FilaBase::Orden] = i % 3 ? ValorEtiquetado::real32(float(orden)) : ValorEtiquetado::texto(QString::number(orden));
            if (i % 7 == 0)
                f[FilaBase::Nivel] = ValorEtiquetado::texto(QString::number(f.nivel()));
            t.push_back(f);
        }
        TablaBase porTexto = t;
        std::stable_sort(porTexto.begin(), porTexto.end(), [](const FilaBase& a, const FilaBase& b) {
            return Pregunta::ClaveOrden(a) < Pregunta::ClaveOrden(b);
        });
        Pregunta::OrdenarTabla(t);
        QVERIFY(t == porTexto);
    }

    // A main file the game cannot read is put aside before anything can
    // write the backup's rows over it; a file with bytes after its table is
    // read, and keeps its counts.
    void principalIlegibleQuedaAparte_data()
    {
        QTest::addColumn<QByteArray>("principal");  // null: no file
        QTest::addColumn<bool>("respaldoUsado");
        QTest::addColumn<bool>("apartado");
        TablaBase contada = TablaDePrueba(2);
        contada[0][FilaBase::Veces] = ValorEtiquetado::entero16(40);
        const QByteArray buena = ArchivoBase::serializar(contada);
        TablaBase sinNivel5 = TablaDePrueba(1);
        sinNivel5.pop_back();
        QTest::newRow("basura") << QByteArray("\x0c\x20\x02\x00garbage", 11) << true << true;
        QTest::newRow("cortada") << buena.chopped(3) << true << true;
        QTest::newRow("sin nivel 5") << ArchivoBase::serializar(sinNivel5) << true << true;
        QTest::newRow("vacía") << QByteArray("") << true << false;
        QTest::newRow("falta") << QByteArray() << true << false;
        QTest::newRow("bytes de más") << buena + QByteArray(5, 'x') << false << false;
    }

    void principalIlegibleQuedaAparte()
    {
        QFETCH(QByteArray, principal);
        QFETCH(bool, respaldoUsado);
        QFETCH(bool, apartado);
        const QString ilegible = Pregunta::RutaIlegible(qdb());
        QCOMPARE(ilegible, dir.filePath(QStringLiteral("QBase.qdb.ilegible")));
        escribirBytes(ilegible, "una anterior");
        ArchivoBase::escribir(bak(), TablaDePrueba(3));
        if (!principal.isNull())
            escribirBytes(qdb(), principal);
        Azar azar;
        {
            auto q = Pregunta::Crear(dir.path(), azar);
            QVERIFY(q);
            QCOMPARE(q->RespaldoUsado(), respaldoUsado);
            QVERIFY(q->Guarda());
            QCOMPARE(leerTodo(ilegible), apartado ? principal : QByteArray("una anterior"));
            if (apartado)
                QVERIFY(!QFile::exists(qdb()));
            q->Reiniciar();
        }
        const auto l = ArchivoBase::leerArchivo(qdb());
        QVERIFY(l.valida());
        if (respaldoUsado) {
            QVERIFY(l.tabla == TablaDePrueba(3));
        } else {
            // The count of 1001 is kept (the sort moved it behind 1002).
            QCOMPARE(l.tabla.size(), size_t(10));
            QCOMPARE(qint32(l.tabla[1][FilaBase::ID].numero()), 1001);
            QCOMPARE(l.tabla[1][FilaBase::Veces], ValorEtiquetado::entero16(40));
        }
        QFile::remove(ilegible);
    }

    // What a save cut short leaves beside the base (the game's own name for
    // its temporary file) is removed at the start; nothing else ever is,
    // whatever its name: a player's copies of the base, Qt's own kind of
    // temporary name, a link or a folder of the game's name.
    void restosDeGuardado()
    {
        EscribirBaseDePrueba(dir.path(), 1);
        QDir d(dir.path());
        const QString nuestro = QFileInfo(NombreDeGuardado(qdb())).fileName();
        const QStringList restos{nuestro + QStringLiteral("AbCdEf"), nuestro + QStringLiteral("zz09Zz")};
        const QStringList ajenos{QStringLiteral("QBase.qdb.CopiaA"), QStringLiteral("QBase.qdb.myCopy"),
                                 QStringLiteral("QBase.qdb.oldBak"), QStringLiteral("QBase.qdb.BackUp"),
                                 QStringLiteral("QBase.qdb.miBase"), QStringLiteral("QBase.qdb.AbCdEf"),
                                 QStringLiteral("QBase.qdb.backup"), nuestro, nuestro + QStringLiteral("AbCdE"),
                                 nuestro + QStringLiteral("AbCdEfG"), nuestro + QStringLiteral("AbC.Ef"),
                                 QStringLiteral("QBase.bak.orvalia-guardando-AbCdEf")};
        for (const QString& n : restos + ajenos)
            escribirBytes(d.filePath(n), "x");
        const QString carpeta = nuestro + QStringLiteral("Carpet"), enlace = nuestro + QStringLiteral("Enlace");
        QVERIFY(d.mkdir(carpeta));
        QVERIFY(QFile::link(d.filePath(QStringLiteral("QBase.qdb.CopiaA")), d.filePath(enlace)));
        Azar azar;
        {
            auto q = Pregunta::Crear(dir.path(), azar);
            QVERIFY(q);
            for (const QString& n : restos)
                QVERIFY2(!QFileInfo::exists(d.filePath(n)), qPrintable(n));
            for (const QString& n : ajenos + QStringList{carpeta, enlace})
                QVERIFY2(QFileInfo(d.filePath(n)).exists(), qPrintable(n));
        }
        for (const QString& n : ajenos + QStringList{enlace})
            QFile::remove(d.filePath(n));
        d.rmdir(carpeta);
    }

    // Each question counted is saved at once, sorted on disk as the closing
    // save sorts it, so that a kill or a power cut loses at most the question
    // on the board; the table in memory keeps its order and each level's
    // walk goes on as before.
    void cadaPreguntaSeGuarda()
    {
        EscribirBaseDePrueba(dir.path(), 3);
        Azar azar;
        azar.guion([] { return 0.0; });
        auto q = Pregunta::Crear(dir.path(), azar);
        QVERIFY(q);
        const TablaBase antes = q->Base();
        q->PreguntaNueva(2);
        QCOMPARE(q->ID(), 2001);
        q->SePreguntó();

        TablaBase ordenada = q->Base();
        Pregunta::OrdenarTabla(ordenada);
        QCOMPARE(leerTodo(qdb()), ArchivoBase::serializar(ordenada));
        const TablaBase enDisco = ArchivoBase::leerArchivo(qdb()).tabla;
        QCOMPARE(qint32(enDisco[5][FilaBase::ID].numero()), 2001);  // behind 2002 and 2003
        QCOMPARE(enDisco[5][FilaBase::Veces], ValorEtiquetado::entero16(1));

        QCOMPARE(q->Filas(), int(antes.size()));
        for (size_t r = 0; r < antes.size(); ++r)
            QCOMPARE(q->Base()[r][FilaBase::ID], antes[r][FilaBase::ID]);
        QList<qint32> ids;
        for (int i = 0; i < 3; ++i) {
            q->PreguntaNueva(2);
            ids << q->ID();
            q->SePreguntó();
        }
        QCOMPARE(ids, (QList<qint32>{2002, 2003, 2001}));
        QCOMPARE(ArchivoBase::leerArchivo(qdb()).tabla[3][FilaBase::ID], ValorEtiquetado::entero32(2002));
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
            ArchivoBase::fijarLimiteEscritura(50);
            q->PreguntaNueva(1);
            q->SePreguntó();
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
