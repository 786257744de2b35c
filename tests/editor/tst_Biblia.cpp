#include "Biblia.h"
#include "Csv.h"
#include "Libros.h"
#include "Numeracion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Cita::Estado)
Q_DECLARE_METATYPE(Pasaje::Estado)
Q_DECLARE_METATYPE(MarcaFrase::Estado)

namespace {

// One Bible for the whole program: opening it reads every module's settings.
const Biblia& biblia()
{
    static const Biblia b;
    return b;
}

#define NECESITA_BIBLIA()                                                                              \
    do {                                                                                               \
        if (!Biblia::conSword())                                                                       \
            QSKIP("built without libsword: the Bible text is not read");                             \
        if (!biblia().disponible())                                                                    \
            QSKIP("the SWORD module spaRV1909eb (Debian package sword-text-sparv) is not installed"); \
    } while (false)

const QString Abre = QStringLiteral("<span style=\"background-color:#ffcc30;color:#000080;font-weight:bold\">");

}  // namespace

class TstBiblia : public QObject {
    Q_OBJECT
private slots:
    // Reading a reference needs no Bible.
    void leer_data()
    {
        QTest::addColumn<QString>("referencia");
        QTest::addColumn<Cita::Estado>("estado");
        QTest::addColumn<QString>("libro");
        QTest::addColumn<int>("capitulo");
        QTest::addColumn<int>("desde");
        QTest::addColumn<int>("hasta");
        using E = Cita::Estado;
        QTest::newRow("one verse") << "Génesis 6:14" << E::Valida << "Génesis" << 6 << 14 << 14;
        QTest::newRow("range, blanks around") << "  Juan 3:16-18 " << E::Valida << "Juan" << 3 << 16 << 18;
        QTest::newRow("numbered book") << "1 Reyes 3:9" << E::Valida << "1 Reyes" << 3 << 9 << 9;
        QTest::newRow("last book") << "Apocalipsis 22:21" << E::Valida << "Apocalipsis" << 22 << 21 << 21;
        QTest::newRow("empty") << "  " << E::Vacia << "" << 0 << 0 << 0;
        QTest::newRow("no verse") << "Génesis 6" << E::MalEscrita << "" << 0 << 0 << 0;
        QTest::newRow("open range") << "Génesis 6:14-" << E::MalEscrita << "" << 0 << 0 << 0;
        QTest::newRow("no space") << "Génesis6:14" << E::MalEscrita << "" << 0 << 0 << 0;
        QTest::newRow("two chapters") << "Génesis 6:14-7:2" << E::MalEscrita << "" << 0 << 0 << 0;
        QTest::newRow("comma list") << "Génesis 6:14,16" << E::MalEscrita << "" << 0 << 0 << 0;
        QTest::newRow("no accent") << "Genesis 6:14" << E::LibroDesconocido << "" << 6 << 14 << 14;
        QTest::newRow("English code") << "Gen 6:14" << E::LibroDesconocido << "" << 6 << 14 << 14;
        QTest::newRow("backwards") << "Génesis 6:16-14" << E::AlReves << "Génesis" << 6 << 16 << 14;
    }
    void leer()
    {
        QFETCH(QString, referencia);
        QFETCH(Cita::Estado, estado);
        QFETCH(QString, libro);
        QFETCH(int, capitulo);
        QFETCH(int, desde);
        QFETCH(int, hasta);
        const Cita c = Cita::leer(referencia);
        QCOMPARE(c.estado, estado);
        QCOMPARE(Libros::nombre(c.libro), libro);
        QCOMPARE(c.capitulo, capitulo);
        QCOMPARE(c.desde, desde);
        QCOMPARE(c.hasta, hasta);
        QCOMPARE(c.texto(), c.valida() ? referencia.trimmed() : QString());
    }

