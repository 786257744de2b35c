#include "Almacen.h"
#include "Arranque.h"
#include "Modulo.h"
#include "Opciones.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
const QString I = QStringLiteral("Inicio");
const QString P = QStringLiteral("Players");

// A store in a temporary folder, the mirrors read from it as at start-up, and
// an options window whose board is a few counters.
struct Banco {
    QTemporaryDir dir;
    std::unique_ptr<Almacen> a;
    Modulo m;
    QList<qint16> volumenes;  // Volume at each "onto the players"
    int barajadas = 0;
    bool siAlPreguntar = true;  // the players' answer to the reshuffle's question
    QStringList pasos;          // the question, the reshuffle and the news, in order
    bool inicio = true;
    QList<int> segundos;
    std::unique_ptr<Opciones> o;

    explicit Banco(std::initializer_list<std::pair<QString, QString>> inicioClaves = {},
                   std::initializer_list<std::pair<QString, QString>> jugadores = {})
    {
        a = std::make_unique<Almacen>(dir.filePath(QStringLiteral("o.ini")));
        for (const auto& [k, v] : inicioClaves)
            a->escribir(I, k, v);
        for (const auto& [k, v] : jugadores)
            a->escribir(P, k, v);
        LeerAjustesInicio(m, *a);
    }
    Opciones& abrir(bool mostrar = true)
    {
        EnlacesOpciones e;
        e.aplicarVolumen = [this] { volumenes << m.Volume; };
        e.barajar = [this] {
            ++barajadas;
            pasos << QStringLiteral("barajar");
        };
        e.consulta.preguntar = [this](QWidget* padre, const QString& p) {
            pasos << (padre == o.get() ? p : QStringLiteral("<otra ventana>"));
            return siAlPreguntar;
        };
        e.consulta.avisar = [this](QWidget* padre, const QString& a) {
            pasos << (padre == o.get() ? a : QStringLiteral("<otra ventana>"));
        };
        e.inicioVisible = [this] { return inicio; };
        e.fijarSegundos = [this](int s) { segundos << s; };
        o = std::make_unique<Opciones>(m, *a, e);
        if (mostrar) {
            o->show();
            o->activateWindow();
            if (!QTest::qWaitForWindowActive(o.get()))
                qWarning("the options window did not become active");
        }
        return *o;
    }
    const ControlesOpciones& c() const { return o->controles(); }
    QString leer(const QString& s, const QString& k) const { return a->leer(s, k, QStringLiteral("<nada>")); }
};

QList<bool> habilitados(const ControlesOpciones& c)
{
    QList<bool> r;
    for (QLineEdit* n : c.nomJug)
        r << n->isEnabled();
    return r;
}
}

class TstOpciones : public QObject {
    Q_OBJECT
private slots:
    void textosYFoco();
    void aperturaDejaLoGuardado_data();
    void aperturaDejaLoGuardado();
    void teclasDeLaCuenta_data();
    void teclasDeLaCuenta();
    void pegadoAcabaEnCuenta_data();
    void pegadoAcabaEnCuenta();
    void silencioYCancelar();
    void deslizadorConSilencio();
    void interruptoresAlMomento();
    void tipoDeJuegoConUnJugador();
    void entrePreguntasSinJugadoresNiBarajar();
    void reinicializarPreguntaAntes_data();
    void reinicializarPreguntaAntes();
    void duracion_data();
    void duracion();
    void aceptarGuardaTodo();
    void cancelarYCierreNoGuardan();
    void publico_data();
    void publico();
    void versiculo_data();
    void versiculo();
};

