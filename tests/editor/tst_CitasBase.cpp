// A base's passages travel in its companion (QBase.citas): the editor reads
// them with the base and writes them back on saving, following the rows
// through deletions, new levels and undo, and never wiping what it could not
// read.
#include "fakes/ArchivosDePrueba.h"
#include "ArchivoBase.h"
#include "Archivos.h"
#include "Biblia.h"
#include "Citas.h"
#include "Documento.h"
#include "ModeloPreguntas.h"
#include "fakes/BaseDePrueba.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace {

const QByteArray Cabecera = "ID\tReferencia\tTexto\tEvidencia\n";
// Génesis 6:14 in the Reina-Valera 1909, as the verse panel reads it.
const QByteArray Arca = "Hazte un arca de madera de Gopher: harás aposentos en el arca, y la embetunarás con brea "
                        "por dentro y por fuera.";
// The same reference with a text only an earlier companion could hold.
const QByteArray Guardado = "1001\tGénesis 6:14\tel texto de antes\tun arca\n";
const QByteArray Jonas = "2001\tJonás 1:17\tMAS Jehová había prevenido un gran pez\tun gran pez\n";

enum class Accion { Referencia, Nada, Borrar, BorrarYDeshacer, CambiarNivel, EscrituraFallida };

}  // namespace

Q_DECLARE_METATYPE(Accion)