    // What the editor says of a reference it cannot look up, with or without
    // the Bible: the shape of the reference comes first.
    void referenciaErronea_data()
    {
        QTest::addColumn<QString>("referencia");
        QTest::addColumn<Pasaje::Estado>("estado");
        QTest::addColumn<QString>("dice");
        using E = Pasaje::Estado;
        QTest::newRow("empty") << "" << E::SinReferencia << "Escribe la referencia";
        QTest::newRow("malformed") << "Génesis 6" << E::MalEscrita << "«Génesis 6» está mal escrita";
        QTest::newRow("backwards") << "Génesis 6:16-14" << E::MalEscrita << "va antes que el primero";
        QTest::newRow("near name") << "genesis 6:14" << E::LibroDesconocido << "¿Quisiste decir «Génesis»?";
        QTest::newRow("near numbered") << "1reyes 3:9" << E::LibroDesconocido << "¿Quisiste decir «1 Reyes»?";
        QTest::newRow("unknown") << "Gen 6:14" << E::LibroDesconocido << "No hay ningún libro llamado «Gen»";
    }
    void referenciaErronea()
    {
        QFETCH(QString, referencia);
        QFETCH(Pasaje::Estado, estado);
        QFETCH(QString, dice);
        QTemporaryDir vacia;
        const Biblia sinTexto(vacia.path());
        for (const Biblia* b : {&biblia(), &sinTexto}) {
            const Pasaje p = b->pasaje(referencia);
            QCOMPARE(p.estado(), estado);
            QVERIFY2(p.mensaje().contains(dice), qPrintable(p.mensaje()));
            QVERIFY(p.versiculos().isEmpty());
        }
    }

    void sinModulo()
    {
        QTemporaryDir vacia;
        const Biblia b(vacia.path());
        QVERIFY(!b.disponible());
        const Pasaje p = b.pasaje(QStringLiteral("Génesis 6:14"));
        QCOMPARE(p.estado(), Pasaje::Estado::NoDisponible);
        QVERIFY2(p.mensaje().contains(QStringLiteral("El texto de la Biblia no está disponible")),
                 qPrintable(p.mensaje()));
        const MarcaFrase m = p.marcar(QStringLiteral("Hazte un arca"));
        QCOMPARE(m.estado, MarcaFrase::Estado::SinPasaje);
        QCOMPARE(m.mensaje, p.mensaje());
        QVERIFY(m.html.contains(QStringLiteral("no está disponible")));
    }

    void conocido_data()
    {
        QTest::addColumn<QString>("referencia");
        QTest::addColumn<QList<int>>("numeros");
        QTest::addColumn<QString>("texto");
        QTest::newRow("Génesis 6:14") << "Génesis 6:14" << QList<int>{14}
                                      << "Hazte un arca de madera de Gopher: harás aposentos en el arca, y la "
                                         "embetunarás con brea por dentro y por fuera.";
        // The module tags "de Jesucristo" with two Strong's numbers and keeps
        // the second in its plain text.
        QTest::newRow("Strong's stripped") << "Mateo 1:1" << QList<int>{1}
                                           << "LIBRO de la generación de Jesucristo, hijo de David, hijo de Abraham.";
        QTest::newRow("range") << "Génesis 50:25-26" << QList<int>{25, 26}
                               << "Y conjuró José á los hijos de Israel, diciendo: Dios ciertamente os visitará, "
                                  "y haréis llevar de aquí mis huesos. Y murió José de edad de ciento diez años; y "
                                  "embalsamáronlo, y fué puesto en un ataúd en Egipto.";
        QTest::newRow("last verse of the Bible") << "Apocalipsis 22:21" << QList<int>{21}
                                                 << "La gracia de nuestro Señor Jesucristo sea con todos vosotros. "
                                                    "Amén.";
    }
    void conocido()
    {
        NECESITA_BIBLIA();
        QFETCH(QString, referencia);
        QFETCH(QList<int>, numeros);
        QFETCH(QString, texto);
        const Pasaje p = biblia().pasaje(referencia);
        QCOMPARE(p.estado(), Pasaje::Estado::Encontrado);
        QVERIFY(p.mensaje().isEmpty());
        QList<int> leidos;
        for (const Versiculo& v : p.versiculos())
            leidos << v.numero;
        QCOMPARE(leidos, numeros);
        QCOMPARE(p.texto(), texto);
        QCOMPARE(p.referencia(), referencia);
    }