void TstOpciones::textosYFoco()
{
    Banco b({}, {{QStringLiteral("Total"), QStringLiteral("6")}});
    Opciones& o = b.abrir();
    const ControlesOpciones& c = b.c();
    QCOMPARE(o.windowTitle(), QStringLiteral("Opciones"));
    QCOMPARE(c.frameVolumen->title(), QStringLiteral("Volumen del sonido"));
    QCOMPARE(c.Check1->text(), QStringLiteral("silencio"));
    QCOMPARE(c.Check2[1]->text(), QStringLiteral("al responder, pasar automáticamente a la siguiente pregunta"));
    QCOMPARE(c.Label5->text(), QStringLiteral("Presionar el botón para volver a barajar el lote de preguntas."));
    QCOMPARE(c.frameTiempo->title(), QStringLiteral("Duración de preguntas"));
    QCOMPARE(c.Command1->text(), QStringLiteral("A&yuda"));
    QCOMPARE(c.Slider1->minimum(), -4000);
    QCOMPARE(c.Slider1->maximum(), 0);
    QCOMPARE(o.size(), QSize(708, 398));  // the design's 482 x 381, the room's column, the verse's box below it
    QCOMPARE(c.frameJugadores->geometry(), QRect(0, 232, 481, 125));

    // "silencio" first, then the focus order the players know.
    QCOMPARE(o.focusWidget(), static_cast<QWidget*>(c.Check1));
    const QList<QWidget*> orden = {c.Check2[0], c.Check2[2], c.Check2[1], c.cmdReInitialize, c.optTipoJuego[0],
                                   c.totalJug, c.nomJug[0], c.nomJug[1], c.nomJug[2], c.nomJug[3], c.nomJug[4],
                                   c.nomJug[5], c.Command1, c.cmdCancel, c.cmdOK, c.Slider1};
    for (QWidget* siguiente : orden) {
        QTest::keyClick(o.focusWidget(), Qt::Key_Tab);
        QCOMPARE(o.focusWidget(), siguiente);
    }
}

void TstOpciones::aperturaDejaLoGuardado_data()
{
    QTest::addColumn<QString>("volumen");
    QTest::addColumn<QString>("silencio");
    QTest::addColumn<int>("esperado");
    QTest::newRow("con sonido") << "-1500" << "0" << -1500;
    QTest::newRow("silencio") << "-1500" << "1" << -10000;
    QTest::newRow("fuera del deslizador") << "-6000" << "0" << -6000;
}

void TstOpciones::aperturaDejaLoGuardado()
{
    QFETCH(QString, volumen);
    QFETCH(QString, silencio);
    QFETCH(int, esperado);
    Banco b({{QStringLiteral("Volume"), volumen}, {QStringLiteral("Silence"), silencio},
             {QStringLiteral("noSoundAsk"), QStringLiteral("1")}});
    b.abrir(false);
    QCOMPARE(int(b.m.Volume), esperado);
    QVERIFY(!b.volumenes.isEmpty());
    QCOMPARE(int(b.volumenes.last()), esperado);
    QCOMPARE(b.c().Check1->isChecked(), silencio == QLatin1String("1"));
    QVERIFY(b.c().Check2[2]->isChecked());
    QCOMPARE(b.m.noSoundAsk, 1);
}

void TstOpciones::teclasDeLaCuenta_data()
{
    QTest::addColumn<QString>("teclas");   // one key per character; '\r' Enter, '\b' Backspace
    QTest::addColumn<QString>("texto");    // in the box right after (left already when the focus moved)
    QTest::addColumn<bool>("sigue");       // the focus went on to the first name
    QTest::addColumn<QString>("alSalir");  // in the box once the focus has left
    QTest::addColumn<int>("nombres");      // name boxes enabled
    QTest::newRow("4") << "4" << "4" << true << "4" << 4;
    QTest::newRow("Enter") << "\r" << "1" << true << "1" << 1;  // emptied, then left
    QTest::newRow("x") << "x" << "" << false << "1" << 1;
    QTest::newRow("7") << "7" << "" << false << "1" << 1;
    QTest::newRow("0") << "0" << "" << false << "1" << 1;
    QTest::newRow("Backspace") << "\b" << "" << false << "1" << 1;
    QTest::newRow("x luego 6") << "x6" << "6" << true << "6" << 6;
}

