// The editor and the game on one base: whoever holds the base's lock writes
// it, and the other says why it does not.
//
// Run as "orvalia-editor --guardar-y-esperar BASE" (a copy of this program
// under the editor's name) it opens BASE as the editor does, adds and saves
// a question, says "guardado ID" and waits to be killed: the editor, open,
// while the game starts.
#include "fakes/ArchivosDePrueba.h"
#include "ArchivoBase.h"
#include "Biblia.h"
#include "CerrojoBase.h"
#include "Documento.h"
#include "FormularioPregunta.h"
#include "CajaPregunta.h"
#include "ModeloPreguntas.h"
#include "Pregunta.h"
#include "VentanaEditor.h"
#include "fakes/BaseDePrueba.h"
#include "fakes/DialogosFalsos.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>

namespace {
qint64 vecesDe(const TablaBase& t, qint32 id)
{
    for (const FilaBase& f : t)
        if (f[FilaBase::ID].numero() == id)
            return qint64(f[FilaBase::Veces].numero());
    return -1;
}

bool tieneId(const TablaBase& t, qint32 id) { return vecesDe(t, id) >= 0; }

// The editor's side of the second sequence, in the helper process.
int guardarYEsperar(const QString& base)
{
    Documento d;
    if (!d.abrir(base).ok || d.soloLectura())
        return 1;
    const int fila = d.agregar(3);
    d.cambiar(fila, FilaBase::Enunciado, QStringLiteral("¿Quién construyó el arca?"));
    const QStringList r{QStringLiteral("Moisés"), QStringLiteral("Noé"), QStringLiteral("Abraham"), QStringLiteral("David")};
    for (int i = 0; i < 4; ++i)
        d.cambiar(fila, FilaBase::RespA + i, r[i]);
    d.cambiar(fila, FilaBase::LetraCorrecta, 1);
    if (!d.guardar().ok)
        return 2;
    std::printf("guardado %lld\n", static_cast<long long>(ModeloPreguntas::id(d.modelo()->fila(fila))));
    std::fflush(stdout);
    QThread::sleep(600);
    return 0;
}
}  // namespace

class TstCerrojoEditor : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QTemporaryDir sinBiblia;
    QString base() const { return dir.filePath(Pregunta::NombreArchivo()); }