    // Every known difference between the module's numbering and the printed
    // one, from the file the question checks' test reads too: where the
    // printed verse begins in the module and how its text begins and ends.
    void numeracion_data()
    {
        QTest::addColumn<QString>("impreso");
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("empieza");
        QTest::addColumn<QString>("termina");
        QFile f(QStringLiteral(ORVALIA_NUMERACION_ESPERADA));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lineas = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(lineas.size() > 40);
        for (qsizetype i = 1; i < lineas.size(); ++i) {
            const QStringList c = lineas[i].split(QLatin1Char('\t'));
            QCOMPARE(c.size(), 4);
            QTest::newRow(qPrintable(c[0])) << c[0] << c[1] << c[2] << c[3];
        }
    }
    void numeracion()
    {
        QFETCH(QString, impreso);
        QFETCH(QString, clave);
        QFETCH(QString, empieza);
        QFETCH(QString, termina);
        QCOMPARE(Numeracion::filasIlegibles(), 0);
        const Cita cita = Cita::leer(impreso);
        QVERIFY(cita.valida());
        const Numeracion::Inicio inicio = Numeracion::inicio(cita.libro, cita.capitulo, cita.desde);
        QCOMPARE(QStringLiteral("%1 %2:%3").arg(QLatin1String(Libros::lista()[size_t(cita.libro)].osis))
                     .arg(inicio.capitulo).arg(inicio.verso),
                 clave);
        NECESITA_BIBLIA();
        const Pasaje p = biblia().pasaje(cita);
        QCOMPARE(p.estado(), Pasaje::Estado::Encontrado);
        QVERIFY2(p.texto().startsWith(empieza) && p.texto().endsWith(termina), qPrintable(p.texto()));
    }

    // VerseKey turns Génesis 50:30 into Éxodo 1:4 by itself; each of these
    // must be said not to exist.
    void inexistente_data()
    {
        QTest::addColumn<QString>("referencia");
        QTest::addColumn<QString>("dice");
        QTest::newRow("verse past the chapter") << "Génesis 50:30" << "Génesis 50 tiene 26 versículos: no hay versículo 30.";
        QTest::newRow("range past the chapter") << "Génesis 50:26-27" << "no hay versículo 27";
        QTest::newRow("chapter past the book") << "Génesis 51:1" << "Génesis tiene 50 capítulos: no hay capítulo 51.";
        QTest::newRow("one-chapter book") << "Judas 2:1" << "Judas tiene un solo capítulo: no hay capítulo 2.";
        QTest::newRow("chapter 0") << "Génesis 0:1" << "no hay capítulo 0";
        QTest::newRow("verse 0") << "Génesis 1:0" << "no hay versículo 0";
        QTest::newRow("huge chapter") << "Génesis 99999999999:1" << "no hay capítulo";
        // Printed Bibles count one verse more than the module here.
        QTest::newRow("past the printed count") << "3 Juan 1:16" << "3 Juan 1 tiene 15 versículos: no hay versículo 16.";
    }
    void inexistente()
    {
        NECESITA_BIBLIA();
        QFETCH(QString, referencia);
        QFETCH(QString, dice);
        const Pasaje p = biblia().pasaje(referencia);
        QCOMPARE(p.estado(), Pasaje::Estado::NoExiste);
        QVERIFY2(p.mensaje().contains(dice), qPrintable(p.mensaje()));
        QVERIFY(p.versiculos().isEmpty());
    }