void TstOpciones::teclasDeLaCuenta()
{
    QFETCH(QString, teclas);
    QFETCH(QString, texto);
    QFETCH(bool, sigue);
    QFETCH(QString, alSalir);
    QFETCH(int, nombres);
    Banco b({}, {{QStringLiteral("Total"), QStringLiteral("3")}});
    Opciones& o = b.abrir();
    const ControlesOpciones& c = b.c();
    c.totalJug->setFocus();
    QCOMPARE(o.focusWidget(), static_cast<QWidget*>(c.totalJug));
    for (QChar ch : teclas) {
        if (ch == QLatin1Char('\r'))
            QTest::keyClick(c.totalJug, Qt::Key_Return);
        else if (ch == QLatin1Char('\b'))
            QTest::keyClick(c.totalJug, Qt::Key_Backspace);
        else
            QTest::keyClick(c.totalJug, ch.toLatin1());
    }
    QCOMPARE(c.totalJug->text(), texto);
    QCOMPARE(o.focusWidget() == c.nomJug[0], sigue);
    if (!sigue)
        c.nomJug[0]->setFocus();
    QCOMPARE(c.totalJug->text(), alSalir);
    QList<bool> esperado;
    for (int i = 0; i < 6; ++i)
        esperado << (i < nombres);
    QCOMPARE(habilitados(c), esperado);
    QCOMPARE(int(b.m.TotalJugadores), nombres);
    QCOMPARE(c.frameTipoJuego->isEnabled(), nombres != 1);
}

void TstOpciones::pegadoAcabaEnCuenta_data()
{
    QTest::addColumn<QString>("pegado");
    QTest::addColumn<QString>("alSalir");
    QTest::newRow("9") << "9" << "6";
    QTest::newRow("0") << "0" << "1";
    QTest::newRow("letra") << "z" << "1";
    QTest::newRow("2") << "2" << "2";
}

void TstOpciones::pegadoAcabaEnCuenta()
{
    QFETCH(QString, pegado);
    QFETCH(QString, alSalir);
    Banco b;
    b.abrir();
    const ControlesOpciones& c = b.c();
    c.totalJug->setFocus();
    c.totalJug->setText(pegado);  // as a paste from the box's menu leaves it
    c.Check1->setFocus();
    QCOMPARE(c.totalJug->text(), alSalir);

    // Accepted straight away, the store still gets a count 1 to 6.
    c.totalJug->setText(pegado);
    QTest::mouseClick(c.cmdOK, Qt::LeftButton);
    QCOMPARE(b.leer(P, QStringLiteral("Total")), alSalir);
}

void TstOpciones::silencioYCancelar()
{
    Banco b({{QStringLiteral("Volume"), QStringLiteral("-1200")}});
    b.abrir();
    b.volumenes.clear();
    QTest::mouseClick(b.c().Check1, Qt::LeftButton, {}, QPoint(6, b.c().Check1->height() / 2));
    QCOMPARE(int(b.m.Volume), -10000);
    QCOMPARE(b.volumenes, QList<qint16>{-10000});
    QTest::mouseClick(b.c().cmdCancel, Qt::LeftButton);
    QVERIFY(!b.o->isVisible());
    QCOMPARE(int(b.m.Volume), -1200);
    QCOMPARE(int(b.volumenes.last()), -1200);
    QCOMPARE(b.leer(I, QStringLiteral("Silence")), QStringLiteral("<nada>"));
}

void TstOpciones::deslizadorConSilencio()
{
    Banco b({{QStringLiteral("Volume"), QStringLiteral("-1200")}});
    b.abrir();
    b.c().Check1->click();
    b.c().Slider1->setValue(-2500);
    QCOMPARE(int(b.m.Volume), -10000);
    b.c().Check1->click();
    QCOMPARE(int(b.m.Volume), -2500);
    b.c().Check1->click();
    QTest::mouseClick(b.c().cmdOK, Qt::LeftButton);
    QCOMPARE(b.leer(I, QStringLiteral("Volume")), QStringLiteral("-2500"));
    QCOMPARE(b.leer(I, QStringLiteral("Silence")), QStringLiteral("1"));
    QCOMPARE(int(b.m.Volume), -10000);
}

