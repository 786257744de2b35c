#include "ArnesTablero.h"
#include "Archivos.h"
#include "Dialog1.h"
#include "Estadisticas.h"
#include "EtiquetaNombre.h"
#include "Posiciones.h"
#include "PuntajePuntos.h"
#include "TarjetaVerso.h"

#include <QDir>
#include <QFile>

// Writes down every move and resize it gets, in order.
class Sonda : public QWidget {
public:
    using QWidget::QWidget;
    QStringList cambios;

protected:
    void moveEvent(QMoveEvent* e) override
    {
        cambios << QStringLiteral("pos %1,%2").arg(e->pos().x()).arg(e->pos().y());
    }
    void resizeEvent(QResizeEvent* e) override
    {
        cambios << QStringLiteral("tam %1x%2").arg(e->size().width()).arg(e->size().height());
    }
};

// The resize step on the real board.
class TstDisenoTablero : public QObject {
    Q_OBJECT

    // The placement table written out once more, independently of the board.
    struct Esperado {
        const char* nombre;
        int x, y, w, h;  // twips; -1 keep
    };
    static QList<Esperado> tabla()
    {
        return {{"Borde", 0, 0, 10710, 7620},        {"Image1", 60, 60, 2655, 3825},
                {"lblJugador", 2820, 60, 3390, 465}, {"txtPregunta", 2820, 660, 6195, 2760},
                {"cmdIniciar", 4200, 1800, -1, -1},  {"cmdOpciones", 6900, 120, -1, -1},
                {"Puntos1", 9060, 120, 1575, -1},    {"Resp1(0)", 240, 4560, 4875, 1575},
                {"Resp1(1)", 5520, 4560, 4875, 1575}, {"Resp1(2)", 240, 5640, 4875, 1575},
                {"Resp1(3)", 5520, 5640, 4875, 1575}, {"Comod", 120, 3840, 1755, 675},
                {"znBot", 60, 6930, 10590, 600},     {"lblNextPlayer", 4380, 90, 3210, 465},
                {"cmdRetira", 7800, 0, -1, -1},      {"Timer1", 4508, 3450, 1695, 975}};
    }
    static QWidget* elemento(const ElementosTablero& e, const QByteArray& n)
    {
        const QHash<QByteArray, QWidget*> w{
            {"Borde", e.Borde},       {"Image1", e.Image1},       {"lblJugador", e.lblJugador},
            {"txtPregunta", e.txtPregunta}, {"cmdIniciar", e.cmdIniciar}, {"cmdOpciones", e.cmdOpciones},
            {"Puntos1", e.Puntos1},   {"Resp1(0)", e.Resp1[0]},   {"Resp1(1)", e.Resp1[1]},
            {"Resp1(2)", e.Resp1[2]}, {"Resp1(3)", e.Resp1[3]},   {"Comod", e.comod},
            {"znBot", e.znBot},       {"lblNextPlayer", e.lblNextPlayer}, {"cmdRetira", e.cmdRetira},
            {"Timer1", e.Timer1}};
        return w.value(n);
    }
    static int px(double twips) { return int(std::lround(twips / 15.0)); }

    static void tamanoInterior(ArnesTablero& a, int w, int h)
    {
        a.t->resize(w, h);
        QTRY_COMPARE(a.t->size(), QSize(w, h));
    }

    static bool hayImagenes() { return QFile::exists(RutaPrograma(QStringLiteral("\\Imágenes\\Inic_big.gif"))); }

private slots:
    void init()
    {
        if (!hayImagenes() && QByteArray(QTest::currentTestFunction()) != "sinCarpetaDeImagenes")
            QSKIP("the pictures are not laid beside the program");
    }