    void frase_data()
    {
        QTest::addColumn<QString>("referencia");
        QTest::addColumn<QString>("frase");
        QTest::addColumn<MarcaFrase::Estado>("estado");
        QTest::addColumn<int>("veces");
        QTest::addColumn<QString>("enHtml");
        QTest::addColumn<QString>("dice");
        using E = MarcaFrase::Estado;
        const QString nada;
        QTest::newRow("present") << "Génesis 6:14" << "Hazte un arca de madera de Gopher" << E::Marcada << 1
                                 << Abre + "Hazte un arca de madera de Gopher</span>: harás" << nada;
        QTest::newRow("white space collapsed") << "Génesis 6:14" << "  Hazte un\n arca  de madera " << E::Marcada << 1
                                               << Abre + "Hazte un arca de madera</span> de Gopher" << nada;
        QTest::newRow("every occurrence") << "Génesis 6:14" << "arca" << E::Marcada << 2
                                          << "un " + Abre + "arca</span> de madera de Gopher: harás aposentos en el "
                                                 + Abre + "arca</span>," << nada;
        QTest::newRow("across two verses") << "Génesis 50:25-26" << "mis huesos. Y murió José" << E::Marcada << 1
                                           << Abre + "mis huesos. </span><sup>26</sup>&nbsp;" + Abre + "Y murió José</span>"
                                           << nada;
        QTest::newRow("absent") << "Génesis 6:14" << "Noé entró en el arca" << E::NoEsta << 0 << "<sup>14</sup>"
                                << "La frase «Noé entró en el arca» no está en Génesis 6:14.";
        QTest::newRow("case differs") << "Génesis 6:14" << "hazte un arca" << E::NoEsta << 0 << "Hazte un arca"
                                      << "Está escrita de otro modo";
        QTest::newRow("accent differs") << "Génesis 50:26" << "Y murio José" << E::NoEsta << 0 << "murió"
                                        << "Está escrita de otro modo";
        QTest::newRow("signs differ") << "Génesis 6:14" << "madera de Gopher, harás" << E::NoEsta << 0 << "Gopher: harás"
                                      << "Está escrita de otro modo";
        QTest::newRow("no phrase") << "Génesis 6:14" << " " << E::SinFrase << 0 << "Hazte un arca"
                                   << "Falta la frase";
        QTest::newRow("no passage") << "Génesis 50:30" << "Hazte" << E::SinPasaje << 0 << "no hay versículo 30"
                                    << "no hay versículo 30";
    }
    void frase()
    {
        NECESITA_BIBLIA();
        QFETCH(QString, referencia);
        QFETCH(QString, frase);
        QFETCH(MarcaFrase::Estado, estado);
        QFETCH(int, veces);
        QFETCH(QString, enHtml);
        QFETCH(QString, dice);
        const MarcaFrase m = biblia().pasaje(referencia).marcar(frase);
        QCOMPARE(m.estado, estado);
        QCOMPARE(m.veces, veces);
        QVERIFY2(m.html.contains(enHtml), qPrintable(m.html));
        QVERIFY2(dice.isEmpty() ? m.mensaje.isEmpty() : m.mensaje.contains(dice), qPrintable(m.mensaje));
        if (estado != MarcaFrase::Estado::Marcada)
            QVERIFY(!m.html.contains(QStringLiteral("<span")));
    }

    // The passage is text, never markup, whatever the phrase holds.
    void htmlEscapado()
    {
        const Pasaje p = Pasaje::encontrado(Cita::leer(QStringLiteral("Génesis 1:1")),
                                            {{1, QStringLiteral("a <b>uno</b> & dos")}});
        const MarcaFrase m = p.marcar(QStringLiteral("& dos"));
        QCOMPARE(m.estado, MarcaFrase::Estado::Marcada);
        QVERIFY2(m.html.contains(QStringLiteral("a &lt;b&gt;uno&lt;/b&gt; ") + Abre + QStringLiteral("&amp; dos</span>")),
                 qPrintable(m.html));
    }

    // Every shipped question, read the editor's way, agrees with the
    // sources' checker: its reference names verses of this Bible and its
    // phrase is marked in them.
    void fuentes()
    {
        NECESITA_BIBLIA();
        const QDir carpeta(QStringLiteral(ORVALIA_PREGUNTAS));
        const QStringList archivos = carpeta.entryList({QStringLiteral("nivel*.csv")}, QDir::Files, QDir::Name);
        QVERIFY(!archivos.isEmpty());
        int filas = 0;
        for (const QString& nombre : archivos) {
            QFile f(carpeta.filePath(nombre));
            QVERIFY(f.open(QIODevice::ReadOnly));
            std::vector<Csv::Registro> registros;
            QString error;
            int lineaError = 0;
            QVERIFY2(Csv::leer(f.readAll(), registros, &error, &lineaError), qPrintable(nombre + error));
            const QStringList cabecera = registros.at(0).campos;
            const qsizetype ref = cabecera.indexOf(QStringLiteral("Referencia"));
            const qsizetype evi = cabecera.indexOf(QStringLiteral("Evidencia"));
            QVERIFY(ref >= 0 && evi >= 0);
            for (size_t i = 1; i < registros.size(); ++i, ++filas) {
                const Csv::Registro& r = registros[i];
                const QString donde = QStringLiteral("%1:%2: ").arg(nombre).arg(r.linea);
                const MarcaFrase m = biblia().pasaje(r.campos.at(ref)).marcar(r.campos.at(evi));
                QVERIFY2(m.estado == MarcaFrase::Estado::Marcada, qPrintable(donde + m.mensaje));
            }
        }
        QVERIFY(filas > 700);
    }
};

QTEST_GUILESS_MAIN(TstBiblia)
#include "tst_Biblia.moc"