void TstOpciones::interruptoresAlMomento()
{
    Banco b;
    b.abrir();
    b.c().Check2[0]->click();
    QVERIFY(b.m.noSoundAnswer);
    b.c().Check2[2]->click();
    QCOMPARE(b.m.noSoundAsk, 1);
    b.c().Check2[1]->click();
    QVERIFY(b.m.jumpNext);
    b.c().Check2[2]->click();
    QCOMPARE(b.m.noSoundAsk, 0);
}

void TstOpciones::tipoDeJuegoConUnJugador()
{
    Banco b({{QStringLiteral("ContinuousPlay"), QStringLiteral("False")}});
    b.abrir();
    const ControlesOpciones& c = b.c();
    QVERIFY(c.optTipoJuego[0]->isChecked());
    QVERIFY(!c.frameTipoJuego->isEnabled());
    QVERIFY(b.m.ContinuousPlay);

    c.totalJug->setFocus();
    QTest::keyClick(c.totalJug, '3');
    QVERIFY(c.frameTipoJuego->isEnabled());
    c.optTipoJuego[1]->click();
    QVERIFY(!b.m.ContinuousPlay);
    c.totalJug->setFocus();
    QTest::keyClick(c.totalJug, '1');
    QVERIFY(!c.frameTipoJuego->isEnabled());
    QVERIFY(c.optTipoJuego[1]->isChecked());  // lowering the count only disables the group
    QVERIFY(!b.m.ContinuousPlay);

    // With several players stored, the stored type stands.
    Banco v({{QStringLiteral("ContinuousPlay"), QStringLiteral("False")}}, {{QStringLiteral("Total"), QStringLiteral("2")}});
    v.abrir(false);
    QVERIFY(v.c().optTipoJuego[1]->isChecked());
    QVERIFY(v.c().frameTipoJuego->isEnabled());
    QVERIFY(!v.m.ContinuousPlay);
}

void TstOpciones::entrePreguntasSinJugadoresNiBarajar()
{
    Banco b({}, {{QStringLiteral("Total"), QStringLiteral("2")}});
    b.inicio = false;
    b.abrir(false);
    QVERIFY(!b.c().frameJugadores->isEnabled());
    QVERIFY(!b.c().frameOpciones->isEnabled());
    QVERIFY(b.c().frameTipoJuego->isEnabled());
    b.inicio = true;
    b.abrir(false);
    QVERIFY(b.c().frameJugadores->isEnabled());
    QVERIFY(b.c().frameOpciones->isEnabled());
}

void TstOpciones::reinicializarPreguntaAntes_data()
{
    const QString pregunta = QStringLiteral("¿Poner a cero el recuento de todas las preguntas?");
    QTest::addColumn<bool>("si");
    QTest::addColumn<QStringList>("pasos");
    QTest::newRow("sí") << true
                        << QStringList{pregunta, QStringLiteral("barajar"),
                                       QStringLiteral("Listo: el recuento de todas las preguntas está a cero y el "
                                                      "lote, barajado de nuevo.")};
    QTest::newRow("no") << false << QStringList{pregunta};
}

// Asked first, said when done; what was done stays whatever closes the window.
void TstOpciones::reinicializarPreguntaAntes()
{
    QFETCH(bool, si);
    QFETCH(QStringList, pasos);
    Banco b;
    b.siAlPreguntar = si;
    b.abrir();
    QTest::mouseClick(b.c().cmdReInitialize, Qt::LeftButton);
    QCOMPARE(b.pasos, pasos);
    QVERIFY(b.o->isVisible());
    QTest::mouseClick(b.c().cmdCancel, Qt::LeftButton);
    QCOMPARE(b.barajadas, si ? 1 : 0);
}

