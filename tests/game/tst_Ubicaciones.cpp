// Where the game's files and the player's question base lie: beside the
// program as always when the player may write there, otherwise a per-user
// copy made from the shipped base and the only file the game then writes.
#include "fakes/ArchivosDePrueba.h"
#include "ArchivoBase.h"
#include "Archivos.h"
#include "CerrojoBase.h"
#include "Citas.h"
#include "Pregunta.h"
#include "Ubicaciones.h"
#include "fakes/BaseDePrueba.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Every name in the folder with its bytes: what a run must leave as it was.
QMap<QString, QByteArray> contenido(const QString& carpeta)
{
    QMap<QString, QByteArray> c;
    for (const QString& n : QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        c.insert(n, leerTodo(QDir(carpeta).filePath(n)));
    return c;
}

bool nunca(const QString&) { return false; }

void escribirArchivo(const QString& ruta, const QByteArray& datos)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size());
}

// Runs juego here, or, with otraCuenta, in a child process of an account
// that is not root ("nobody"), for what root may read and a player may not.
// Its result, or 100 + the signal that ended it.
int comoJugador(bool otraCuenta, const std::function<int()>& juego)
{
    if (!otraCuenta)
        return juego();
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        const int r = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 ? juego() : 99;
        ::_exit(r);
    }
    int estado = 0;
    if (hijo < 0 || ::waitpid(hijo, &estado, 0) != hijo)
        return 98;
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : 100 + WTERMSIG(estado);
}
}

class TstUbicaciones : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString ruta(const QString& r) const { return dir.filePath(r); }

