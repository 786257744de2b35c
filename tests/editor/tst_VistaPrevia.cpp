#include "DisenoTablero.h"
#include "Resp.h"
#include "VistaPrevia.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QRect enPixeles(int x, int y, int w, int h)
{
    return {Diseno::pixeles(x), Diseno::pixeles(y), Diseno::pixeles(w), Diseno::pixeles(h)};
}

// About 90 and 160 letters: the bar shrinks both, the second below readable.
const char16_t* const Mediana = u"En el monte Sinaí, cuando recibió de Dios las dos tablas de piedra escritas con su dedo";
const char16_t* const Larga = u"En el monte Sinaí, cuando recibió de Dios las dos tablas de piedra escritas con su "
                              u"dedo, y bajó con ellas al campamento donde el pueblo adoraba un becerro de oro";

// Where the board of that size is drawn.
QGraphicsView* vistaDe(const VistaPrevia& v, VistaPrevia::Tamano t)
{
    return v.tablero(t)->graphicsProxyWidget()->scene()->views().constFirst();
}

}  // namespace

class TstVistaPrevia : public QObject {
    Q_OBJECT
private slots:
    // The bars stand where the board puts them, at its size in each set.
    void tamanos()
    {
        VistaPrevia v;
        QCOMPARE(v.tablero(VistaPrevia::Chico)->size(), QSize(714, 508));
        QCOMPARE(v.tablero(VistaPrevia::Grande)->size(), QSize(1428, 1016));
        const QRect chicas[4] = {enPixeles(240, 4560, 4875, 1575), enPixeles(5520, 4560, 4875, 1575),
                                 enPixeles(240, 5640, 4875, 1575), enPixeles(5520, 5640, 4875, 1575)};
        for (int i = 0; i < 4; ++i) {
            const Resp* chica = v.barra(VistaPrevia::Chico, i);
            const Resp* grande = v.barra(VistaPrevia::Grande, i);
            QCOMPARE(chica->geometry(), chicas[i]);
            const QRect& c = chicas[i];
            QCOMPARE(grande->geometry(), QRect(2 * c.x(), 2 * c.y(), 2 * c.width(), 2 * c.height()));
            QVERIFY(!chica->modoGrande());
            QVERIFY(grande->modoGrande());
            QCOMPARE(chica->Letter(), QString(QChar(u'A' + i)));
        }
    }