void TstOpciones::duracion_data()
{
    QTest::addColumn<QString>("completa");
    QTest::addColumn<bool>("elige45");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("segundos");
    QTest::addColumn<QString>("carpeta");
    QTest::newRow("sin música larga") << "False" << true << false << 30 << "\\MP3\\";
    QTest::newRow("larga, 45") << "True" << true << true << 45 << "\\MP3_45\\";
    QTest::newRow("larga, 30") << "True" << false << true << 30 << "\\MP3\\";
}

void TstOpciones::duracion()
{
    QFETCH(QString, completa);
    QFETCH(bool, elige45);
    QFETCH(bool, visible);
    QFETCH(int, segundos);
    QFETCH(QString, carpeta);
    Banco b({{QStringLiteral("FullMusicVersion"), completa}});
    b.abrir();
    QCOMPARE(b.c().frameTiempo->isVisible(), visible);
    if (elige45)
        b.c().optDura[1]->setChecked(true);
    QCOMPARE(b.m.segundosPregunta(), 30);  // nothing until the window closes
    QTest::mouseClick(b.c().cmdOK, Qt::LeftButton);
    QCOMPARE(b.segundos, QList<int>{segundos});
    QCOMPARE(b.m.CarpetaMP3, carpeta);
}

void TstOpciones::aceptarGuardaTodo()
{
    Banco b({}, {{QStringLiteral("Total"), QStringLiteral("2")}});
    b.abrir();
    const ControlesOpciones& c = b.c();
    c.Slider1->setValue(-800);
    c.Check2[0]->click();
    c.Check2[1]->click();
    c.optTipoJuego[1]->click();
    c.totalJug->setFocus();
    QTest::keyClick(c.totalJug, '3');
    QTest::keyClicks(c.nomJug[0], QStringLiteral("Ana"));
    c.nomJug[1]->setText(QString());
    c.nomJug[2]->setText(QStringLiteral("Rut"));
    c.nomJug[5]->setText(QStringLiteral("Eva"));  // disabled, still stored
    QTest::mouseClick(c.cmdOK, Qt::LeftButton);
    QVERIFY(!b.o->isVisible());

    QCOMPARE(b.leer(I, QStringLiteral("Volume")), QStringLiteral("-800"));
    QCOMPARE(b.leer(I, QStringLiteral("Silence")), QStringLiteral("0"));
    QCOMPARE(b.leer(P, QStringLiteral("Total")), QStringLiteral("3"));
    QCOMPARE(b.leer(P, QStringLiteral("0")), QStringLiteral("Ana"));
    QCOMPARE(b.leer(P, QStringLiteral("1")), QString());
    QCOMPARE(b.leer(P, QStringLiteral("2")), QStringLiteral("Rut"));
    QCOMPARE(b.leer(P, QStringLiteral("3")), QStringLiteral("Jugador 3"));
    QCOMPARE(b.leer(P, QStringLiteral("5")), QStringLiteral("Eva"));
    QCOMPARE(b.leer(I, QStringLiteral("noSoundAnswer")), QStringLiteral("1"));
    QCOMPARE(b.leer(I, QStringLiteral("noSoundAsk")), QStringLiteral("0"));
    QCOMPARE(b.leer(I, QStringLiteral("jumpNext")), QStringLiteral("1"));
    QCOMPARE(b.leer(I, QStringLiteral("ContinuousPlay")), QStringLiteral("False"));
    QCOMPARE(b.leer(I, QStringLiteral("PreguntaCorta")), QStringLiteral("True"));

    // The mirrors read back what was stored.
    QCOMPARE(int(b.m.Volume), -800);
    QCOMPARE(int(b.m.TotalJugadores), 3);
    QCOMPARE(b.m.Jugadores[0].Nombre, QStringLiteral("Ana"));
    QCOMPARE(b.m.Jugadores[5].Nombre, QStringLiteral("Eva"));
    QVERIFY(b.m.noSoundAnswer && b.m.jumpNext && !b.m.ContinuousPlay);
    QCOMPARE(int(b.volumenes.last()), -800);
}