private slots:
    void init() { QVERIFY(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path())); }

    // The package puts the program in /usr/games and its files in
    // /usr/share/games/orvalia; anywhere else they lie beside the program.
    void carpetaJuego_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("compartida");  // made when not empty
        QTest::addColumn<QString>("esperada");
        QTest::newRow("beside the program") << "bin" << "" << "bin";
        QTest::newRow("Debian package") << "usr/games" << "usr/share/games/orvalia" << "usr/share/games/orvalia";
    }
    void carpetaJuego()
    {
        QFETCH(QString, programa);
        QFETCH(QString, compartida);
        QFETCH(QString, esperada);
        QVERIFY(QDir().mkpath(ruta(programa)));
        if (!compartida.isEmpty())
            QVERIFY(QDir().mkpath(ruta(compartida)));
        QCOMPARE(Ubicaciones::CarpetaJuego(ruta(programa)), ruta(esperada));
    }

    void ubicarBase_data()
    {
        QTest::addColumn<bool>("compartida");
        QTest::addColumn<bool>("escribible");
        QTest::addColumn<bool>("porUsuario");
        QTest::newRow("portable, writable: as always") << false << true << false;
        QTest::newRow("portable, read-only") << false << false << true;
        // Even root, who may write there, leaves the package's files alone.
        QTest::newRow("package, writable") << true << true << true;
        QTest::newRow("package") << true << false << true;
    }
    void ubicarBase()
    {
        QFETCH(bool, compartida);
        QFETCH(bool, escribible);
        QFETCH(bool, porUsuario);
        const QString juego = QStringLiteral("/juego");
        const QString usuario = QStringLiteral("/casa/.local/share/Orvalia");
        const auto b = Ubicaciones::UbicarBase(juego, compartida, usuario, [&](const QString& c) {
            return c == juego && escribible;
        });
        QCOMPARE(b.rutas.principal, (porUsuario ? usuario : juego) + QStringLiteral("/QBase.qdb"));
        QCOMPARE(b.rutas.respaldo, QStringLiteral("/juego/QBase.bak"));
        QCOMPARE(b.inicial, porUsuario ? QStringLiteral("/juego/QBase.qdb") : QString());
    }

    // A folder that cannot be written even by root: the default check sends
    // the base to the player's folder.
    void carpetaQueNoSePuedeEscribir()
    {
        QFile archivo(ruta(QStringLiteral("archivo")));
        QVERIFY(archivo.open(QIODevice::WriteOnly));
        archivo.close();
        const QString juego = ruta(QStringLiteral("archivo/juego"));
        QVERIFY(Ubicaciones::CarpetaEscribible(dir.path()));
        QCOMPARE(Ubicaciones::UbicarBase(juego, false, ruta(QStringLiteral("u"))).rutas.principal,
                 ruta(QStringLiteral("u/QBase.qdb")));
    }

    // A folder the player may write holding a QBase.qdb they may not (copied
    // read-only, another user's): every save of it would fail, so the base
    // is the player's own copy, made from that file with its counts.
    void baseQueNoSePuedeEscribir()
    {
        const QString juego = ruta(QStringLiteral("juego"));
        EscribirBaseDePrueba(juego, 2, true);
        const QString qdb = juego + QStringLiteral("/QBase.qdb");
        const QString usuario = ruta(QStringLiteral("casa/Orvalia"));
        const auto b = Ubicaciones::UbicarBase(juego, false, usuario, [&](const QString& r) { return r != qdb; });
        QCOMPARE(b.rutas.principal, usuario + QStringLiteral("/QBase.qdb"));
        QCOMPARE(b.inicial, qdb);
        // No QBase.qdb yet: the folder alone decides, as before.
        QVERIFY(QFile::remove(qdb));
        const auto c = Ubicaciones::UbicarBase(juego, false, usuario, [&](const QString& r) { return r != qdb; });
        QCOMPARE(c.rutas.principal, qdb);
    }

    // First start in a folder the player may not write: the shipped base is
    // copied to the player's folder, and from then on only that copy is
    // read and written, the lock beside it; the game's folder stays as it
    // was. A second start keeps the player's counts.
    void primeraVezPorUsuario()
    {
        const QString juego = ruta(QStringLiteral("juego"));
        EscribirBaseDePrueba(juego, 2, true);
        const auto antes = contenido(juego);
        const auto b = Ubicaciones::UbicarBase(juego, false, ruta(QStringLiteral("casa/datos/Orvalia")), nunca);

        QVERIFY(Ubicaciones::Preparar(b));
        QCOMPARE(leerTodo(b.rutas.principal), antes.value(QStringLiteral("QBase.qdb")));
        Azar azar;
        qint32 id = 0;
        {
            auto q = Pregunta::Crear(b.rutas, azar);
            QVERIFY(q);
            QVERIFY(q->Guarda());
            QVERIFY(!q->RespaldoUsado());
            QVERIFY(QFile::exists(CerrojoBase::Ruta(b.rutas.principal)));
            q->PreguntaNueva(1);
            id = q->ID();
            q->SePreguntó();
        }
        QCOMPARE(contenido(juego), antes);

        QVERIFY(Ubicaciones::Preparar(b));  // the next start
        const ArchivoBase::Lectura l = ArchivoBase::leerArchivo(b.rutas.principal);
        QVERIFY(l.valida());
        int contadas = 0;
        for (const FilaBase& f : l.tabla)
            if (f.valor(FilaBase::Veces).enteroLeido() != 0) {
                QCOMPARE(f.valor(FilaBase::ID).enteroLeido(), qint64(id));
                QCOMPARE(f.valor(FilaBase::Veces).enteroLeido(), qint64(1));
                ++contadas;
            }
        QCOMPARE(contadas, 1);
    }

    // The passages go with the per-user copy, also to a copy made before
    // they were shipped; passages already there are never replaced, and
    // what is not a file is never copied.
    void citasConLaCopia_data()
    {
        QTest::addColumn<QString>("enElJuego");  // "archivo", "carpeta" or "nada"
        QTest::addColumn<bool>("copiaHecha");
        QTest::addColumn<QByteArray>("yaPuestas");
        QTest::addColumn<bool>("copiadas");
        QTest::newRow("primera vez") << QStringLiteral("archivo") << false << QByteArray() << true;
        QTest::newRow("copia de antes sin pasajes") << QStringLiteral("archivo") << true << QByteArray() << true;
        QTest::newRow("pasajes ya puestos") << QStringLiteral("archivo") << true << QByteArray("ID\tpropias\n") << false;
        QTest::newRow("el juego no los trae") << QStringLiteral("nada") << false << QByteArray() << false;
        QTest::newRow("una carpeta en su lugar") << QStringLiteral("carpeta") << false << QByteArray() << false;
    }
    void citasConLaCopia()
    {
        QFETCH(QString, enElJuego);
        QFETCH(bool, copiaHecha);
        QFETCH(QByteArray, yaPuestas);
        QFETCH(bool, copiadas);
        const QString juego = ruta(QStringLiteral("juego"));
        EscribirBaseDePrueba(juego, 2, true);
        const QByteArray pasajes = "ID\tReferencia\tTexto\tEvidencia\n1001\tGénesis 1:1\tEN el principio\tprincipio\n";
        const QString delJuego = QDir(juego).filePath(QStringLiteral("QBase.citas"));
        if (enElJuego == QLatin1String("archivo"))
            escribirArchivo(delJuego, pasajes);
        else if (enElJuego == QLatin1String("carpeta"))
            QVERIFY(QDir().mkpath(delJuego));
        const auto b = Ubicaciones::UbicarBase(juego, false, ruta(QStringLiteral("casa/Orvalia")), nunca);
        const QString propias = ruta(QStringLiteral("casa/Orvalia/QBase.citas"));
        if (copiaHecha) {
            QVERIFY(QDir().mkpath(ruta(QStringLiteral("casa/Orvalia"))));
            QVERIFY(QFile::copy(b.inicial, b.rutas.principal));
        }
        if (!yaPuestas.isEmpty())
            escribirArchivo(propias, yaPuestas);

        QVERIFY(Ubicaciones::Preparar(b));
        if (copiadas)
            QCOMPARE(leerTodo(propias), pasajes);
        else if (!yaPuestas.isEmpty())
            QCOMPARE(leerTodo(propias), yaPuestas);
        else
            QVERIFY(!QFileInfo::exists(propias));
        QCOMPARE(Citas::DeLaBase(b.rutas).cuantas(), enElJuego == QLatin1String("archivo") && yaPuestas.isEmpty() ? 1 : 0);
    }

    // No per-user folder can be made: the game plays from QBase.bak and
    // still writes nothing beside its files.
    void sinCarpetaDeUsuario()
    {
        const QString juego = ruta(QStringLiteral("juego"));
        EscribirBaseDePrueba(juego, 2, true);
        QFile archivo(ruta(QStringLiteral("casa")));
        QVERIFY(archivo.open(QIODevice::WriteOnly));
        archivo.close();
        const auto antes = contenido(juego);
        const auto b = Ubicaciones::UbicarBase(juego, false, ruta(QStringLiteral("casa/Orvalia")), nunca);

        QVERIFY(!Ubicaciones::Preparar(b));
        Azar azar;
        {
            auto q = Pregunta::Crear(b.rutas, azar);
            QVERIFY(q);
            QVERIFY(q->RespaldoUsado());
            q->PreguntaNueva(1);
            q->SePreguntó();
        }
        QCOMPARE(contenido(juego), antes);
    }

    // A QBase.qdb the player may not read (another account's file saved
    // with umask 077), or a folder in its place, in a folder the player may
    // write: the counts go to the player's own copy, made from QBase.bak,
    // from the first question on; the game's folder stays as it was.
    void baseQueNoSePuedeLeer_data()
    {
        QTest::addColumn<bool>("carpeta");  // else a file of mode 000
        QTest::newRow("a folder in its place") << true;
        QTest::newRow("mode 000") << false;
    }
    void baseQueNoSePuedeLeer()
    {
        QFETCH(bool, carpeta);
        const QString juego = ruta(QStringLiteral("juego"));
        EscribirBaseDePrueba(juego, 2, true);
        const QString qdb = juego + QStringLiteral("/QBase.qdb");
        QVERIFY(QFile::remove(qdb));
        if (carpeta) {
            QVERIFY(QDir().mkpath(qdb));
        } else {
            escribirArchivo(qdb, ArchivoBase::serializar(TablaDePrueba(3)));
            QVERIFY(QFile::setPermissions(qdb, QFileDevice::Permissions()));
        }
        // Root reads a file of mode 000: the game is then played by an
        // account that cannot, as the player is.
        const bool otraCuenta = !carpeta && ::geteuid() == 0;
        if (otraCuenta)
            QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777))
                    && QFile::setPermissions(juego, QFileDevice::Permissions(0x7777)));
        const auto antes = contenido(juego);
        const QString usuario = ruta(QStringLiteral("casa/Orvalia"));

        const int r = comoJugador(otraCuenta, [&] {
            const auto b = Ubicaciones::UbicarBase(juego, false, usuario);
            if (b.rutas.principal != usuario + QStringLiteral("/QBase.qdb"))
                return 10;
            if (!Ubicaciones::Preparar(b))
                return 11;
            Azar azar;
            auto q = Pregunta::Crear(b.rutas, azar);
            if (!q || !q->Guarda() || q->RespaldoUsado())
                return 12;
            q->PreguntaNueva(1);
            q->SePreguntó();
            return 0;
        });
        QCOMPARE(r, 0);
        QCOMPARE(contenido(juego), antes);
        const ArchivoBase::Lectura l = ArchivoBase::leerArchivo(usuario + QStringLiteral("/QBase.qdb"));
        QVERIFY(l.valida());
        QCOMPARE(l.tabla.size(), size_t(10));  // the backup's two a level
        qint64 veces = 0;
        for (const FilaBase& f : l.tabla)
            veces += f.valor(FilaBase::Veces).enteroLeido();
        QCOMPARE(veces, qint64(1));
        QFile::setPermissions(qdb, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // Whatever the program's file is called (Orvalia, orvalia, orvalia-qdb,
    // this test), every program of the game shares one per-user folder; a
    // folder set by a test is a portable install.
    void baseDelJugador()
    {
        QCOMPARE(Ubicaciones::CarpetaUsuario(),
                 QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Orvalia"));
        FijarCarpetaPrograma(dir.path());
        const auto b = Ubicaciones::BaseDelJugador();
        FijarCarpetaPrograma(QString());
        QCOMPARE(b.rutas.principal, ruta(QStringLiteral("QBase.qdb")));
        QVERIFY(b.inicial.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstUbicaciones)
#include "tst_Ubicaciones.moc"