private slots:
    void init() { EscribirBaseDePrueba(dir.path(), 5); }

    // The game first: the editor opens the base read-only and says to
    // close the game; once the game has closed (writing its counts), the
    // editor takes the base again, with those counts, and saves.
    void juegoAbiertoPrimero()
    {
        Azar azar;
        azar.sembrar(3);
        auto juego = Pregunta::Crear(dir.path(), azar);
        QVERIFY(juego && juego->Guarda());

        const Biblia biblia(sinBiblia.path());
        DialogosFalsos d;
        VentanaEditor v(d, biblia);
        v.show();
        QVERIFY(v.abrir(base()));
        Documento* doc = v.documento();
        QVERIFY(doc->soloLectura());
        QVERIFY2(doc->motivoSoloLectura().contains(QStringLiteral("Cierra el juego para guardar los cambios")),
                 qPrintable(doc->motivoSoloLectura()));
        QVERIFY(v.aviso()->isVisible());
        // The program's name ends the title, once: a desktop adds it to a
        // title that does not end with it.
        QCOMPARE(v.windowTitle(), QStringLiteral("QBase.qdb[*] (solo lectura) — Editor de preguntas"));
        QVERIFY(v.botonReintentar()->isVisible());
        QVERIFY(!v.acciones().guardar->isEnabled());
        QVERIFY(!v.acciones().nueva->isEnabled());
        QVERIFY(v.formulario()->pregunta()->isReadOnly());
        QVERIFY(!doc->cambiar(0, FilaBase::Enunciado, QStringLiteral("¿Otra?")).ok);
        QVERIFY(doc->agregar(2) < 0);
        const QByteArray antes = leerTodo(base());
        QVERIFY(!v.guardar());
        QCOMPARE(leerTodo(base()), antes);

        // Still running: trying again changes nothing.
        QTest::mouseClick(v.botonReintentar(), Qt::LeftButton);
        QVERIFY(doc->soloLectura());

        juego->PreguntaNueva(2);
        const qint32 preguntada = juego->ID();
        juego->SePreguntó();
        juego.reset();  // the game closes and writes its counts

        QTest::mouseClick(v.botonReintentar(), Qt::LeftButton);
        QVERIFY(!doc->soloLectura());
        QVERIFY(!v.aviso()->isVisible());
        QVERIFY(v.acciones().guardar->isEnabled());
        QCOMPARE(vecesDe([&] {
                     TablaBase t;
                     for (const FilaEditable& f : doc->modelo()->filas())
                         t.push_back(f.fila);
                     return t;
                 }(),
                         preguntada),
                 qint64(1));
        const int fila = doc->agregar(2);
        QVERIFY(fila >= 0);
        doc->cambiar(fila, FilaBase::Enunciado, QStringLiteral("¿Nueva?"));
        for (int i = 0; i < 4; ++i)
            doc->cambiar(fila, FilaBase::RespA + i, QString(QChar(u'a' + i)));
        doc->cambiar(fila, FilaBase::LetraCorrecta, 0);
        QVERIFY(doc->guardar().ok);
        const TablaBase t = ArchivoBase::leerArchivo(base()).tabla;
        QVERIFY(tieneId(t, 2006));
        QCOMPARE(vecesDe(t, preguntada), qint64(1));
    }

    // The real program ended from outside (the session ends) exits as if
    // closed: its lock goes, not left for the game to find and take over.
    void terminadoDesdeFueraSueltaElCerrojo()
    {
        QProcess editor;
        editor.setProcessEnvironment([&] {
            QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
            e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            e.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("datos")));
            return e;
        }());
        editor.start(QStringLiteral(ORVALIA_EDITOR), {base()});
        QVERIFY(editor.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(CerrojoBase::Ruta(base())), 20000);
        QTest::qWait(500);  // the window up and its loop running
        editor.terminate();  // SIGTERM
        QVERIFY(editor.waitForFinished(20000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 0);
        QVERIFY(!QFile::exists(CerrojoBase::Ruta(base())));
    }

    // The editor first: the game plays without writing back, says the
    // editor is open, and what the editor saved stays.
    void editorAbiertoPrimero()
    {
        const QString programa = dir.filePath(QStringLiteral("orvalia-editor"));
        QFile::remove(programa);
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), programa));
        QFile::setPermissions(programa, QFile::permissions(programa) | QFile::ExeOwner);
        QProcess editor;
        editor.start(programa, {QStringLiteral("--guardar-y-esperar"), base()});
        QVERIFY(editor.waitForReadyRead(20000));
        const QByteArray dicho = editor.readAll();
        QVERIFY2(dicho.startsWith("guardado 3006"), dicho.constData());
        const QByteArray guardado = leerTodo(base());
        QVERIFY(tieneId(ArchivoBase::leer(guardado).tabla, 3006));

        Azar azar;
        azar.sembrar(5);
        {
            auto juego = Pregunta::Crear(dir.path(), azar);
            QVERIFY(juego);
            QVERIFY(!juego->Guarda());
            QCOMPARE(juego->AvisoSinGuardar(), Pregunta::AvisoEditorAbierto());
            for (int i = 0; i < 6; ++i) {
                juego->PreguntaNueva(qint16(i % 5 + 1));
                juego->SePreguntó();
            }
            juego->Reiniciar();
        }  // and closes
        QCOMPARE(leerTodo(base()), guardado);

        editor.kill();
        editor.waitForFinished();
        // The editor gone, the game writes again (its lock left behind is stale).
        auto juego = Pregunta::Crear(dir.path(), azar);
        QVERIFY(juego && juego->Guarda());
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--guardar-y-esperar") {
        QApplication app(argc, argv);
        return guardarYEsperar(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    TstCerrojoEditor t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_CerrojoEditor.moc"
