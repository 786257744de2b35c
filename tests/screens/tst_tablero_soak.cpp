#include "ArnesTablero.h"

#include <random>

// Two thousand questions through the board: right and wrong answers,
// walk-aways, time-outs and skips. Every question put on screen must be
// counted once in the base written at the end.
class TstTableroSoak : public QObject {
    Q_OBJECT
private slots:
    void dosMilPreguntas()
    {
        Azar::global().sembrar(2026);
        ArnesTablero a(
            [](Almacen& s) { s.escribir(QStringLiteral("Players"), QStringLiteral("Total"), QStringLiteral("3")); },
            20);
        std::mt19937 dado(99);
        int mostradas = 0;
        QObject::connect(a.t.get(), &Tablero::tocado, [&](qint32 snd) {
            if (snd == 7)
                ++mostradas;
        });
        while (mostradas < 2000) {
            if (a.t->InicioVisible()) {
                a.iniciar();
                continue;
            }
            if (!a.el().cmdSigPreg->isHidden()) {
                a.tecla(Qt::Key_S);
                continue;
            }
            switch (dado() % 20) {
            case 0: a.fallar(); break;
            case 1: a.retirarse(); break;
            case 2: a.agotarTiempo(); break;
            case 3: a.tecla(Qt::Key_N); break;
            case 4: a.tecla(Qt::Key_Q); break;
            default: a.acertar(); break;
            }
        }
        QCOMPARE(mostradas, 2000);
        QVERIFY(a.posiciones > 0);
        a.t->close();
        auto base = Pregunta::Crear(a.carpetaBase());
        QVERIFY(base);
        QCOMPARE(base->Filas(), 100);
        int vistas = 0;
        for (const FilaBase& f : base->Base())
            vistas += int(f[FilaBase::Veces].numero());
        QCOMPARE(vistas, 2000);
    }
};

QTEST_MAIN(TstTableroSoak)
#include "tst_tablero_soak.moc"