void TstOpciones::cancelarYCierreNoGuardan()
{
    for (bool cruz : {false, true}) {
        Banco b({{QStringLiteral("Volume"), QStringLiteral("-300")}}, {{QStringLiteral("Total"), QStringLiteral("2")}});
        b.abrir();
        const ControlesOpciones& c = b.c();
        c.Slider1->setValue(-3000);
        c.Check2[0]->click();
        c.optTipoJuego[1]->click();
        c.nomJug[0]->setText(QStringLiteral("Otro"));
        c.totalJug->setFocus();
        QTest::keyClick(c.totalJug, '5');
        QCOMPARE(int(b.m.TotalJugadores), 5);
        if (cruz)
            b.o->close();
        else
            QTest::mouseClick(c.cmdCancel, Qt::LeftButton);
        QVERIFY(!b.o->isVisible());
        QCOMPARE(b.leer(I, QStringLiteral("Volume")), QStringLiteral("-300"));
        QCOMPARE(b.leer(P, QStringLiteral("0")), QStringLiteral("<nada>"));
        QCOMPARE(int(b.m.Volume), -300);
        QVERIFY(!b.m.noSoundAnswer);
        QVERIFY(b.m.ContinuousPlay);
        QCOMPARE(int(b.m.TotalJugadores), 2);
        QCOMPARE(b.m.Jugadores[0].Nombre, QStringLiteral("Jugador 0"));
        QCOMPARE(b.segundos, QList<int>{30});
    }
}

void TstOpciones::publico_data()
{
    QTest::addColumn<QString>("guardado");  // SalaPublico, JuegaElPublico as stored; empty: none
    QTest::addColumn<QString>("clics");     // s: the room's box, j: the playing box
    QTest::addColumn<bool>("aceptar");
    QTest::addColumn<QString>("queda");     // in the store afterwards, as "SalaPublico JuegaElPublico"
    QTest::newRow("de entrada, nada") << "" << "" << true << "False False";
    QTest::newRow("abrir la sala") << "" << "s" << true << "True False";
    QTest::newRow("y jugar") << "" << "sj" << true << "True True";
    QTest::newRow("cancelar") << "" << "sj" << false << "<nada> <nada>";
    QTest::newRow("cerrarla") << "True True" << "s" << true << "False True";
    QTest::newRow("cancelar el cierre") << "True False" << "s" << false << "True False";
}

// The room's two boxes, off by default; stored like the other switches by
// "&Aceptar" only, and the room follows the store as the window closes.
void TstOpciones::publico()
{
    QFETCH(QString, guardado);
    QFETCH(QString, clics);
    QFETCH(bool, aceptar);
    QFETCH(QString, queda);
    Banco b;
    if (!guardado.isEmpty()) {
        b.a->escribir(I, QStringLiteral("SalaPublico"), guardado.section(QLatin1Char(' '), 0, 0));
        b.a->escribir(I, QStringLiteral("JuegaElPublico"), guardado.section(QLatin1Char(' '), 1, 1));
    }
    QList<QPair<bool, bool>> aplicado;
    EnlacesOpciones e;
    e.aplicarPublico = [&](bool sala, bool juega) { aplicado.append({sala, juega}); };
    Opciones o(b.m, *b.a, e);
    const ControlesOpciones& c = o.controles();
    QCOMPARE(c.framePublico->title(), QStringLiteral("Público"));
    QCOMPARE(c.chkSalaPublico->text(), QStringLiteral("El público puede unirse desde sus teléfonos"));
    QCOMPARE(c.chkJuegaElPublico->text(), QStringLiteral("El público también juega"));
    // Beside the others, overlapping none of them.
    for (QWidget* w : o.findChildren<QGroupBox*>())
        if (w != c.framePublico)
            QVERIFY(!w->geometry().intersects(c.framePublico->geometry()));
    QCOMPARE(c.chkSalaPublico->isChecked(), guardado.startsWith(QLatin1String("True")));
    QCOMPARE(c.chkJuegaElPublico->isEnabled(), c.chkSalaPublico->isChecked());
    QVERIFY(aplicado.isEmpty());  // nothing switches while the window is open
    for (QChar k : clics)
        (k == QLatin1Char('s') ? c.chkSalaPublico : c.chkJuegaElPublico)->click();
    QCOMPARE(c.chkJuegaElPublico->isEnabled(), c.chkSalaPublico->isChecked());
    QVERIFY(aplicado.isEmpty());
    if (aceptar)
        c.cmdOK->click();
    else
        c.cmdCancel->click();
    QCOMPARE(b.leer(I, QStringLiteral("SalaPublico")) + QLatin1Char(' ') + b.leer(I, QStringLiteral("JuegaElPublico")),
             queda);
    const bool sala = queda.startsWith(QLatin1String("True"));
    const bool juega = queda.endsWith(QLatin1String("True"));
    QCOMPARE(aplicado, (QList<QPair<bool, bool>>{{sala, juega}}));
    QCOMPARE(b.m.SalaPublico, sala);
    QCOMPARE(b.m.JuegaElPublico, juega);
}

