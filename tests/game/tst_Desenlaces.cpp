#include "Desenlaces.h"

#include <QtTest>

class TstDesenlaces : public QObject {
    Q_OBJECT
private slots:
    void retiro_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("elegida");
        QTest::addColumn<QString>("puntos");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<int>("escalon");
        QTest::newRow("step 7, right one chosen")
            << 7 << 2 << "20"
            << "Has decidido retirarte, Ana.\nSin embargo, la respuesta que ibas a dar era buena.\n\n"
               "Has ganado un total de 20 puntos."
            << 6;
        QTest::newRow("step 1, nothing chosen")
            << 1 << -1 << "0" << "Has decidido retirarte, Ana.\n\nNo ganaste nada." << 0;
        QTest::newRow("step 2") << 2 << -1 << "1" << "Has decidido retirarte, Ana.\n\nHas ganado sólo 1 punto." << 1;
        QTest::newRow("step 15, wrong one chosen")
            << 15 << 0 << "5 000"
            << "Has decidido retirarte, Ana.\nSuerte, pues la respuesta que ibas a dar estaba mal.\n\n"
               "Has ganado un total de 5 000 puntos."
            << 14;
        QTest::newRow("step 14 reads 1 250 from the display")
            << 14 << -1 << "2 500" << "Has decidido retirarte, Ana.\n\nHas ganado un total de 2 500 puntos." << 13;
    }
    void retiro()
    {
        QFETCH(int, s);
        QFETCH(int, elegida);
        QFETCH(QString, puntos);
        QFETCH(QString, mensaje);
        QFETCH(int, escalon);
        const auto r = Desenlace::Retiro(QStringLiteral("Ana"), qint16(s), qint16(elegida), 2, puntos);
        QCOMPARE(r.mensaje, mensaje);
        QCOMPARE(int(r.escalon), escalon);
    }

    void marcasRetiro()
    {
        auto m = Desenlace::MarcasRetiro(-1, 1);
        QCOMPARE(m.situacion, (std::array<qint16, 4>{0, 2, 0, 0}));
        m = Desenlace::MarcasRetiro(3, 1);
        QCOMPARE(m.situacion, (std::array<qint16, 4>{0, 2, 0, 3}));
        m = Desenlace::MarcasRetiro(1, 1);
        QCOMPARE(m.situacion, (std::array<qint16, 4>{0, 2, 0, 0}));
    }

    void pierde_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("escalon");
        const QList<std::tuple<int, const char*, int>> filas{
            {1, "No has ganado ningún punto.", 0}, {3, "No has ganado ningún punto.", 0},
            {4, "Has ganado 3 puntos.", 3},        {6, "Has ganado 3 puntos.", 3},
            {7, "Has ganado 20 puntos.", 6},       {8, "Has ganado 20 puntos.", 6},
            {10, "Has ganado 160 puntos.", 9},     {12, "Has ganado 160 puntos.", 9},
            {13, "Has ganado 1 250 puntos.", 12},  {15, "Has ganado 1 250 puntos.", 12}};
        for (const auto& [s, t, e] : filas)
            QTest::addRow("step %d", s) << s << QString::fromUtf8(t) << e;
    }
    void pierde()
    {
        QFETCH(int, s);
        QFETCH(QString, texto);
        QFETCH(int, escalon);
        const auto r = Desenlace::Pierde(QStringLiteral("Ana"), qint16(s));
        QCOMPARE(r.mensaje, QStringLiteral("¡Respuesta incorrecta!\n Perdiste, Ana.\n") + texto);
        QCOMPARE(int(r.escalon), escalon);
    }

    void gana()
    {
        const auto r = Desenlace::Gana(QStringLiteral("Ana"));
        QCOMPARE(r.mensaje, QStringLiteral("¡Felicitaciones, Ana!\nLlegaste a los 10 000 puntos."));
        QCOMPARE(int(r.escalon), 15);
    }
};

QTEST_APPLESS_MAIN(TstDesenlaces)
#include "tst_Desenlaces.moc"