    void legibilidad_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("chicaLegible");
        QTest::addColumn<bool>("grandeLegible");
        QTest::newRow("short") << "Moisés" << true << true;
        QTest::newRow("40 letters") << "En el monte Sinaí, con las tablas de ley" << true << true;
        // Shrunk, yet readable.
        QTest::newRow("medium") << QString::fromUtf16(Mediana) << true << true;
        QTest::newRow("long") << QString::fromUtf16(Larga) << false << false;
        QTest::newRow("empty") << "" << true << true;
    }
    void legibilidad()
    {
        QFETCH(QString, texto);
        QFETCH(bool, chicaLegible);
        QFETCH(bool, grandeLegible);
        VistaPrevia v;
        v.setRespuesta(1, texto);
        QCOMPARE(v.respuesta(1), texto);
        QCOMPARE(v.barra(VistaPrevia::Chico, 1)->Caption(), texto);
        QCOMPARE(v.barra(VistaPrevia::Grande, 1)->Caption(), texto);
        // The verdict is the bar's own fitting against the threshold.
        QCOMPARE(v.puntos(VistaPrevia::Chico, 1), v.barra(VistaPrevia::Chico, 1)->puntosCaption());
        QCOMPARE(v.legible(VistaPrevia::Chico, 1), chicaLegible);
        QCOMPARE(v.legible(VistaPrevia::Grande, 1), grandeLegible);
        QCOMPARE(v.legible(VistaPrevia::Chico, 1), texto.isEmpty() || v.puntos(VistaPrevia::Chico, 1) >= 10);
        QCOMPARE(v.legible(VistaPrevia::Grande, 1), texto.isEmpty() || v.puntos(VistaPrevia::Grande, 1) >= 15);
        QCOMPARE(v.todasLegibles(), chicaLegible && grandeLegible);
        QCOMPARE(v.avisos().size(), chicaLegible && grandeLegible ? 0 : 1);
        if (!v.todasLegibles()) {
            const QString aviso = v.avisos().constFirst();
            QVERIFY2(aviso.startsWith(QStringLiteral("La respuesta B tiene que encogerse a %1 puntos en el tablero "
                                                     "pequeño")
                                          .arg(v.puntos(VistaPrevia::Chico, 1))),
                     qPrintable(aviso));
            QCOMPARE(aviso.contains(QStringLiteral(" y a %1 en el grande").arg(v.puntos(VistaPrevia::Grande, 1))),
                     !grandeLegible);
        }
        // The other answers are empty and raise nothing.
        for (int i : {0, 2, 3})
            QVERIFY(v.legible(VistaPrevia::Chico, i) && v.legible(VistaPrevia::Grande, i));
    }

    void avisosCambian()
    {
        VistaPrevia v;
        QSignalSpy spy(&v, &VistaPrevia::avisosCambiados);
        const QString larga = QString::fromUtf16(Larga);
        v.setRespuestas({QStringLiteral("Moisés"), larga, QStringLiteral("Aarón"), QStringLiteral("Josué")});
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toStringList(), v.avisos());
        QVERIFY(v.avisos().constFirst().startsWith(QStringLiteral("La respuesta B")));
        v.setRespuesta(1, larga);
        v.setRespuesta(0, QStringLiteral("Moisés hijo de Amram"));
        QCOMPARE(spy.count(), 1);  // nothing new to warn of
        v.setRespuesta(1, QStringLiteral("Elías"));
        QCOMPARE(spy.count(), 2);
        QVERIFY(spy.at(1).at(0).toStringList().isEmpty());
    }

    void correcta()
    {
        VistaPrevia v;
        v.setCorrecta(2);
        for (VistaPrevia::Tamano t : {VistaPrevia::Chico, VistaPrevia::Grande})
            for (int i = 0; i < 4; ++i)
                QCOMPARE(int(v.barra(t, i)->Situation()), i == 2 ? 2 : 0);
        v.setCorrecta(-1);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(int(v.barra(VistaPrevia::Chico, i)->Situation()), 0);
    }

    // The whole board shows in the space the preview has, scaled down, and
    // never drawn larger than the players see it.
    void todoElTableroALaVista_data()
    {
        QTest::addColumn<QSize>("espacio");
        QTest::newRow("a laptop's corner") << QSize(420, 260);
        QTest::newRow("a large screen") << QSize(1600, 1200);
    }
    void todoElTableroALaVista()
    {
        QFETCH(QSize, espacio);
        VistaPrevia v;
        v.resize(espacio);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        for (VistaPrevia::Tamano t : {VistaPrevia::Chico, VistaPrevia::Grande}) {
            v.setTamanoVisible(t);
            QGraphicsView* vista = vistaDe(v, t);
            QTRY_VERIFY(vista->isVisible());
            const QSize tablero = v.tablero(t)->size();
            // What the view draws of the board: all of it, inside the view.
            const QRect dibujado = vista->mapFromScene(QRectF(QPointF(0, 0), QSizeF(tablero))).boundingRect();
            QVERIFY2(vista->viewport()->rect().adjusted(-1, -1, 1, 1).contains(dibujado),
                     qPrintable(QStringLiteral("%1x%2 at %3,%4 in %5x%6")
                                    .arg(dibujado.width()).arg(dibujado.height()).arg(dibujado.x()).arg(dibujado.y())
                                    .arg(vista->viewport()->width()).arg(vista->viewport()->height())));
            QVERIFY(v.escala(t) <= 1.0);
            const bool cabe = tablero.width() <= vista->viewport()->width() && tablero.height() <= vista->viewport()->height();
            if (cabe)
                QCOMPARE(v.escala(t), 1.0);
            else  // as large as the space allows
                QVERIFY(dibujado.width() >= vista->viewport()->width() - 2 || dibujado.height() >= vista->viewport()->height() - 2);
        }
    }

    void cambioDeTamano()
    {
        VistaPrevia v;
        QSignalSpy spy(&v, &VistaPrevia::tamanoVisibleCambiado);
        QCOMPARE(v.tamanoVisible(), VistaPrevia::Chico);
        auto botones = v.findChildren<QRadioButton*>();
        QCOMPARE(botones.size(), 2);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QVERIFY(!vistaDe(v, VistaPrevia::Grande)->isVisible());
        QTest::mouseClick(botones.at(1), Qt::LeftButton);
        QCOMPARE(v.tamanoVisible(), VistaPrevia::Grande);
        QCOMPARE(spy.count(), 1);
        QVERIFY(vistaDe(v, VistaPrevia::Grande)->isVisible());
        v.setTamanoVisible(VistaPrevia::Grande);
        QCOMPARE(spy.count(), 1);
        v.setTamanoVisible(VistaPrevia::Chico);
        QVERIFY(botones.at(0)->isChecked());
        QCOMPARE(spy.count(), 2);
    }
};

QTEST_MAIN(TstVistaPrevia)
#include "tst_VistaPrevia.moc"
