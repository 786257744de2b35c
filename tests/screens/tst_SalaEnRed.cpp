#include "ArnesTablero.h"
#include "CrearPublico.h"
#include "Estadisticas.h"
#include "Publico.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QWebSocket>

// The board with the real room, listening on 127.0.0.1 only, and one phone
// speaking to it as the phones' page does: the question reaches it, its vote
// reaches the board's chart.
class TstSalaEnRed : public QObject {
    Q_OBJECT

    static constexpr int kEspera = 15000;  // ms any one step may take on a busy machine

    struct Telefono {
        QWebSocket ws;
        QList<QJsonObject> recibido;
        explicit Telefono(const QUrl& url)
        {
            QObject::connect(&ws, &QWebSocket::textMessageReceived, [this](const QString& m) {
                recibido.append(QJsonDocument::fromJson(m.toUtf8()).object());
            });
            ws.open(url);
        }
        void decir(const QJsonObject& m) { ws.sendTextMessage(QString::fromUtf8(QJsonDocument(m).toJson())); }
        // The last message of that kind that satisfies the condition, once it has come.
        QJsonObject esperar(const char* tipo, std::function<bool(const QJsonObject&)> cumple = {})
        {
            auto buscar = [&]() -> QJsonObject {
                for (auto it = recibido.crbegin(); it != recibido.crend(); ++it)
                    if (it->value(QLatin1String("t")).toString() == QLatin1String(tipo) && (!cumple || cumple(*it)))
                        return *it;
                return {};
            };
            (void)QTest::qWaitFor([&] { return !buscar().isEmpty(); }, kEspera);
            return buscar();
        }
    };

private slots:
    void initTestCase() { qputenv("ORVALIA_PUBLICO_DIRECCION", "127.0.0.1"); }

    void unTelefonoVeLaPreguntaYVota()
    {
        std::unique_ptr<Publico> sala = CrearPublicoEnRed();
        ArnesTablero a({}, 5, sala.get());
        QVERIFY(a.cargado);
        sala->setEncendido(true);
        QTRY_VERIFY_WITH_TIMEOUT(sala->estado().escuchando, kEspera);
        const EstadoSala e = sala->estado();
        QVERIFY2(e.direccion.startsWith(QLatin1String("http://127.0.0.1:")), qPrintable(e.direccion));
        QVERIFY(e.enlace.contains(e.codigo));

        QUrl url(e.direccion);
        url.setScheme(QStringLiteral("ws"));
        url.setPath(QStringLiteral("/ws"));
        Telefono t(url);
        QTRY_COMPARE_WITH_TIMEOUT(t.ws.state(), QAbstractSocket::ConnectedState, kEspera);
        t.decir({{"t", "unirse"}, {"sala", e.codigo}, {"nombre", "Tel"}});
        QVERIFY(!t.esperar("bienvenida").isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(sala->estado().conectados, 1, kEspera);

        a.iniciar();
        const QJsonObject q = t.esperar("pregunta");
        QCOMPARE(q.value(QLatin1String("enunciado")).toString(), a.qtn().Enunciado());
        QVERIFY(!QJsonDocument(q).toJson().contains("correcta"));

        a.tecla(Qt::Key_E);
        Estadisticas* est = a.t->estadisticas();
        QVERIFY(est && est->EsperaVotos());
        QCOMPARE(est->Votos(), QStringLiteral("Han votado 0 de 1"));
        QVERIFY(!t.esperar("encuesta", [](const QJsonObject& m) { return m.value("abierta").toBool(); }).isEmpty());
        t.decir({{"t", "voto"}, {"r", 2}});
        // Every phone has voted: the vote closes and the chart is the phone's.
        QTRY_VERIFY_WITH_TIMEOUT(!est->EsperaVotos(), kEspera);
        QCOMPARE(est->Votos(), QStringLiteral("Ha votado 1 de 1"));
        QCOMPARE(est->Grafico().leyenda, (std::array<QString, 4>{"0%", "0%", "100%", "0%"}));
        QCOMPARE(est->Grafico().alto, (std::array<int, 4>{0, 0, 3600, 0}));

        a.acertar();
        const QJsonObject j = t.esperar("juicio");
        QCOMPARE(j.value(QLatin1String("correcta")).toInt(), int(a.correcta()));
        t.ws.close();
    }
};

QTEST_MAIN(TstSalaEnRed)
#include "tst_SalaEnRed.moc"
