#include "ArnesTablero.h"
#include "TarjetaVerso.h"

#include <QFile>

// The verse card on the real board: after every answer judged and every
// walk-away it shows the passage of the question just closed, until the next
// question or the next player's start; never with the option off, without a
// readable companion, or where the board goes straight on.
// Counts the times a widget came up.
class Apariciones : public QObject {
public:
    int veces = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        veces += e->type() == QEvent::ShowToParent;
        return false;
    }
};

class TstTableroVersiculo : public QObject {
    Q_OBJECT

    static QString referencia(qint32 id) { return QStringLiteral("Génesis %1:%2").arg(id / 1000).arg(id % 1000); }
    static QString frase(qint32 id) { return QStringLiteral("la frase %1").arg(id); }

    // Every question of the test base with a passage of its own.
    static void companion(const QString& carpeta, const QByteArray& tipo)
    {
        if (tipo == "falta")
            return;
        QFile f(carpeta + QStringLiteral("/QBase.citas"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (tipo == "roto") {  // every line bad: not UTF-8, fields missing
            f.write("ID\tReferencia\tTexto\tEvidencia\n");
            for (int nivel = 1; nivel <= 5; ++nivel)
                for (int n = 1; n <= 5; ++n)
                    f.write(QByteArray::number(IdDePrueba(nivel, n)) + "\tG\xe9nesis\t\xff\xfe\n");
            return;
        }
        f.write("ID\tReferencia\tTexto\tEvidencia\n");
        for (int nivel = 1; nivel <= 5; ++nivel)
            for (int n = 1; n <= 5; ++n) {
                const qint32 id = IdDePrueba(nivel, n);
                f.write(QStringLiteral("%1\t%2\tY dijo: esta es %3 que lo prueba.\t%3\n")
                            .arg(id)
                            .arg(referencia(id), frase(id))
                            .toUtf8());
            }
    }

private slots:
    void tarjeta_data()
    {
        QTest::addColumn<QByteArray>("jugada");   // acierto, fallo, tiempo, retiro, cima (right at step 15)
        QTest::addColumn<QString>("ajustes");     // "jumpNext", "alternado", "apagada", space-separated
        QTest::addColumn<QByteArray>("citas");    // bueno, falta, roto
        QTest::addColumn<bool>("tarjeta");
        QTest::newRow("right") << QByteArray("acierto") << "" << QByteArray("bueno") << true;
        QTest::newRow("wrong") << QByteArray("fallo") << "" << QByteArray("bueno") << true;
        QTest::newRow("time out") << QByteArray("tiempo") << "" << QByteArray("bueno") << true;
        QTest::newRow("walk-away") << QByteArray("retiro") << "" << QByteArray("bueno") << true;
        QTest::newRow("jumpNext, right: on at once") << QByteArray("acierto") << "jumpNext" << QByteArray("bueno")
                                                     << false;
        QTest::newRow("jumpNext, wrong: game over") << QByteArray("fallo") << "jumpNext" << QByteArray("bueno") << true;
        QTest::newRow("jumpNext, top prize") << QByteArray("cima") << "jumpNext" << QByteArray("bueno") << true;
        QTest::newRow("jumpNext, turns: waits") << QByteArray("acierto") << "jumpNext alternado"
                                                << QByteArray("bueno") << true;
        QTest::newRow("option off, right") << QByteArray("acierto") << "apagada" << QByteArray("bueno") << false;
        QTest::newRow("option off, walk-away") << QByteArray("retiro") << "apagada" << QByteArray("bueno") << false;
        QTest::newRow("no companion") << QByteArray("fallo") << "" << QByteArray("falta") << false;
        QTest::newRow("damaged companion") << QByteArray("acierto") << "" << QByteArray("roto") << false;
    }
    void tarjeta()
    {
        QFETCH(QByteArray, jugada);
        QFETCH(QString, ajustes);
        QFETCH(QByteArray, citas);
        QFETCH(bool, tarjeta);
        const QStringList a = ajustes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ArnesTablero t(
            [&](Almacen& s) {
                const QString i = QStringLiteral("Inicio");
                s.escribir(i, QStringLiteral("jumpNext"), a.contains(QLatin1String("jumpNext")) ? "1" : "0");
                s.escribir(i, QStringLiteral("ContinuousPlay"),
                           a.contains(QLatin1String("alternado")) ? QStringLiteral("False") : QStringLiteral("True"));
                if (a.contains(QLatin1String("apagada")))
                    s.escribir(i, QStringLiteral("MostrarVersiculo"), QStringLiteral("0"));
            },
            5, nullptr, [&](const QString& carpeta) { companion(carpeta, citas); });
        TarjetaVerso* v = t.el().tarjeta;
        bool alMensaje = false;
        connect(t.t.get(), &Tablero::mensaje, v, [&] { alMensaje = !v->isHidden(); });

        t.iniciar();
        QVERIFY(v->isHidden());
        const qint32 id = t.qtn().ID();
        Apariciones apariciones;  // not even for a moment where the board goes straight on
        v->installEventFilter(&apariciones);
        if (jugada == "acierto") {
            t.acertar();
        } else if (jugada == "cima") {
            t.jugador().Escalon = 15;
            t.acertar();
        } else if (jugada == "fallo") {
            t.fallar();
        } else if (jugada == "tiempo") {
            t.agotarTiempo();
        } else {
            t.clicRespuesta(t.incorrecta());
            t.retirarse();
        }
        QCOMPARE(!v->isHidden(), tarjeta);
        QCOMPARE(v->Activa(), tarjeta);
        QCOMPARE(apariciones.veces, tarjeta ? 1 : 0);
        if (!tarjeta) {
            if (a.contains(QLatin1String("jumpNext")) && jugada == "acierto")
                QVERIFY(t.el().Resp1[0]->isEnabled());  // the next question is already up
            return;
        }
        if (!t.mensajes.isEmpty())
            QVERIFY2(alMensaje, "up under the message window");
        QCOMPARE(v->Referencia(), referencia(id));
        const Citas::Recorte& r = v->Recorte();
        QVERIFY(r.desde >= 0);
        QCOMPARE(r.texto.mid(r.desde, r.largo), frase(id));
        QCOMPARE(v->accessibleName(), QStringLiteral("Versículo: ") + referencia(id));
        QCOMPARE(v->accessibleDescription(), QStringLiteral("Y dijo: esta es %1 que lo prueba.").arg(frase(id)));

        // Gone as the next question opens, by whichever way the board goes on.
        if (ArnesTablero::visible(t.el().cmdSigPreg))
            t.siguiente();
        else
            t.iniciar();
        QVERIFY(t.el().Resp1[0]->isEnabled());
        QVERIFY(v->isHidden());
        QVERIFY(!v->Activa());
    }
};

QTEST_MAIN(TstTableroVersiculo)
#include "tst_TableroVersiculo.moc"