void TstOpciones::versiculo_data()
{
    QTest::addColumn<QString>("guardado");  // "MostrarVersiculo" as stored; empty: none
    QTest::addColumn<bool>("clic");
    QTest::addColumn<bool>("aceptar");
    QTest::addColumn<QString>("queda");     // in the store afterwards
    QTest::newRow("de entrada, marcada") << "" << false << true << "1";
    QTest::newRow("quitarla") << "" << true << true << "0";
    QTest::newRow("cancelar") << "" << true << false << "<nada>";
    QTest::newRow("volver a ponerla") << "0" << true << true << "1";
    QTest::newRow("cancelar, apagada") << "0" << true << false << "0";
}

// The verse card's box: ticked unless stored off, the mirror live while the
// window is open, stored by "&Aceptar" only, last in the focus chain, and
// usable during a game, clear of every other control.
void TstOpciones::versiculo()
{
    QFETCH(QString, guardado);
    QFETCH(bool, clic);
    QFETCH(bool, aceptar);
    QFETCH(QString, queda);
    Banco b;
    if (!guardado.isEmpty()) {
        b.a->escribir(I, QStringLiteral("MostrarVersiculo"), guardado);
        LeerAjustesInicio(b.m, *b.a);
    }
    b.inicio = false;  // between two questions
    const bool antes = guardado != QLatin1String("0");
    QCOMPARE(b.m.MostrarVersiculo, antes);
    b.abrir();
    const ControlesOpciones& c = b.c();
    QCOMPARE(c.chkVersiculo->text(), QStringLiteral("Mostrar el versículo después de cada respuesta"));
    QCOMPARE(c.chkVersiculo->isChecked(), antes);
    QVERIFY(c.chkVersiculo->isEnabled() && c.chkVersiculo->isVisibleTo(b.o.get()));
    QVERIFY(b.o->rect().contains(c.chkVersiculo->geometry()));
    for (QWidget* w : b.o->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != c.chkVersiculo)
            QVERIFY2(!w->geometry().intersects(c.chkVersiculo->geometry()), qPrintable(w->objectName()));
    c.chkJuegaElPublico->setEnabled(true);
    c.chkJuegaElPublico->setFocus();
    QTest::keyClick(c.chkJuegaElPublico, Qt::Key_Tab);
    QCOMPARE(b.o->focusWidget(), static_cast<QWidget*>(c.chkVersiculo));
    if (clic) {
        c.chkVersiculo->click();
        QCOMPARE(b.m.MostrarVersiculo, !antes);
    }
    (aceptar ? c.cmdOK : c.cmdCancel)->click();
    QCOMPARE(b.leer(I, QStringLiteral("MostrarVersiculo")), queda);
    QCOMPARE(b.m.MostrarVersiculo, queda == QLatin1String("<nada>") ? antes : queda == QLatin1String("1"));
}

QTEST_MAIN(TstOpciones)
#include "tst_Opciones.moc"