class TstCitasBase : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("datos")).toUtf8()); }
    void cleanup() { ArchivoBase::fijarLimiteEscritura(-1); }

    // antes: the companion before opening (null: none). despues: after the
    // edit and the save, "<arca>" standing for the verse read from the Bible.
    void guardar_data()
    {
        QTest::addColumn<QByteArray>("antes");
        QTest::addColumn<Accion>("accion");
        QTest::addColumn<bool>("conBiblia");
        QTest::addColumn<QByteArray>("despues");

        const QByteArray nueva = "1001\tGénesis 6:14\t<arca>\tun arca\n";
        QTest::newRow("referencia escrita, versículo de la Biblia")
            << QByteArray() << Accion::Referencia << true << Cabecera + nueva;
        // A known reference keeps its text: reading every verse again
        // would make each save take seconds.
        QTest::newRow("con la Biblia, el texto de antes")
            << Cabecera + Guardado << Accion::Nada << true << Cabecera + Guardado;
        QTest::newRow("sin texto antes, de la Biblia")
            << Cabecera + "1001\tGénesis 6:14\t\tun arca\n" << Accion::Nada << true << Cabecera + nueva;
        QTest::newRow("sin la Biblia, el texto de antes")
            << Cabecera + Guardado + Jonas << Accion::Nada << false << Cabecera + Guardado + Jonas;
        QTest::newRow("sin la Biblia ni texto de antes")
            << QByteArray() << Accion::Referencia << false << Cabecera + "1001\tGénesis 6:14\t\tun arca\n";
        QTest::newRow("nada que guardar, ningún archivo") << QByteArray() << Accion::Nada << false << QByteArray();
        QTest::newRow("borrada, su línea se va")
            << Cabecera + Guardado + Jonas << Accion::Borrar << false << Cabecera + Jonas;
        QTest::newRow("borrada y vuelta, su línea vuelve")
            << Cabecera + Guardado + Jonas << Accion::BorrarYDeshacer << false << Cabecera + Guardado + Jonas;
        QTest::newRow("otro nivel, la línea la sigue") << Cabecera + Guardado + Jonas << Accion::CambiarNivel << false
                                                       << Cabecera + "2003" + Guardado.mid(4) + Jonas;
        // Lines for questions the base never had, and lines that do not
        // read, are not this editor's to drop; a question given a stray
        // line's ID takes it over.
        const QByteArray rota = "5001\tG\xe9nesis 6:14\tHazte\tun arca";
        QTest::newRow("líneas ajenas y rotas quedan")
            << Cabecera + "9999\tÉxodo 3:2\tla zarza\tzarza\n" + rota + "\n2003\tÉxodo 3:3\tver\tver\n" + Jonas
            << Accion::CambiarNivel << false
            << Cabecera + "2001\tJonás 1:17\tMAS Jehová había prevenido un gran pez\tun gran pez\n"
                          "9999\tÉxodo 3:2\tla zarza\tzarza\n"
                   + rota + '\n';
        // Too big to read: what it holds is unknown, so it stays.
        const QByteArray enorme = Cabecera + Guardado + QByteArray(Citas::MayorArchivo, 'x');
        QTest::newRow("ilegible al abrir, intacto") << enorme << Accion::Referencia << true << enorme;
        QTest::newRow("escritura fallida, el de antes") << Cabecera + Guardado + Jonas << Accion::EscrituraFallida
                                                        << false << Cabecera + Guardado + Jonas;
    }
    void guardar()
    {
        QFETCH(QByteArray, antes);
        QFETCH(Accion, accion);
        QFETCH(bool, conBiblia);
        QFETCH(QByteArray, despues);

        const QString carpeta = dir.filePath(QString::fromLatin1(QTest::currentDataTag()).toUtf8().toHex());
        QVERIFY(QDir().mkpath(carpeta));
        const QString base = carpeta + QStringLiteral("/QBase.qdb");
        const QString citas = carpeta + QStringLiteral("/QBase.citas");
        QVERIFY(ArchivoBase::escribir(base, TablaDePrueba(2)));
        if (!antes.isNull())
            QVERIFY(escribirTodo(citas, antes));

        const Biblia sistema;
        const Biblia vacia(carpeta);  // no module there
        if (despues.contains("<arca>") && !sistema.disponible())
            QSKIP("the SWORD module spaRV1909eb (Debian package sword-text-sparv) is not installed");
        despues.replace("<arca>", Arca);

        Documento d;
        d.setBiblia(conBiblia ? &sistema : &vacia);
        const Documento::Resultado a = d.abrir(base);
        QVERIFY2(a.ok, qPrintable(a.mensaje));
        ModeloPreguntas& m = *d.modelo();
        QCOMPARE(ModeloPreguntas::id(m.fila(0)), 1001);
        if (antes.startsWith(Cabecera + Guardado) && antes.size() <= Citas::MayorArchivo) {
            // Read with the base, as a CSV's columns are.
            QCOMPARE(m.fila(0).referencia, QStringLiteral("Génesis 6:14"));
            QCOMPARE(m.fila(0).evidencia, QStringLiteral("un arca"));
        }

        switch (accion) {
        case Accion::Referencia:
            QVERIFY(d.cambiar(0, FilaEditable::Referencia, QStringLiteral("Génesis 6:14")).ok);
            QVERIFY(d.cambiar(0, FilaEditable::Evidencia, QStringLiteral("un arca")).ok);
            break;
        case Accion::EscrituraFallida:
            // The base goes whole (a phrase changes none of its bytes); the
            // companion, longer, is cut short.
            QVERIFY(d.cambiar(0, FilaEditable::Evidencia, QString(2000, u'a')).ok);
            QVERIFY(leerTodo(base).size() < 1500);
            ArchivoBase::fijarLimiteEscritura(1500);
            break;
        case Accion::Nada:
            QVERIFY(d.cambiar(0, FilaBase::Enunciado, QStringLiteral("¿Qué construyó Noé?")).ok);
            break;
        case Accion::Borrar:
            QVERIFY(d.borrar(0).ok);
            break;
        case Accion::BorrarYDeshacer:
            QVERIFY(d.borrar(0).ok);
            d.pila()->undo();
            break;
        case Accion::CambiarNivel:
            QVERIFY(d.cambiar(0, FilaBase::Nivel, 2).ok);
            break;
        }
        if (accion == Accion::CambiarNivel) {
            // The question moved is 1001's, whatever row it stands in now.
            bool hallada = false;
            for (const FilaEditable& f : m.filas())
                hallada = hallada || ModeloPreguntas::id(f) == 2003;
            QVERIFY(hallada);
        }

        const Documento::Resultado g = d.guardar();
        QVERIFY2(g.ok == (accion != Accion::EscrituraFallida), qPrintable(g.mensaje));
        QCOMPARE(d.modificado(), !g.ok);
        if (despues.isNull())
            QVERIFY(!QFile::exists(citas));
        else
            QCOMPARE(leerTodo(citas), despues);
        // Written aside and renamed: nothing is left beside it.
        const QString aparte = QFileInfo(NombreDeGuardado(citas)).fileName() + u'*';
        QCOMPARE(QDir(carpeta).entryList({aparte}, QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TstCitasBase)
#include "tst_CitasBase.moc"
