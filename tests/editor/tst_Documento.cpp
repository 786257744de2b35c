// The editor's bank without its window: edits and their undo, new IDs, the
// checks as the teacher types, and what goes back to the file.
#include "fakes/ArchivosDePrueba.h"
#include "ArchivoBase.h"
#include "Azar.h"
#include "Documento.h"
#include "FiltroPreguntas.h"
#include "FuenteCsv.h"
#include "ModeloPreguntas.h"
#include "fakes/BaseDePrueba.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// A base whose values use every tag a file may hold, so that "keeps its
// tag" means something: a level stored as a double, a count as a 32-bit
// integer, an ID as a 16-bit one, an answer that is a number.
TablaBase tablaVariada()
{
    TablaBase t = TablaDePrueba(3);
    t[1][FilaBase::Nivel] = ValorEtiquetado::real64(1.0);
    t[1][FilaBase::Veces] = ValorEtiquetado::entero32(7);
    t[1][FilaBase::ID] = ValorEtiquetado::entero16(1002);
    t[1][FilaBase::RespC] = ValorEtiquetado::entero16(12);
    t[4][FilaBase::Orden] = ValorEtiquetado::real64(0.5);
    return t;
}

bool tieneProblema(const std::vector<Problema>& ps, int campo, const QString& parte,
                   Problema::Gravedad g = Problema::Aviso)
{
    for (const Problema& p : ps)
        if (p.campo == campo && p.gravedad == g && p.texto.contains(parte))
            return true;
    return false;
}

QString textos(const std::vector<Problema>& ps)
{
    QStringList r;
    for (const Problema& p : ps)
        r << QStringLiteral("%1:%2").arg(p.campo).arg(p.texto);
    return r.join(QStringLiteral("; "));
}

const QByteArray CabeceraFuente =
    "Orden,Nivel,Enunciado,RespA,RespB,RespC,RespD,LetraCorrecta,Veces,ID,Referencia,Evidencia\n";

}  // namespace

class TstDocumento : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    Azar azar;
    QString ruta(const QString& nombre) const { return dir.filePath(nombre); }

    // A base with tablaVariada() at QBase.qdb, opened.
    QString abrirVariada(Documento& d)
    {
        const QString r = ruta(QStringLiteral("variada.qdb"));
        [&] { QVERIFY(ArchivoBase::escribir(r, tablaVariada())); }();
        const Documento::Resultado a = d.abrir(r);
        [&] { QVERIFY2(a.ok, qPrintable(a.mensaje)); }();
        return r;
    }

