#include "EtiquetaNombre.h"
#include "Posiciones.h"
#include "Raton.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

class TstPosiciones : public QObject {
    Q_OBJECT
private slots:
    void tresJugadores();
    void seisJugadoresLlenanSeisFilas();
    void nombreLargoConPuntosSuspensivos_data();
    void nombreLargoConPuntosSuspensivos();
    void arrastrePorRotulosComoPorElFondo();
    void cierraConEnterYConClic();
};

namespace {
Modulo partida(std::initializer_list<std::pair<const char*, int>> jugadores)
{
    Modulo m;
    m.TotalJugadores = qint16(jugadores.size());
    int i = 0;
    for (auto [nombre, escalon] : jugadores) {
        m.Jugadores[size_t(i)].Nombre = QString::fromUtf8(nombre);
        m.Jugadores[size_t(i)].Escalon = qint16(escalon);
        ++i;
    }
    return m;
}

QLabel* fila(QWidget& w, const char* nombre, int i)
{
    return w.findChild<QLabel*>(QStringLiteral("%1_%2").arg(QLatin1String(nombre)).arg(i));
}
}

void TstPosiciones::tresJugadores()
{
    QList<qint32> sonidos;
    Posiciones p(partida({{"Ana", 5}, {"Beto", 12}, {"Cris", 5}}), [&](qint32 n) { sonidos << n; });
    QCOMPARE(sonidos, QList<qint32>{6});
    QCOMPARE(fila(p, "Tabla", 0)->text(), QStringLiteral("1. Beto"));
    QCOMPARE(fila(p, "Puntos", 0)->text(), QStringLiteral("1 250"));
    QCOMPARE(fila(p, "Tabla", 1)->text(), QStringLiteral("2. Ana"));
    QCOMPARE(fila(p, "Tabla", 2)->text(), QStringLiteral("3. Cris"));
    for (int i : {1, 2})
        QCOMPARE(fila(p, "Puntos", i)->text(), QStringLiteral("10"));
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(fila(p, "Tabla", i)->isHidden(), i >= 3);
        QCOMPARE(fila(p, "Puntos", i)->isHidden(), i >= 3);
    }
}

void TstPosiciones::seisJugadoresLlenanSeisFilas()
{
    Posiciones p(partida({{"A", 0}, {"B", 15}, {"C", 3}, {"D", 9}, {"E", 1}, {"F", 14}}), nullptr);
    const QStringList esperados{"1. B", "2. F", "3. D", "4. C", "5. E", "6. A"};
    const QStringList puntos{"10 000", "5 000", "160", "3", "1", "0"};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(fila(p, "Tabla", i)->text(), esperados[i]);
        QCOMPARE(fila(p, "Puntos", i)->text(), puntos[i]);
        QVERIFY(!fila(p, "Tabla", i)->isHidden());
    }
    QList<int> huecos;
    for (int i = 1; i < 6; ++i)
        huecos << fila(p, "Tabla", i)->y() - fila(p, "Tabla", i - 1)->y();
    QCOMPARE(huecos, (QList<int>{24, 24, 24, 24, 28}));   // 360 twips, the last 420
    QCOMPARE(fila(p, "Tabla", 0)->y(), 84);
    QCOMPARE(fila(p, "Puntos", 0)->alignment() & Qt::AlignRight, Qt::AlignRight);
    QCOMPARE(p.size(), QSize(441, 271));
}

// A name takes the row up to its points before it is shortened, on the
// standings at the design size and over a board twice as large again.
void TstPosiciones::nombreLargoConPuntosSuspensivos_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QSize>("tablero");  // the board it comes over; empty: none
    QTest::addColumn<bool>("entero");
    const QString cabe = QStringLiteral("Maximiliano Fernández Sot");  // a little wider than its place
    const QString largo = QStringLiteral("Maximiliano Fernandez de la Torre y Castillo");
    QTest::newRow("fits before the points") << cabe << QSize() << true;
    QTest::newRow("too long even so") << largo << QSize() << false;
    QTest::newRow("fits, large board") << cabe << QSize(2856, 2032) << true;
    QTest::newRow("too long, large board") << largo << QSize(2856, 2032) << false;
}

void TstPosiciones::nombreLargoConPuntosSuspensivos()
{
    QFETCH(QString, nombre);
    QFETCH(QSize, tablero);
    QFETCH(bool, entero);
    QWidget board;
    if (tablero.isValid())
        board.resize(tablero);
    const QByteArray n = nombre.toUtf8();
    Posiciones p(partida({{"Ana", 5}, {n.constData(), 12}}), {}, tablero.isValid() ? &board : nullptr);
    auto* primero = qobject_cast<EtiquetaNombre*>(fila(p, "Tabla", 0));
    QLabel* puntos = fila(p, "Puntos", 0);
    QVERIFY(primero && puntos);
    QCOMPARE(primero->text(), QStringLiteral("1. ") + nombre);
    QVERIFY(primero->TextoVisible().startsWith(QStringLiteral("1. Maximiliano")));
    QCOMPARE(primero->TextoVisible().endsWith(QChar(0x2026)), !entero);
    QVERIFY(primero->width() > 265 * (tablero.isValid() ? 2 : 1));  // wider than its place of 3975 twips
    const int textoPuntos = puntos->geometry().right() - puntos->fontMetrics().horizontalAdvance(puntos->text());
    QVERIFY2(primero->geometry().right() + 3 <= textoPuntos, "the name runs into the points");
}

void TstPosiciones::arrastrePorRotulosComoPorElFondo()
{
    Posiciones p(partida({{"Ana", 5}, {"Beto", 12}}), nullptr);
    p.show();
    const QPoint delta(25, -12);
    auto desplazamiento = [&](QWidget* parte, QPoint en) {
        p.move(300, 300);
        arrastra(parte, en, en + delta);
        return p.pos() - QPoint(300, 300);
    };
    const QPoint porFondo = desplazamiento(&p, {5, 260});
    QCOMPARE(porFondo, delta);
    QCOMPARE(desplazamiento(fila(p, "Tabla", 0), {10, 10}), porFondo);
    QCOMPARE(desplazamiento(fila(p, "Puntos", 1), {60, 5}), porFondo);

    // A right button does not drag, and leaves the cursor alone.
    auto* nombre = fila(p, "Tabla", 1);
    p.move(300, 300);
    arrastra(nombre, {10, 10}, {40, 40}, Qt::RightButton);
    QCOMPARE(p.pos(), QPoint(300, 300));
    raton(nombre, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(nombre->cursor().shape(), Qt::SizeAllCursor);
    raton(nombre, QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(nombre->cursor().shape(), Qt::ArrowCursor);
}

void TstPosiciones::cierraConEnterYConClic()
{
    const Modulo m = partida({{"Ana", 5}, {"Beto", 12}});
    {
        Posiciones p(m, nullptr);
        QTimer::singleShot(0, this, [] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            QTest::keyClick(modal, Qt::Key_Escape);   // ignored
            QVERIFY(modal->isVisible());
            QTest::keyClick(modal, Qt::Key_Return);
        });
        p.exec();
        QVERIFY(!p.isVisible());
    }
    {
        Posiciones p(m, nullptr);
        auto* cerrar = p.findChild<QLabel*>(QStringLiteral("cmdClose"));
        QCOMPARE(cerrar->cursor().shape(), Qt::PointingHandCursor);
        QTimer::singleShot(0, this, [cerrar] { QTest::mouseClick(cerrar, Qt::LeftButton); });
        p.exec();
        QVERIFY(!p.isVisible());
    }
}

QTEST_MAIN(TstPosiciones)
#include "tst_Posiciones.moc"
