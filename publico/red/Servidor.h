#pragma once
#include "OpcionesSala.h"
#include "Porteria.h"
#include "Publico.h"
#include "Reloj.h"
#include <QHash>
#include <QObject>
#include <memory>
#include <optional>
#include <utility>

class QHttpServer;
class QTimer;
class QWebSocket;
class Sala;
class ServidorTcp;

// The room on the network, on its own thread: Qt's HTTP server for the page,
// its WebSockets for everything the phones do, and the room's rules (Sala).
// Every call comes queued from PublicoEnRed; what the board must know goes
// back as these signals.
class Servidor : public QObject {
    Q_OBJECT
public:
    explicit Servidor(const OpcionesSala& opciones, QObject* parent = nullptr);
    ~Servidor() override;

    void encender();
    void apagar();

    Sala* sala() const { return sala_.get(); }

    // The address the laptop is reached at, or null with the reason.
    static QHostAddress direccionDeRed(QString* problema);

signals:
    void estado(const EstadoSala& e);
    void conectados(int n);
    void mejores(const QList<PuestoEnSala>& l);
    void votosCambian(int votaron, int de);
    void encuestaCerrada(const std::array<int, 4>& votos);

private:
    struct Telefono {
        QWebSocket* socket = nullptr;
        qint64 desde = 0;
        qint64 ultimo = 0;
    };
    void nuevoSocket();
    void echar(int id);
    void revisar();

    OpcionesSala op_;
    RelojReal reloj_;
    std::unique_ptr<Porteria> porteria_;
    std::unique_ptr<Sala> sala_;
    std::unique_ptr<QHttpServer> http_;
    ServidorTcp* tcp_ = nullptr;
    QTimer* reloj10_ = nullptr;
    QHash<int, Telefono> telefonos_;
    int siguiente_ = 0;
    qint64 ultimoPing_ = 0;
    QString host_;
    quint16 puerto_ = 0;
    std::optional<std::pair<int, int>> votosPendientes_;
};