private slots:
    // The user's folder, where unsaved edits are kept, is the test's own.
    void initTestCase() { qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("datos")).toUtf8()); }
    void init() { azar.sembrar(11); }
    void cleanup() { ArchivoBase::fijarLimiteEscritura(-1); }

    // Each edit is one command; undoing them all gives back the very rows
    // that were read, tags and all; redoing gives the edits again.
    void editarDeshacerRehacer()
    {
        Documento d(azar);
        abrirVariada(d);
        const FilasEditables leidas = d.modelo()->filas();
        const int fila = 1;  // the row with the odd tags
        QVERIFY(d.cambiar(fila, FilaBase::Enunciado, QStringLiteral("¿Quién")).ok);
        QVERIFY(d.cambiar(fila, FilaBase::Enunciado, QStringLiteral("¿Quién construyó el arca?")).ok);
        QVERIFY(d.cambiar(fila, FilaBase::RespC, QStringLiteral("13")).ok);
        QVERIFY(d.cambiar(fila, FilaBase::LetraCorrecta, 2).ok);
        QVERIFY(d.cambiar(fila, FilaEditable::Referencia, QStringLiteral("Génesis 6:14")).ok);
        // Typing into one field is one command; each other field one more.
        QCOMPARE(d.pila()->count(), 4);
        // Named after "Deshacer" in the Edit menu.
        QCOMPARE(d.pila()->undoText(), QStringLiteral("el cambio de la referencia"));
        QCOMPARE(d.pila()->text(2), QStringLiteral("el cambio de la respuesta correcta"));
        QVERIFY(d.modificado());

        const FilaEditable& e = d.modelo()->fila(fila);
        QCOMPARE(e.fila[FilaBase::Enunciado].aTexto(), QStringLiteral("¿Quién construyó el arca?"));
        QCOMPARE(e.fila[FilaBase::Enunciado].etiqueta(), ValorEtiquetado::Texto);
        // The number answer stays a 16-bit number while it is one.
        QCOMPARE(e.fila[FilaBase::RespC], ValorEtiquetado::entero16(13));
        QCOMPARE(e.fila.letra(), 2);
        // Untouched fields keep value and tag.
        for (int c : {int(FilaBase::Orden), int(FilaBase::Nivel), int(FilaBase::Veces), int(FilaBase::ID)})
            QCOMPARE(e.fila[c], leidas[fila].fila[c]);
        QVERIFY(e.tocada);

        // A text where the number was: the tag can no longer hold it.
        QVERIFY(d.cambiar(fila, FilaBase::RespC, QStringLiteral("13 codos")).ok);
        QCOMPARE(d.modelo()->fila(fila).fila[FilaBase::RespC].etiqueta(), ValorEtiquetado::Texto);

        const FilasEditables editadas = d.modelo()->filas();
        while (d.pila()->canUndo())
            d.pila()->undo();
        QVERIFY(d.modelo()->filas() == leidas);
        QVERIFY(!d.modificado());
        while (d.pila()->canRedo())
            d.pila()->redo();
        QVERIFY(d.modelo()->filas() == editadas);
    }

    // A level stored as a double stays a double; the question gets an ID of
    // its new level's block, and one undo gives back both.
    void cambiarNivel()
    {
        Documento d(azar);
        abrirVariada(d);
        const FilaEditable antes = d.modelo()->fila(1);
        QVERIFY(d.cambiar(1, FilaBase::Nivel, 4).ok);
        const FilaEditable& e = d.modelo()->fila(1);
        QCOMPARE(e.fila[FilaBase::Nivel], ValorEtiquetado::real64(4.0));
        QCOMPARE(e.fila[FilaBase::ID], ValorEtiquetado::entero16(4004));  // 4001..4003 are taken
        QCOMPARE(d.pila()->count(), 1);
        QCOMPARE(d.pila()->undoText(), QStringLiteral("el cambio del nivel"));
        d.pila()->undo();
        QVERIFY(d.modelo()->fila(1) == antes);
    }

    void agregarDuplicarBorrar()
    {
        Documento d(azar);
        abrirVariada(d);
        const FilasEditables leidas = d.modelo()->filas();
        QSignalSpy insertadas(d.modelo(), &QAbstractItemModel::rowsInserted);

        const int primeraDe3 = 6;
        QCOMPARE(d.modelo()->fila(primeraDe3).fila.nivel(), 3);
        QCOMPARE(d.modelo()->fila(primeraDe3 - 1).fila.nivel(), 2);
        const int nueva = d.agregar(3);
        QCOMPARE(nueva, primeraDe3);  // the top of level 3: the game asks it first
        QCOMPARE(insertadas.count(), 1);
        const FilaBase& f = d.modelo()->fila(nueva).fila;
        QCOMPARE(f[FilaBase::ID], ValorEtiquetado::entero32(3004));
        QCOMPARE(f[FilaBase::Nivel], ValorEtiquetado::entero16(3));
        QCOMPARE(f[FilaBase::Veces], ValorEtiquetado::entero16(0));
        QCOMPARE(f[FilaBase::Orden].etiqueta(), ValorEtiquetado::Real32);
        QVERIFY(f[FilaBase::Orden].enteroEntre(0, 999));
        QCOMPARE(f.letra(), -1);  // no right letter until one is marked

        // The copy of the odd row keeps its tags, with its own ID and a
        // count of 0.
        const int copia = d.duplicar(1);
        QCOMPARE(copia, 2);
        const FilaBase& c = d.modelo()->fila(copia).fila;
        QCOMPARE(c[FilaBase::ID], ValorEtiquetado::entero16(1004));
        QCOMPARE(c[FilaBase::Veces], ValorEtiquetado::entero32(0));
        QCOMPARE(c[FilaBase::Nivel], ValorEtiquetado::real64(1.0));
        QCOMPARE(c[FilaBase::Orden].etiqueta(), ValorEtiquetado::Real32);
        QCOMPARE(c[FilaBase::Enunciado], leidas[1].fila[FilaBase::Enunciado]);

        QVERIFY(d.borrar(0).ok);
        QCOMPARE(d.modelo()->filasTotal(), 16);
        QCOMPARE(d.pila()->count(), 3);
        d.pila()->undo();
        QCOMPARE(ModeloPreguntas::id(d.modelo()->fila(0)), 1001);
        d.pila()->undo();
        d.pila()->undo();
        QVERIFY(d.modelo()->filas() == leidas);
    }

    // A new question of a played base comes up first among the questions of
    // its level not yet asked, as the game's own sort orders them: before
    // one whose order key is 0 too, and after none.
    void nuevaLaPrimeraQueElJuegoPregunta()
    {
        TablaBase t = TablaDePrueba(5);
        // Level 2 as a played base has it, sorted: never asked (one with the
        // lowest key), then asked.
        t[5][FilaBase::Orden] = ValorEtiquetado::real32(0.0f);
        t[8][FilaBase::Veces] = ValorEtiquetado::entero16(1);
        t[9][FilaBase::Veces] = ValorEtiquetado::entero16(2);
        Pregunta::OrdenarTabla(t);
        const QString r = ruta(QStringLiteral("jugada.qdb"));
        QVERIFY(ArchivoBase::escribir(r, t));
        Documento d(azar);
        QVERIFY(d.abrir(r).ok);
        const int fila = d.agregar(2);
        QVERIFY(fila >= 0);
        const qint64 id = ModeloPreguntas::id(d.modelo()->fila(fila));
        QCOMPARE(d.modelo()->fila(fila).fila[FilaBase::Orden], ValorEtiquetado::real32(0.0f));
        d.cambiar(fila, FilaBase::Enunciado, QStringLiteral("¿Quién cerró la puerta del arca?"));
        for (int i = 0; i < 4; ++i)
            d.cambiar(fila, FilaBase::RespA + i, QStringList{"Noé", "Dios", "Sem", "Jafet"}[i]);
        d.cambiar(fila, FilaBase::LetraCorrecta, 1);
        const Documento::Resultado g = d.guardar();
        QVERIFY2(g.ok, qPrintable(g.mensaje));

        // The game's sort, at its close, before the class plays.
        TablaBase leida = ArchivoBase::leerArchivo(r).tabla;
        Pregunta::OrdenarTabla(leida);
        const auto primera = std::find_if(leida.begin(), leida.end(), [](const FilaBase& f) { return f.nivel() == 2; });
        QVERIFY(primera != leida.end());
        QCOMPARE((*primera)[FilaBase::ID], ValorEtiquetado::entero32(qint32(id)));
    }

    // Unsaved edits kept when the editor was ended from outside come back at
    // the next opening as one edit; a row the edits left alone keeps what
    // the game wrote meanwhile (its count), and a save drops them.
    void recuperarLoSinGuardar()
    {
        const QString r = ruta(QStringLiteral("recuperar.csv"));
        QVERIFY(escribirTodo(r, CabeceraFuente + "1,1,¿Uno?,a,b,c,d,A,0,1001,Génesis 1:1,\r\n"
                                                 "2,1,¿Dos?,a,b,c,d,B,0,1002,,\r\n"
                                                 "3,2,¿Tres?,a,b,c,d,C,0,2001,,\r\n"));
        FilasEditables editadas;
        {
            Documento d(azar);
            QVERIFY(d.abrir(r).ok);
            QVERIFY(d.guardarRecuperacion());  // nothing to keep
            QVERIFY(!QFileInfo::exists(Documento::rutaRecuperacion(r)));
            d.cambiar(0, FilaBase::Enunciado, QStringLiteral("¿Uno, cambiada?"));
            d.cambiar(0, FilaEditable::Evidencia, QStringLiteral("En el principio"));
            const int nueva = d.agregar(2);
            QVERIFY(nueva >= 0);
            d.cambiar(nueva, FilaBase::Enunciado, QStringLiteral("¿Cuatro?"));  // half written
            editadas = d.modelo()->filas();
            QVERIFY(d.guardarRecuperacion());
        }
        QVERIFY(QFileInfo::exists(Documento::rutaRecuperacion(r)));
        // The file as the game left it meanwhile: the second question asked.
        QByteArray contado = leerTodo(r);
        contado.replace("B,0,1002", "B,3,1002");
        QVERIFY(escribirTodo(r, contado));

        Documento d(azar);
        QVERIFY(d.abrir(r).ok);
        QVERIFY(d.hayRecuperacion());
        const FilasEditables delArchivo = d.modelo()->filas();
        const Documento::Resultado rec = d.recuperar();
        QVERIFY2(rec.ok, qPrintable(rec.mensaje));
        QVERIFY(!d.hayRecuperacion());
        QVERIFY(d.modificado());
        QCOMPARE(d.modelo()->filasTotal(), int(editadas.size()));
        for (int i = 0; i < d.modelo()->filasTotal(); ++i) {
            const FilaEditable& f = d.modelo()->fila(i);
            QCOMPARE(ModeloPreguntas::id(f), ModeloPreguntas::id(editadas[size_t(i)]));
            QCOMPARE(f.fila[FilaBase::Enunciado], editadas[size_t(i)].fila[FilaBase::Enunciado]);
            QCOMPARE(f.evidencia, editadas[size_t(i)].evidencia);
        }
        const FilaEditable& dos = d.modelo()->fila(1);
        QCOMPARE(dos.fila[FilaBase::Veces], ValorEtiquetado::entero16(3));
        QVERIFY(!dos.tocada);  // written back as the file has it
        d.pila()->undo();
        QVERIFY(d.modelo()->filas() == delArchivo);
        d.pila()->redo();
        const int nueva = 3;
        QCOMPARE(d.modelo()->fila(nueva).fila[FilaBase::Enunciado].aTexto(), QStringLiteral("¿Cuatro?"));
        for (int i = 0; i < 4; ++i)
            d.cambiar(nueva, FilaBase::RespA + i, QString(QChar(u'a' + i)));
        d.cambiar(nueva, FilaBase::LetraCorrecta, 0);
        QVERIFY(d.guardar().ok);
        QVERIFY(leerTodo(r).contains("¿Uno, cambiada?"));
        QVERIFY(leerTodo(r).contains("B,3,1002"));
    }

    void idLibre_data()
    {
        QTest::addColumn<QList<qint64>>("ocupados");  // IDs of level 3 rows added to a base of one per level
        QTest::addColumn<qint64>("esperado");          // 0: the block is full
        QTest::newRow("after the last") << QList<qint64>{3001, 3002, 3007} << qint64(3008);
        QTest::newRow("last taken: first gap") << QList<qint64>{3002, 3999} << qint64(3003);
        QList<qint64> todos;
        for (qint64 i = 3002; i <= 3999; ++i)
            todos << i;
        QTest::newRow("full") << todos << qint64(0);
    }
    void idLibre()
    {
        QFETCH(QList<qint64>, ocupados);
        QFETCH(qint64, esperado);
        TablaBase t = TablaDePrueba(1);  // 1001, 2001, 3001, 4001, 5001
        for (qint64 id : ocupados)
            if (id != 3001) {
                FilaBase f = FilaDePrueba(3, int(id % 1000));
                // Some stand in another level: an ID is the bank's, whatever
                // the level of the row that holds it.
                if (id % 2 == 0)
                    f[FilaBase::Nivel] = ValorEtiquetado::entero16(2);
                t.push_back(f);
            }
        Pregunta::OrdenarTabla(t);
        const QString r = ruta(QStringLiteral("ids.qdb"));
        QVERIFY(ArchivoBase::escribir(r, t));
        Documento d(azar);
        QVERIFY(d.abrir(r).ok);
        Documento::Resultado res;
        const int fila = d.agregar(3, &res);
        if (esperado == 0) {
            QCOMPARE(fila, -1);
            QVERIFY2(res.mensaje.contains(QStringLiteral("del 3001 al 3999")), qPrintable(res.mensaje));
            QCOMPARE(d.pila()->count(), 0);
            return;
        }
        QVERIFY(res.ok);
        QCOMPARE(ModeloPreguntas::id(d.modelo()->fila(fila)), esperado);
        QCOMPARE(d.modelo()->fila(fila).fila.nivel(), 3);
    }

    // A new ID never collides, however the bank got its IDs: added, copied,
    // moved between levels, imported.
    void idsNuncaChocan()
    {
        Documento d(azar);
        abrirVariada(d);
        d.agregar(2);
        d.duplicar(0);
        d.cambiar(0, FilaBase::Nivel, 2);
        d.agregar(2);
        const QString csv = ruta(QStringLiteral("importar.csv"));
        QVERIFY(escribirTodo(csv, CabeceraFuente + "1,2,¿Una?,a,b,c,d,A,0,2001,,\n"  // taken
                                                   ",2,¿Otra?,a,b,c,d,B,,,,\n"       // blank
                                                   "5,2,¿Y otra?,a,b,c,d,C,0,2001,,\n"));
        const Documento::Resultado r = d.importar(csv);
        QVERIFY2(r.ok, qPrintable(r.mensaje));
        QVERIFY2(r.mensaje.contains(QStringLiteral("2 tenían un ID que ya estaba en uso")), qPrintable(r.mensaje));
        QSet<qint64> vistos;
        for (const FilaEditable& f : d.modelo()->filas()) {
            const qint64 id = ModeloPreguntas::id(f);
            QVERIFY2(!vistos.contains(id), qPrintable(QString::number(id)));
            vistos.insert(id);
            QCOMPARE(id / 1000, qint64(f.fila.nivel()));
        }
        // The blank cells were filled: a count of 0, an order key.
        const FilaBase& otra = d.modelo()->fila(d.modelo()->filasTotal() - 2).fila;
        QCOMPARE(otra[FilaBase::Veces], ValorEtiquetado::entero16(0));
        QVERIFY(otra[FilaBase::Orden].enteroEntre(0, 999));
        // The import is one command.
        const int antes = d.modelo()->filasTotal();
        d.pila()->undo();
        QCOMPARE(d.modelo()->filasTotal(), antes - 3);
    }

    // Saving a base writes every untouched row back byte for byte; an edited
    // row keeps the tags of the values it had; a row moved to another level
    // joins that level's block, where the file's order puts it (first,
    // since it stood before them).
    void filasIntactasByteAByte()
    {
        Documento d(azar);
        const QString r = abrirVariada(d);
        QVERIFY(d.cambiar(4, FilaBase::RespA, QStringLiteral("Nueva respuesta")).ok);
        QVERIFY(d.cambiar(1, FilaBase::Nivel, 5).ok);
        const Documento::Resultado g = d.guardar();
        QVERIFY2(g.ok, qPrintable(g.mensaje));
        QVERIFY(!d.modificado());

        TablaBase esperada = tablaVariada();
        esperada[4][FilaBase::RespA] = ValorEtiquetado::texto(QStringLiteral("Nueva respuesta"));
        FilaBase movida = esperada[1];
        movida[FilaBase::Nivel] = ValorEtiquetado::real64(5.0);
        movida[FilaBase::ID] = ValorEtiquetado::entero16(5004);
        esperada.erase(esperada.begin() + 1);
        esperada.insert(esperada.begin() + 11, movida);
        QCOMPARE(leerTodo(r), ArchivoBase::serializar(esperada));
    }

    // A CSV goes back in its own style: untouched records exactly as written
    // (quotes that were not needed, line breaks, no break at the end), the
    // edited one made anew in the file's style.
    void csvIntactoByteAByte()
    {
        const QByteArray original = CabeceraFuente
            + "129,1,\"¿Qué creó Dios?\",Los cielos,\"El hombre, y la mujer\",Los ángeles,El sol,A,0,1001,Génesis 1:1,"
              "\"EN el principio crió Dios los cielos y la tierra.\"\n"
              "74,1,¿Qué hizo Dios el primer día?,La luz,El mar,Los peces,Las aves,A,0,1002,Génesis 1:3,Sea la luz\n"
              "\"5\",1,¿Quién?,Adán,Eva,Caín,Abel,\"A\",0,1003,Génesis 2:7,polvo";
        const QString r = ruta(QStringLiteral("nivel1.csv"));
        QVERIFY(escribirTodo(r, original));
        Documento d(azar);
        QVERIFY(d.abrir(r).ok);
        QVERIFY(d.guardaPasaje());
        QCOMPARE(d.modelo()->fila(0).referencia, QStringLiteral("Génesis 1:1"));

        // Saved untouched: the same bytes.
        d.cambiar(1, FilaBase::RespB, QStringLiteral("x"));
        d.pila()->undo();
        QVERIFY(d.guardar().ok);
        QCOMPARE(leerTodo(r), original);

        QVERIFY(d.cambiar(1, FilaBase::RespB, QStringLiteral("El mar, y la tierra")).ok);
        QVERIFY(d.cambiar(1, FilaEditable::Evidencia, QStringLiteral("Sea la luz: y fué la luz")).ok);
        QVERIFY(d.agregar(1) == 3);
        QVERIFY(d.cambiar(3, FilaBase::Enunciado, QStringLiteral("¿Y después?")).ok);
        for (int i = 0; i < 4; ++i)
            QVERIFY(d.cambiar(3, FilaBase::RespA + i, QString(QChar(u'a' + i))).ok);
        QVERIFY(d.cambiar(3, FilaBase::LetraCorrecta, 1).ok);
        QVERIFY(d.guardar().ok);
        const QByteArray esperado = CabeceraFuente
            + "129,1,\"¿Qué creó Dios?\",Los cielos,\"El hombre, y la mujer\",Los ángeles,El sol,A,0,1001,Génesis 1:1,"
              "\"EN el principio crió Dios los cielos y la tierra.\"\n"
              "74,1,¿Qué hizo Dios el primer día?,La luz,\"El mar, y la tierra\",Los peces,Las aves,A,0,1002,Génesis 1:3,"
              "Sea la luz: y fué la luz\n"
              "\"5\",1,¿Quién?,Adán,Eva,Caín,Abel,\"A\",0,1003,Génesis 2:7,polvo\n";
        const QByteArray escrito = leerTodo(r);
        QVERIFY2(escrito.startsWith(esperado), escrito.constData());
        const QByteArray nueva = escrito.mid(esperado.size());
        QVERIFY2(nueva.contains(",1,¿Y después?,a,b,c,d,B,0,1004,,\n"), nueva.constData());
        QVERIFY(nueva.endsWith('\n') && !nueva.contains('\r'));

        // And it reads back as what was saved.
        Documento otra(azar);
        QVERIFY(otra.abrir(r).ok);
        QCOMPARE(otra.modelo()->filasTotal(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(otra.modelo()->fila(i).fila, d.modelo()->fila(i).fila);
    }

    // A file that cannot be read is reported in Spanish and never written:
    // not on opening, and not later, since the document keeps what it had.
    void archivoRotoNuncaSeEscribe_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QByteArray>("contenido");
        QTest::addColumn<QString>("mensaje");
        const QByteArray buena = ArchivoBase::serializar(TablaDePrueba(2));
        QTest::newRow("cut short") << "cortada.qdb" << buena.chopped(3) << "no es una base de preguntas";
        QTest::newRow("not a base") << "texto.qdb" << QByteArray("hola, mundo, esto no es una base") << "no es una base";
        QTest::newRow("empty") << "vacia.qdb" << QByteArray() << "vacío o truncado";
        TablaBase sinCinco = TablaDePrueba(2);
        sinCinco.resize(8);
        QTest::newRow("no level 5") << "sin5.qdb" << ArchivoBase::serializar(sinCinco) << "no hay preguntas de nivel 5";
        QTest::newRow("open quote") << "abierta.csv" << QByteArray(CabeceraFuente + "1,1,\"abierta\n")
                                    << "en la línea 2, comillas sin cerrar";
        QTest::newRow("level 7") << "nivel7.csv" << QByteArray(CabeceraFuente + "1,7,¿P?,a,b,c,d,A,0,7001,,\n")
                                 << "línea 2: el nivel «7» no es un número de 1 a 5";
        QTest::newRow("no header") << "sincabecera.csv" << QByteArray("1,1,¿P?\n") << "falta la columna Orden";
    }
    void archivoRotoNuncaSeEscribe()
    {
        QFETCH(QString, nombre);
        QFETCH(QByteArray, contenido);
        QFETCH(QString, mensaje);
        Documento d(azar);
        const QString buena = abrirVariada(d);
        d.cambiar(0, FilaBase::Enunciado, QStringLiteral("cambiada"));
        const QString r = ruta(nombre);
        QVERIFY(escribirTodo(r, contenido));
        const QDateTime hora = QFileInfo(r).lastModified();
        QSignalSpy abierto(&d, &Documento::abiertoCambiado);

        const Documento::Resultado a = d.abrir(r);
        QVERIFY(!a.ok);
        QVERIFY2(a.mensaje.contains(mensaje), qPrintable(a.mensaje));
        QVERIFY2(a.mensaje.contains(QStringLiteral("No se ha cambiado nada")), qPrintable(a.mensaje));
        QCOMPARE(abierto.count(), 0);
        // What was open stays open, edits and all; saving goes to its file.
        QCOMPARE(d.ruta(), buena);
        QVERIFY(d.modificado());
        QVERIFY(d.guardar().ok);
        QCOMPARE(leerTodo(r), contenido);
        QCOMPARE(QFileInfo(r).lastModified(), hora);
    }

    // A pipe called like a base or a CSV is refused at once, as the game
    // refuses it, and what was open stays open.
    void tuberia_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("base") << "QBase.qdb" << "«QBase.qdb» no es una base de preguntas que el juego pueda leer: "
                                                "no es un archivo normal";
        QTest::newRow("csv") << "preguntas.csv" << "No se puede leer «preguntas.csv» como preguntas: no es un archivo normal";
    }
    void tuberia()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, mensaje);
        Documento d(azar);
        const QString buena = abrirVariada(d);
        const QByteArray r = QFile::encodeName(ruta(nombre));
        QCOMPARE(::mkfifo(r.constData(), 0600), 0);
        // Should the pipe be opened to read, a writer comes and goes at
        // once: the reader then gets nothing instead of waiting for ever.
        std::atomic<bool> listo{false};
        std::thread escritor([&] {
            while (!listo) {
                const int fd = ::open(r.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ::close(fd);
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
        const Documento::Resultado a = d.abrir(ruta(nombre));
        listo = true;
        escritor.join();
        QFile::remove(ruta(nombre));
        QVERIFY(!a.ok);
        QVERIFY2(a.mensaje.contains(mensaje), qPrintable(a.mensaje));
        QCOMPARE(d.ruta(), buena);
    }

    // A save that fails half-way leaves the old file byte for byte, says
    // so, and keeps the edits unsaved.
    void guardarFallido()
    {
        Documento d(azar);
        const QString r = abrirVariada(d);
        const QByteArray antes = leerTodo(r);
        d.cambiar(0, FilaBase::Enunciado, QStringLiteral("¿Cambiada?"));
        ArchivoBase::fijarLimiteEscritura(40);
        const Documento::Resultado g = d.guardar();
        QVERIFY(!g.ok);
        QVERIFY2(g.mensaje.contains(QStringLiteral("quedó como estaba")), qPrintable(g.mensaje));
        QCOMPARE(leerTodo(r), antes);
        QVERIFY(d.modificado());
        ArchivoBase::fijarLimiteEscritura(-1);
        QVERIFY(d.guardar().ok);
        QVERIFY(leerTodo(r) != antes);
    }

    // What the game could not load is never saved: a question without its
    // right letter, a base without one of the levels.
    void guardarRehusaLoQueElJuegoNoLee()
    {
        Documento d(azar);
        const QString r = abrirVariada(d);
        const QByteArray antes = leerTodo(r);
        d.agregar(2);
        Documento::Resultado g = d.guardar();
        QVERIFY(!g.ok);
        QVERIFY2(g.mensaje.contains(QStringLiteral("falta marcar la respuesta correcta")), qPrintable(g.mensaje));
        d.pila()->undo();
        for (int i = d.modelo()->filasTotal() - 1; i >= 0; --i)
            if (d.modelo()->fila(i).fila.nivel() == 5)
                d.borrar(i);
        g = d.guardar();
        QVERIFY(!g.ok);
        QVERIFY2(g.mensaje.contains(QStringLiteral("No hay preguntas de nivel 5")), qPrintable(g.mensaje));
        QCOMPARE(leerTodo(r), antes);
    }

    // The checks of orvalia-qdb, field by field, as the teacher types, on
    // row 0 ("Pregunta 1-1", right answer C).
    void problemasPorCampo_data()
    {
        QTest::addColumn<int>("campo");
        QTest::addColumn<QVariant>("valor");
        QTest::addColumn<int>("campoProblema");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("enElAviso");  // what the save's list says of it
        QTest::addColumn<int>("gravedad");
        QTest::newRow("empty question") << int(FilaBase::Enunciado) << QVariant(QStringLiteral("  "))
                                        << int(FilaBase::Enunciado) << "falta el texto de la pregunta"
                                        << "falta el texto de la pregunta" << int(Problema::Error);
        // The game would show a bar with a letter and nothing to read.
        QTest::newRow("empty answer") << int(FilaBase::RespB) << QVariant(QString()) << int(FilaBase::RespB)
                                      << "falta la respuesta B" << "falta la respuesta B" << int(Problema::Error);
        QTest::newRow("no right letter") << int(FilaBase::LetraCorrecta) << QVariant(-1) << int(FilaBase::LetraCorrecta)
                                         << "falta marcar la respuesta correcta" << "" << int(Problema::Error);
        QTest::newRow("two equal answers") << int(FilaBase::RespD) << QVariant(QStringLiteral("c 1-1"))
                                           << int(FilaBase::RespD) << "la respuesta D repite otra"
                                           << "la respuesta D repite otra" << int(Problema::Aviso);
        QTest::newRow("too long for the small bar")
            << int(FilaBase::RespA) << QVariant(QStringLiteral("Una respuesta larguísima que no cabe en la barra"))
            << int(FilaBase::RespA) << "más de 40 para la barra pequeña" << "más de 40 para la barra pequeña"
            << int(Problema::Aviso);
        // Row 2 asks about the flood, right answer "A 1-3"; row 0 is given
        // the same right answer first.
        QTest::newRow("like another") << int(FilaBase::Enunciado)
                                      << QVariant(QStringLiteral("¿Cuántos días llovió sobre la tierra en el diluvi?"))
                                      << int(FilaBase::Enunciado)
                                      << "se parece mucho a la de «¿Cuántos días llovió sobre la tierra en el diluvio?» (ID 1003)"
                                      << "se parece mucho a la de" << int(Problema::Aviso);
        QTest::newRow("same as another") << int(FilaBase::Enunciado) << QVariant(QStringLiteral("pregunta 1 2"))
                                         << int(FilaBase::Enunciado) << "repite la de «Pregunta 1-2» (ID 1002)"
                                         << "repite la de" << int(Problema::Aviso);
        QTest::newRow("ID of another") << int(FilaBase::ID) << QVariant(1002) << int(FilaBase::ID)
                                       << "el ID 1002 ya está en «Pregunta 1-2»" << "el ID 1002 ya está en"
                                       << int(Problema::Aviso);
    }
    void problemasPorCampo()
    {
        QFETCH(int, campo);
        QFETCH(QVariant, valor);
        QFETCH(int, campoProblema);
        QFETCH(QString, texto);
        QFETCH(QString, enElAviso);
        QFETCH(int, gravedad);
        TablaBase t = TablaDePrueba(3);
        t[2][FilaBase::Enunciado] = ValorEtiquetado::texto(QStringLiteral("¿Cuántos días llovió sobre la tierra en el diluvio?"));
        const QString r = ruta(QStringLiteral("problemas.qdb"));
        QVERIFY(ArchivoBase::escribir(r, t));
        Documento d(azar);
        QVERIFY(d.abrir(r).ok);
        QVERIFY2(d.problemas(0).empty(), qPrintable(textos(d.problemas(0))));
        if (QTest::currentDataTag() == QLatin1String("like another")) {
            d.cambiar(0, FilaBase::RespA, QStringLiteral("A 1-3"));
            d.cambiar(0, FilaBase::LetraCorrecta, 0);
            QVERIFY2(d.problemas(0).empty(), qPrintable(textos(d.problemas(0))));
        }
        QVERIFY(d.cambiar(0, campo, valor).ok);
        const std::vector<Problema> ps = d.problemas(0);
        QVERIFY2(tieneProblema(ps, campoProblema, texto, Problema::Gravedad(gravedad)), qPrintable(textos(ps)));
        // Saving refuses errors, and writes nothing; it asks about warnings.
        if (gravedad == Problema::Error) {
            QVERIFY2(d.errores().join(u'\n').contains(texto), qPrintable(d.errores().join(u'\n')));
            const QByteArray antes = leerTodo(r);
            QVERIFY(!d.guardar().ok);
            QCOMPARE(leerTodo(r), antes);
        } else
            QVERIFY2(d.avisos().join(u'\n').contains(enElAviso), qPrintable(d.avisos().join(u'\n')));
        // Mended, the problem goes.
        d.pila()->undo();
        QVERIFY2(d.problemas(0).empty(), qPrintable(textos(d.problemas(0))));
        QVERIFY(d.errores().isEmpty());
        QVERIFY2(d.avisos().isEmpty(), qPrintable(d.avisos().join(u'\n')));
    }

    // A CSV source names its passage; a missing one is a problem there.
    void faltaLaReferencia()
    {
        const QString r = ruta(QStringLiteral("ref.csv"));
        QVERIFY(escribirTodo(r, CabeceraFuente + "1,1,¿P?,a,b,c,d,A,0,1001,,\n"));
        Documento d(azar);
        QVERIFY(d.abrir(r).ok);
        QVERIFY(tieneProblema(d.problemas(0), Comprobador::CampoReferencia, QStringLiteral("falta la referencia")));
        d.cambiar(0, FilaEditable::Referencia, QStringLiteral("Génesis 1:1"));
        QVERIFY(!tieneProblema(d.problemas(0), Comprobador::CampoReferencia, QStringLiteral("falta la referencia")));
    }

    void filtroYOrden()
    {
        Documento d(azar);
        abrirVariada(d);
        d.cambiar(4, FilaBase::Enunciado, QStringLiteral("¿Qué hizo Noé?"));
        d.cambiar(7, FilaEditable::Evidencia, QStringLiteral("y Noé halló gracia"));
        FiltroPreguntas filtro;
        filtro.setSourceModel(d.modelo());
        QCOMPARE(filtro.rowCount(), 15);
        filtro.setBusqueda(QStringLiteral("NOE"));  // case and accents aside
        QCOMPARE(filtro.rowCount(), 2);
        filtro.setNivel(2);
        QCOMPARE(filtro.rowCount(), 1);
        QCOMPARE(filtro.index(0, ModeloPreguntas::ColId).data().toString(), QStringLiteral("2002"));
        filtro.setBusqueda(QStringLiteral("noé hizo"));  // every word, anywhere
        QCOMPARE(filtro.rowCount(), 1);
        filtro.setBusqueda(QStringLiteral("3003"));  // the ID too
        filtro.setNivel(0);
        QCOMPARE(filtro.rowCount(), 1);
        filtro.setBusqueda(QString());

        // IDs sort as numbers, whatever their tag.
        filtro.sort(ModeloPreguntas::ColId, Qt::DescendingOrder);
        QCOMPARE(filtro.index(0, ModeloPreguntas::ColId).data().toString(), QStringLiteral("5003"));
        QCOMPARE(filtro.index(14, ModeloPreguntas::ColId).data().toString(), QStringLiteral("1001"));
        // An edit shows at once in the filtered view.
        filtro.setBusqueda(QStringLiteral("arca"));
        QCOMPARE(filtro.rowCount(), 0);
        d.cambiar(0, FilaBase::RespD, QStringLiteral("El arca"));
        QCOMPARE(filtro.rowCount(), 1);
    }

    // Export writes orvalia-qdb's format: read back, it gives the very base;
    // a CSV source's passage goes with it.
    void exportarYVolver()
    {
        Documento d(azar);
        const QString r = abrirVariada(d);
        const QString csv = ruta(QStringLiteral("exportada.csv"));
        QVERIFY(d.exportar(csv).ok);
        const QByteArray texto = leerTodo(csv);
        QVERIFY(texto.startsWith("Orden,Nivel,Enunciado,RespA,RespB,RespC,RespD,LetraCorrecta,Veces,ID,Etiquetas\r\n"));
        const FuenteCsv f = FuenteCsv::leerArchivo(csv);
        QVERIFY2(f.valida(), qPrintable(f.error));
        TablaBase t;
        for (const FuenteCsv::Fila& x : f.filas)
            t.push_back(x.fila);
        QCOMPARE(ArchivoBase::serializar(t), leerTodo(r));

        d.cambiar(0, FilaEditable::Referencia, QStringLiteral("Génesis 1:1"));
        QVERIFY(d.exportar(csv).ok);
        const FuenteCsv g = FuenteCsv::leerArchivo(csv);
        QVERIFY(g.tieneReferencia());
        QCOMPARE(g.filas[0].referencia, QStringLiteral("Génesis 1:1"));
        // Opened in the editor, the export is the same bank.
        Documento otra(azar);
        QVERIFY(otra.abrir(csv).ok);
        QCOMPARE(otra.modelo()->filasTotal(), d.modelo()->filasTotal());
        for (int i = 0; i < otra.modelo()->filasTotal(); ++i)
            QCOMPARE(otra.modelo()->fila(i).fila, d.modelo()->fila(i).fila);
    }
};

QTEST_GUILESS_MAIN(TstDocumento)
#include "tst_Documento.moc"