    void escala_data()
    {
        QTest::addColumn<int>("factor");
        QTest::newRow("design 10710 x 7620") << 1;
        QTest::newRow("doubled 21420 x 15240") << 2;
    }
    void escala()
    {
        QFETCH(int, factor);
        ArnesTablero a;
        tamanoInterior(a, 714 * factor, 508 * factor);
        for (const Esperado& e : tabla()) {
            const QWidget* w = elemento(a.el(), e.nombre);
            QVERIFY2(w, e.nombre);
            QCOMPARE(w->pos(), QPoint(px(e.x * factor), px(e.y * factor)));
            if (e.w != -1)
                QCOMPARE(w->width(), px(e.w * factor));
            if (e.h != -1)
                QCOMPARE(w->height(), px(e.h * factor));
        }
        QCOMPARE(a.el().Puntos1->height(), 285);  // keeps its design height
        const QString grande = factor == 2 ? QStringLiteral("_big") : QStringLiteral("_sml");
        const QPixmap inic(RutaPrograma(QStringLiteral("\\Imágenes\\Inic") + grande + QStringLiteral(".gif")));
        QCOMPARE(a.el().cmdIniciar->size(), inic.size());
        const QPixmap cent(RutaPrograma(QStringLiteral("\\Imágenes\\Cent") + grande + QStringLiteral(".jpg")));
        QCOMPARE(a.el().Image1->pixmap().size(), cent.size());
        QCOMPARE(a.el().txtPregunta->font().pointSize(), factor == 2 ? 22 : 16);
        QCOMPARE(a.el().lblNextPlayer->font().pointSize(), factor == 2 ? 24 : 18);
        QCOMPARE(a.el().lblJugador->font().pointSize(), factor == 2 ? 24 : 18);
        // Not placed: they stay where the design put them.
        QCOMPARE(a.el().cmdResponder->pos(), QPoint(0, 0));
        QCOMPARE(a.el().cmdSigPreg->pos(), QPoint(0, 0));
        QCOMPARE(a.el().Label2->geometry(), QRect(4, 4, 41, 17));
    }

