#include "Clasificacion.h"

#include <QTest>

class TstClasificacion : public QObject {
    Q_OBJECT
private slots:
    void ordenPorEscalon();
    void empatesEnPuestosSeguidos();
    void totalFueraDeRango();
};

namespace {
Modulo conEscalones(QList<int> escalones)
{
    Modulo m;
    m.TotalJugadores = qint16(escalones.size());
    for (int i = 0; i < escalones.size(); ++i) {
        m.Jugadores[size_t(i)].Nombre = QStringLiteral("Jugador %1").arg(i + 1);
        m.Jugadores[size_t(i)].Escalon = qint16(escalones[i]);
    }
    return m;
}
}

void TstClasificacion::ordenPorEscalon()
{
    // Two digits keep 9 below 10 in the text order.
    const auto p = Clasificacion(conEscalones({9, 10, 0, 15}));
    QCOMPARE(p.size(), 4);
    QCOMPARE(p[0].nombre, QStringLiteral("1. Jugador 4"));
    QCOMPARE(p[0].puntos, QStringLiteral("10 000"));
    QCOMPARE(p[1].nombre, QStringLiteral("2. Jugador 2"));
    QCOMPARE(p[1].puntos, QStringLiteral("320"));
    QCOMPARE(p[2].puntos, QStringLiteral("160"));
    QCOMPARE(p[3].nombre, QStringLiteral("4. Jugador 3"));
    QCOMPARE(p[3].puntos, QStringLiteral("0"));
}

void TstClasificacion::empatesEnPuestosSeguidos()
{
    const auto p = Clasificacion(conEscalones({5, 12, 5, 5}));
    QCOMPARE(p[0].jugador, 1);
    QCOMPARE((QList<int>{p[1].jugador, p[2].jugador, p[3].jugador}), (QList<int>{0, 2, 3}));
    for (int i = 1; i < 4; ++i)
        QCOMPARE(p[i].puntos, QStringLiteral("10"));
}

void TstClasificacion::totalFueraDeRango()
{
    Modulo m = conEscalones({1, 2});
    m.TotalJugadores = 9;
    QCOMPARE(Clasificacion(m).size(), 6);
    m.TotalJugadores = -1;
    QVERIFY(Clasificacion(m).isEmpty());
}

QTEST_MAIN(TstClasificacion)
#include "tst_Clasificacion.moc"