    // Left, top, width and height are four changes, one after the other.
    void colocaEscribeUnoTrasOtro()
    {
        QWidget padre;
        padre.resize(800, 600);
        Sonda w(&padre);
        w.setGeometry(1, 2, 3, 4);
        padre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&padre));
        w.cambios.clear();
        Diseno::Coloca(&w, 1500, 3000, 4500, 6000, 21420.f, 15240.f);
        QCOMPARE(w.cambios, (QStringList{QStringLiteral("pos 200,2"), QStringLiteral("pos 200,400"),
                                         QStringLiteral("tam 600x4"), QStringLiteral("tam 600x800")}));
        w.cambios.clear();
        Diseno::Coloca(&w, 0, 0, Diseno::Igual, Diseno::Igual, 10710.f, 7620.f);
        QCOMPARE(w.cambios, QStringList{QStringLiteral("pos 0,400")} << QStringLiteral("pos 0,0"));
    }

    void umbralDelJuegoGrande()
    {
        ArnesTablero a;
        const QSize chica = QPixmap(RutaPrograma(QStringLiteral("\\Imágenes\\Resp_sml.gif"))).size();
        const QSize grande = QPixmap(RutaPrograma(QStringLiteral("\\Imágenes\\Resp_big.gif"))).size();
        tamanoInterior(a, 1023, 300);  // 15345 twips
        QCOMPARE(a.el().cmdResponder->size(), chica);
        tamanoInterior(a, 1024, 300);  // 15360 twips; the height plays no part
        QCOMPARE(a.el().cmdResponder->size(), grande);
        QVERIFY(!Diseno::juegoGrande(15359));
        QVERIFY(Diseno::juegoGrande(15360));
    }

    void minimizado()
    {
        ArnesTablero a;
        tamanoInterior(a, 1428, 1016);
        const_cast<ElementosTablero&>(a.el()).Aplicar(0, 0);
        for (const Esperado& e : tabla()) {
            const QWidget* w = elemento(a.el(), e.nombre);
            QCOMPARE(w->pos(), QPoint(0, 0));
            if (e.w != -1)
                QCOMPARE(w->width(), 0);
            if (e.h != -1)
                QCOMPARE(w->height(), 0);
        }
        QCOMPARE(a.el().cmdIniciar->size(), QPixmap(RutaPrograma(QStringLiteral("\\Imágenes\\Inic_sml.gif"))).size());
    }

    void minimizarYRestaurar()
    {
        ArnesTablero a;
        tamanoInterior(a, 714, 508);
        a.t->showMinimized();
        QTRY_COMPARE(a.el().znBot->size(), QSize(0, 0));
        QCOMPARE(a.el().cmdIniciar->pos(), QPoint(0, 0));
        a.t->showNormal();
        QTRY_COMPARE(a.el().znBot->geometry(), QRect(4, 462, 706, 40));
    }

    // The inner sizes a maximised board really gets, under a window manager
    // with a title bar and a panel (about 40 px off the screen's height):
    // laptops, projectors, monitors, a 4K television; and the smallest board
    // of each picture set. At each one nothing may be cut or covered: the
    // picture buttons lie inside their container, the centre picture, the
    // answer bars and the lifelines inside their boxes, and what is drawn
    // (buttons, labels, ladder, countdown, lifelines, centre picture, the
    // four bars) keeps clear of each other: pictures and bars by a few
    // pixels at least, since touching reads as one thing.
    void nadaCortadoNiTapado_data()
    {
        QTest::addColumn<QSize>("interior");
        const QSize tamanos[] = {{640, 456},   {714, 508},   {800, 560},   {1023, 730},  {1024, 560},
                                 {1024, 728},  {1280, 680},  {1366, 728},  {1440, 860},  {1600, 860},
                                 {1920, 1040}, {2560, 1400}, {3840, 2120}, {1024, 600},  {1280, 760},
                                 {3840, 2100}};
        for (const QSize& t : tamanos)
            QTest::addRow("%dx%d", t.width(), t.height()) << t;
    }
    void nadaCortadoNiTapado()
    {
        QFETCH(QSize, interior);
        ArnesTablero a;
        tamanoInterior(a, interior.width(), interior.height());
        const ElementosTablero& e = a.el();
        auto enTablero = [&](const QWidget* w, QRect r) { return r.translated(w->mapTo(a.t.get(), QPoint(0, 0))); };
        auto caja = [&](const QWidget* w) { return enTablero(w, w->rect()); };

        QStringList fallos;
        const QList<QPair<const char*, const QWidget*>> botones{{"cmdIniciar", e.cmdIniciar},
                                                                {"cmdOpciones", e.cmdOpciones},
                                                                {"cmdResponder", e.cmdResponder},
                                                                {"cmdSigPreg", e.cmdSigPreg},
                                                                {"cmdRetira", e.cmdRetira}};
        for (const auto& [nombre, b] : botones) {
            const QWidget* contenedor = b->parentWidget();
            if (!contenedor->rect().contains(b->geometry()))
                fallos << QLatin1String(nombre) + QStringLiteral(" cut by ") +
                              (contenedor == e.znBot ? QStringLiteral("the bottom strip") : QStringLiteral("the board"));
        }
        const QSize imagen = e.Image1->pixmap().deviceIndependentSize().toSize();
        if (imagen.width() > e.Image1->width() || imagen.height() > e.Image1->height())
            fallos << QStringLiteral("centre picture cut by its box");
        // What of the centre picture is seen: its box's top-left corner on.
        const QRect centro(e.Image1->pos(), imagen.boundedTo(e.Image1->size()));
        for (size_t k = 0; k < 4; ++k)
            if (!e.Resp1[k]->rect().contains(e.Resp1[k]->cajaArte()))
                fallos << QStringLiteral("answer %1 cut by its box").arg(k);
        if (!e.comod->rect().contains(e.comod->cajaImagenes()))
            fallos << QStringLiteral("lifelines cut by their box");

        // Labels are their boxes; everything else is what it draws.
        const QSet<QString> etiquetas{QStringLiteral("lblNextPlayer"), QStringLiteral("lblJugador"),
                                      QStringLiteral("txtPregunta")};
        const QList<QPair<QString, QRect>> zonas{
            {QStringLiteral("cmdIniciar"), caja(e.cmdIniciar)},
            {QStringLiteral("cmdOpciones"), caja(e.cmdOpciones)},
            {QStringLiteral("cmdResponder"), caja(e.cmdResponder)},
            {QStringLiteral("cmdSigPreg"), caja(e.cmdSigPreg)},
            {QStringLiteral("cmdRetira"), caja(e.cmdRetira)},
            {QStringLiteral("lblNextPlayer"), caja(e.lblNextPlayer)},
            {QStringLiteral("lblJugador"), caja(e.lblJugador)},
            {QStringLiteral("txtPregunta"), caja(e.txtPregunta)},
            {QStringLiteral("Puntos1"), caja(e.Puntos1)},
            {QStringLiteral("Timer1"), caja(e.Timer1)},
            {QStringLiteral("Comod"), enTablero(e.comod, e.comod->cajaImagenes())},
            {QStringLiteral("Image1"), centro},
            {QStringLiteral("A"), enTablero(e.Resp1[0], e.Resp1[0]->cajaArte())},
            {QStringLiteral("B"), enTablero(e.Resp1[1], e.Resp1[1]->cajaArte())},
            {QStringLiteral("C"), enTablero(e.Resp1[2], e.Resp1[2]->cajaArte())},
            {QStringLiteral("D"), enTablero(e.Resp1[3], e.Resp1[3]->cajaArte())},
        };
        // By design: cmdResponder and cmdSigPreg share one place and never show
        // together; cmdIniciar shows only while the question text is blank.
        const QSet<QString> permitidos{QStringLiteral("cmdResponder+cmdSigPreg"),
                                       QStringLiteral("cmdIniciar+txtPregunta")};
        const int h = Diseno::Holgura;
        for (qsizetype i = 0; i < zonas.size(); ++i)
            for (qsizetype j = i + 1; j < zonas.size(); ++j) {
                const QString par = zonas[i].first + QLatin1Char('+') + zonas[j].first;
                const bool etiqueta = etiquetas.contains(zonas[i].first) || etiquetas.contains(zonas[j].first);
                const QRect conHolgura = etiqueta ? zonas[i].second : zonas[i].second.adjusted(-h, -h, h, h);
                if (!permitidos.contains(par) && conHolgura.intersects(zonas[j].second))
                    fallos << par + (zonas[i].second.intersects(zonas[j].second) ? QStringLiteral(" overlap")
                                                                                  : QStringLiteral(" touch"));
            }

        // The verse card, with a long passage, between two questions (turns
        // mode: "Siguiente pregunta" and the next player's name) and waiting
        // for the next player's start ("Iniciar" where the question was): it
        // may lie over the question and the centre picture only, Holgura
        // clear of everything else, and stays readable.
        const QString citas = a.dir.filePath(QStringLiteral("QBase.citas"));
        QFile f(citas);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QString largo;
        for (int i = 0; i < 30; ++i)
            largo += QStringLiteral("y anduvo por toda la tierra de Canaán con sus ganados y sus siervos ");
        f.write(QStringLiteral("1001\tGénesis 13:17\t%1y Jehová dijo a Abram: Levántate, ve por la tierra a lo largo "
                               "de ella y a su ancho %1\tLevántate, ve por la tierra\n")
                    .arg(largo)
                    .toUtf8());
        f.close();
        TarjetaVerso* v = e.tarjeta;
        v->setCitas(Citas::Leer(citas));
        e.cmdIniciar->hide();  // placed between questions first: "Iniciar" coming back must move it
        // Between questions the question is still there; waiting, it is blank.
        e.txtPregunta->setText(QStringLiteral("¿Qué le dijo Jehová a Abram, después que Lot se apartó de él, que recorriera a lo largo y a lo ancho de la tierra que le daría para siempre?"));
        QVERIFY(v->Mostrar(1001));
        const QSet<QString> bajoLaTarjeta{QStringLiteral("txtPregunta"), QStringLiteral("Image1")};
        for (const bool esperando : {false, true}) {
            if (esperando)
                e.txtPregunta->setText(QString(20, QLatin1Char(' ')));
            e.cmdIniciar->setVisible(esperando);
            e.cmdOpciones->show();
            e.cmdSigPreg->setVisible(!esperando);
            e.cmdRetira->hide();
            e.cmdResponder->hide();
            e.lblNextPlayer->setVisible(!esperando);
            const QString estado = esperando ? QStringLiteral("waiting: ") : QStringLiteral("between: ");
            if (v->isHidden()) {
                fallos << estado + QStringLiteral("no card");
                continue;
            }
            const QRect tarjeta = caja(v);
            // Placed afresh it lands where it is: a first placement while
            // hidden must not be left unfitted.
            const QRect antes = v->geometry();
            const_cast<ElementosTablero&>(e).ColocarTarjeta();
            if (v->geometry() != antes)
                fallos << estado + QStringLiteral("card moves when placed again");
            const QRect pregunta = e.TextoPregunta();
            if (!esperando && pregunta.isEmpty())
                fallos << estado + QStringLiteral("no question text found");
            if (!pregunta.isEmpty() && tarjeta.intersects(pregunta) && !tarjeta.adjusted(-h, -h, h, h).contains(pregunta))
                fallos << estado + QStringLiteral("the question peeks out beside the card");
            if (!a.t->rect().adjusted(h, h, -h, -h).contains(tarjeta))
                fallos << estado + QStringLiteral("card cut by the board");
            for (const auto& [nombre, r] : zonas) {
                const QWidget* boton = elemento(e, nombre.toLatin1());
                const bool oculto = boton && qobject_cast<const BotonImagen*>(boton) && boton->isHidden();
                if (!bajoLaTarjeta.contains(nombre) && !oculto && tarjeta.adjusted(-h, -h, h, h).intersects(r))
                    fallos << estado + QStringLiteral("card covers ") + nombre;
            }
            const Citas::Recorte& r = v->Recorte();
            if (r.desde < 0 || !r.texto.contains(QStringLiteral("Levántate, ve por la tierra")))
                fallos << estado + QStringLiteral("the phrase is not on the card");
            if (!r.texto.endsWith(QChar(0x2026)) || !r.texto.startsWith(QChar(0x2026)))
                fallos << estado + QStringLiteral("the long passage not shortened around the phrase");
            const double puntos = v->LetraTexto().pointSizeF();
            if (puntos < (Diseno::juegoGrande(interior.width() * 15) ? 15 : 11) * Diseno::crecimiento(interior.width() * 15.f, interior.height() * 15.f))
                fallos << estado + QStringLiteral("card letters %1 pt").arg(puntos);
        }
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join(QStringLiteral("; "))));
    }

    // Past twice the design everything drawn grows with the board, by the
    // smaller of its width's and height's growth; at twice the design it is
    // the design doubled.
    void creceConElTablero_data()
    {
        QTest::addColumn<QSize>("interior");
        QTest::addColumn<double>("crece");
        QTest::newRow("twice the design") << QSize(1428, 1016) << 1.0;
        QTest::newRow("wide, at twice the design's height") << QSize(2200, 1016) << 1.0;
        QTest::newRow("2560 x 1440 maximised") << QSize(2560, 1400) << 1400.0 / 1016;
        QTest::newRow("four times the design") << QSize(2856, 2032) << 2.0;
        QTest::newRow("3840 x 2160 maximised") << QSize(3840, 2120) << 2120.0 / 1016;
    }
    void creceConElTablero()
    {
        QFETCH(QSize, interior);
        QFETCH(double, crece);
        ArnesTablero a;
        tamanoInterior(a, interior.width(), interior.height());
        const ElementosTablero& e = a.el();
        auto cerca = [](double visto, double esperado, double tolerancia = 0.02) {
            return qAbs(visto - esperado) <= esperado * tolerancia + 1;
        };
        QStringList fallos;
        auto mira = [&](const char* que, double visto, double esperado, double tolerancia = 0.02) {
            if (!cerca(visto, esperado, tolerancia))
                fallos << QStringLiteral("%1 %2, not %3").arg(QLatin1String(que)).arg(visto).arg(esperado);
        };
        // The pictures come from the drawing nearest below the growth.
        const int paso = Diseno::pasoPara(crece);
        QVERIFY(paso / 100.0 <= crece + 1e-9 && paso / 100.0 > crece - 0.5);
        const QSize inic = QPixmap(RutaPrograma(QStringLiteral("\\Imágenes\\Inic_big.gif"))).size();
        const QSize cent = QPixmap(RutaPrograma(QStringLiteral("\\Imágenes\\Cent_big.jpg"))).size();
        mira("start button", e.cmdIniciar->width(), inic.width() * paso / 100.0, 0.0);
        mira("centre picture", e.Image1->pixmap().deviceIndependentSize().width(), cent.width() * paso / 100.0, 0.0);
        mira("question font", e.txtPregunta->font().pointSizeF(), 22 * crece);
        mira("name font", e.lblJugador->font().pointSizeF(), 24 * crece);
        mira("next player font", e.lblNextPlayer->font().pointSizeF(), 24 * crece);
        mira("answer bar", e.Resp1[0]->cajaArte().width(), 491 * crece);
        mira("answer bar height", e.Resp1[3]->cajaArte().height(), 101 * crece);
        mira("lifelines", e.comod->cajaImagenes().width(), 165 * crece);
        mira("ladder", e.Puntos1->height(), 285 * crece);
        mira("ladder digits", e.Puntos1->LetraMenor(), 13 * crece, 0.1);
        Dialog1 mensaje(a.t.get());
        mira("message window", mensaje.width(), 373 * crece);
        Posiciones posiciones(a.m, {}, a.t.get());
        mira("standings window", posiciones.width(), 441 * crece);
        Estadisticas& encuesta = a.t->CargarEstadisticas();
        encuesta.show();
        mira("poll window", encuesta.width(), 339 * crece);
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join(QStringLiteral("; "))));
        QCOMPARE(Diseno::crecimiento(interior.width() * 15.f, interior.height() * 15.f), crece);
    }

    // The poll comes up where it covers none of the name, the question, the
    // answers or the countdown, and has no frame of the window manager's,
    // whose minimise and maximise boxes it has no use for.
    void encuestaNoTapa_data()
    {
        QTest::addColumn<QSize>("interior");
        for (const QSize t : {QSize(800, 560), QSize(1024, 560), QSize(1024, 728), QSize(1280, 680),
                              QSize(1920, 1040), QSize(3840, 2120)})
            QTest::addRow("%dx%d", t.width(), t.height()) << t;
    }
    void encuestaNoTapa()
    {
        QFETCH(QSize, interior);
        ArnesTablero a;
        a.t->move(0, 0);
        tamanoInterior(a, interior.width(), interior.height());
        const ElementosTablero& e = a.el();
        Estadisticas& encuesta = a.t->CargarEstadisticas();
        encuesta.show();
        QVERIFY(QTest::qWaitForWindowExposed(&encuesta));
        const QRect ventana(a.t->mapFromGlobal(encuesta.frameGeometry().topLeft()), encuesta.frameGeometry().size());
        auto enTablero = [&](const QWidget* w, QRect r) { return r.translated(w->mapTo(a.t.get(), QPoint(0, 0))); };
        const QList<QPair<const char*, QRect>> tapables{
            {"lblJugador", enTablero(e.lblJugador, e.lblJugador->rect())},
            {"txtPregunta", enTablero(e.txtPregunta, e.txtPregunta->rect())},
            {"Timer1", enTablero(e.Timer1, e.Timer1->rect())},
            {"A", enTablero(e.Resp1[0], e.Resp1[0]->cajaArte())},
            {"B", enTablero(e.Resp1[1], e.Resp1[1]->cajaArte())},
            {"C", enTablero(e.Resp1[2], e.Resp1[2]->cajaArte())},
            {"D", enTablero(e.Resp1[3], e.Resp1[3]->cajaArte())}};
        for (const auto& [nombre, r] : tapables)
            QVERIFY2(!ventana.intersects(r), nombre);
        QVERIFY(encuesta.width() >= 339 / 2);  // still a chart one can read
        // Maximised or restored while it is open, it finds its place again.
        tamanoInterior(a, 714, 508);
        const QRect otra(a.t->mapFromGlobal(encuesta.frameGeometry().topLeft()), encuesta.frameGeometry().size());
        QVERIFY2(!otra.intersects(enTablero(e.lblJugador, e.lblJugador->rect())), "after a resize");
        QVERIFY(encuesta.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!(encuesta.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }

    // A long name takes the empty row beside it before it is shortened: the
    // player's up to the options button, or the ladder while that is away;
    // the next player's (shown once "Retirarse" has gone) up to the strip's end.
    void nombreLargoUsaElSitioLibre_data()
    {
        QTest::addColumn<QSize>("interior");
        QTest::addColumn<bool>("conOpciones");
        for (const QSize t : {QSize(1024, 560), QSize(1920, 1040)})
            for (bool opciones : {true, false})
                QTest::addRow("%dx%d%s", t.width(), t.height(), opciones ? "" : ", options away") << t << opciones;
    }
    void nombreLargoUsaElSitioLibre()
    {
        QFETCH(QSize, interior);
        QFETCH(bool, conOpciones);
        ArnesTablero a;
        tamanoInterior(a, interior.width(), interior.height());
        const ElementosTablero& e = a.el();
        e.cmdOpciones->setVisible(conOpciones);
        e.cmdRetira->hide();
        e.lblNextPlayer->show();
        EtiquetaNombre* nombres[] = {e.lblJugador, e.lblNextPlayer};
        const int lugar[] = {px(3390 * interior.width() / 714.0), px(3210 * interior.width() / 714.0)};
        const int borde[] = {conOpciones ? e.cmdOpciones->x() : e.Puntos1->x(), e.znBot->width()};
        const QString todo = QStringLiteral("Maximiliano Fernández de la Torre y Castillo de las Nieves del Valle");
        for (int i = 0; i < 2; ++i) {
            EtiquetaNombre* l = nombres[i];
            QCOMPARE(l->width(), lugar[i]);
            // One a little wider than its place: whole, as the room holds it.
            QString nombre;
            for (QChar c : todo)
                if (l->fontMetrics().horizontalAdvance(nombre += c) > lugar[i] + 2)
                    break;
            l->setText(nombre);
            QCOMPARE(l->TextoVisible(), nombre);
            // Longer than the room: it stops before the neighbour and is shortened.
            l->setText(todo + QLatin1Char(' ') + todo);
            QVERIFY(l->TextoVisible().endsWith(QChar(0x2026)));
            QVERIFY2(l->geometry().right() < borde[i] - Diseno::Holgura, qPrintable(l->objectName()));
            QVERIFY(l->width() > lugar[i]);
        }
        // The options button coming back takes its room back.
        e.cmdOpciones->show();
        QVERIFY(e.lblJugador->geometry().right() < e.cmdOpciones->x() - Diseno::Holgura);
        // A short name keeps its place as the layout gave it.
        e.lblJugador->setText(QStringLiteral("Ana"));
        QCOMPARE(e.lblJugador->width(), lugar[0]);
    }

    // The ladder's and the countdown's text grow with the boxes the board
    // gives them: readable on the design board, at least 12 px for the
    // ladder's smallest text on a 1920 x 1050 board, never smaller on a
    // larger one.
    void letrasCrecenConSuCaja()
    {
        ArnesTablero a;
        const ElementosTablero& e = a.el();
        int escaleraAntes = 0, cuentaAntes = 0;
        for (const QSize interior : {QSize(714, 508), QSize(1024, 600), QSize(1366, 705), QSize(1920, 1050),
                                     QSize(3840, 2100)}) {
            tamanoInterior(a, interior.width(), interior.height());
            const int escalera = e.Puntos1->LetraMenor();
            const int cuenta = e.Timer1->LetraCifras();
            const QByteArray donde = QByteArray::number(interior.width()) + 'x' + QByteArray::number(interior.height());
            QVERIFY2(escalera >= (interior.width() >= 1920 ? 12 : 10), donde + " ladder " + QByteArray::number(escalera));
            QVERIFY2(escalera >= escaleraAntes, donde);
            QVERIFY2(cuenta >= e.Timer1->height() / 3, donde + " countdown " + QByteArray::number(cuenta));
            QVERIFY2(cuenta > cuentaAntes, donde);
            escaleraAntes = escalera;
            cuentaAntes = cuenta;
        }
    }

    // A player who lost the "Imágenes" folder still sees every button and the
    // centre picture: the built-in design pictures stay, at every size.
    void sinCarpetaDeImagenes()
    {
        QTemporaryDir prog;
        const QString antes = CarpetaPrograma();
        FijarCarpetaPrograma(prog.path());
        {
            ArnesTablero a;
            const ElementosTablero& e = a.el();
            const QList<std::tuple<const char*, const QLabel*, QSize>> imagenes{
                {"cmdIniciar", e.cmdIniciar, {211, 40}},     {"cmdOpciones", e.cmdOpciones, {140, 25}},
                {"cmdResponder", e.cmdResponder, {245, 40}}, {"cmdSigPreg", e.cmdSigPreg, {288, 40}},
                {"cmdRetira", e.cmdRetira, {186, 40}},       {"Image1", e.Image1, {177, 249}}};
            for (const QSize interior : {QSize(714, 508), QSize(1428, 1016)}) {
                tamanoInterior(a, interior.width(), interior.height());
                for (const auto& [nombre, w, diseno] : imagenes) {
                    const QImage img = w->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
                    QCOMPARE(img.size(), diseno);
                    int opacos = 0;
                    for (int y = 0; y < img.height(); ++y)
                        for (int x = 0; x < img.width(); ++x)
                            opacos += qAlpha(img.pixel(x, y)) == 255;
                    QVERIFY2(opacos > img.width() * img.height() / 2, nombre);
                }
            }
        }
        FijarCarpetaPrograma(antes);
    }

    void imagenQueFaltaDejaLaAnterior()
    {
        QTemporaryDir prog;
        QDir().mkpath(prog.filePath(QStringLiteral("Imágenes")));
        const QDir origen(RutaPrograma(QStringLiteral("Imágenes")));
        for (const QString& f : origen.entryList(QDir::Files))
            if (f != QStringLiteral("Opci_big.gif"))
                QFile::copy(origen.filePath(f), prog.filePath(QStringLiteral("Imágenes/") + f));
        QFile roto(prog.filePath(QStringLiteral("Imágenes/Sigu_big.gif")));
        QVERIFY(roto.open(QIODevice::WriteOnly | QIODevice::Truncate));
        roto.write("no es un GIF");
        roto.close();
        const QString antes = CarpetaPrograma();
        FijarCarpetaPrograma(prog.path());
        {
            ArnesTablero a;
            tamanoInterior(a, 714, 508);
            const QSize opciChica = a.el().cmdOpciones->size();
            const QSize siguChica = a.el().cmdSigPreg->size();
            tamanoInterior(a, 1428, 1016);
            QCOMPARE(a.el().cmdOpciones->size(), opciChica);  // missing: the old picture stays
            QCOMPARE(a.el().cmdSigPreg->size(), siguChica);   // broken: the same
            QVERIFY(a.el().cmdIniciar->width() > 211);         // the others are big
            QCOMPARE(a.el().cmdOpciones->pos(), QPoint(px(6900 * 2), px(120 * 2)));
            QCOMPARE(a.el().Timer1->geometry(), QRect(px(4508 * 2), px(3450 * 2), px(1695 * 2), px(975 * 2)));
        }
        FijarCarpetaPrograma(antes);
    }
};

QTEST_MAIN(TstDisenoTablero)
#include "tst_DisenoTablero.moc"
