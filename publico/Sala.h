#pragma once
#include "Limites.h"
#include "Porteria.h"
#include "Publico.h"
#include "Reloj.h"
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <QString>
#include <array>
#include <optional>

// The room's state and rules, and the little JSON messages the phones and the
// room exchange. It sees no socket: the server tells it which connection
// opened, closed or sent what, and sends what it says to whom. One thread.
//
// A connection must join with the room code before anything else it sends
// counts; a joined connection is a phone, known by a random token it keeps,
// so a phone that drops and comes back keeps its name, vote and score.
class Sala : public QObject {
    Q_OBJECT
public:
    Sala(Porteria& porteria, const Limites& limites, const Reloj& reloj,
         QString codigo = {}, QObject* parent = nullptr);

    QString codigo() const { return codigo_; }
    int conectados() const { return conectados_; }
    int telefonos() const { return int(telefonos_.size()); }
    bool unida(int id) const { return !conexiones_.value(id).ficha.isEmpty(); }

    // The server's side: a WebSocket opened, closed, or sent a text.
    void abierta(int id, const QString& direccion);
    void cerrada(int id);
    void recibir(int id, const QString& texto);
    // Time went by: the poll closes once its time is up.
    void revisar();

    // The board's side (see Publico).
    void setJuega(bool si) { juega_ = si; }
    void abrirPregunta(const PreguntaEnSala& p);
    void quitar(const std::array<bool, 4>& quitadas);
    void juzgar(int correcta, int elegida, Juicio j);
    void terminarJuego();
    void terminarPartida(const QList<PuestoEnSala>& posiciones);
    bool abrirEncuesta();
    void cerrarEncuesta();

    bool encuestaAbierta() const { return encuesta_.abierta; }
    std::array<int, 4> votos() const;
    // The audience's ranking since the last player's game ended: correct
    // answers, then the least time taken over them, then who joined first.
    QList<PuestoEnSala> clasificacion() const;

    // A name as the room keeps it: trimmed, without control characters, at
    // most 20 characters; markup stays plain letters.
    static QString limpiarNombre(const QString& nombre);
    static QString nuevoCodigo();
    static QString nuevaFicha();

signals:
    void enviar(int id, const QString& json);
    void echar(int id);
    void conectadosCambian(int conectados);
    void votosCambian(int votaron, int de);
    void encuestaCerrada(const std::array<int, 4>& votos);
    void mejoresCambian(const QList<PuestoEnSala>& mejores);

private:
    struct Conexion {
        QString direccion;
        Cupo cupo;
        QString ficha; // empty until it joins
    };
    struct Telefono {
        QString nombre;
        int conexion = -1; // -1 while away
        int orden = 0;
        int aciertos = 0;
        qint64 tiempoMs = 0;
        bool jugo = false;
        int respuesta = -1;
        qint64 momento = 0;
    };
    enum class Fase { Espera, Pregunta, Juzgada, Final };

    void unirse(int id, Conexion& c, const QJsonObject& m);
    void votar(Telefono& t, const QString& ficha, int r);
    void responder(Telefono& t, int r);
    void ponerAlDia(int id, const Telefono& t);
    void mandar(int id, const QJsonObject& m);
    void aTodos(const QJsonObject& m);
    void cerrarEncuestaYAvisar();
    void contarVotos();
    void revisarTodosVotaron();
    QJsonObject mensajePregunta() const;
    QJsonObject mensajeJuicio(const Telefono& t) const;
    QJsonObject mensajeEncuesta(const QString& ficha) const;
    QJsonObject mensajeClasificacion(const QString& ficha) const;
    QList<QString> ordenDeClasificacion() const;
    static std::optional<int> letra(const QJsonValue& v);
    // Outside A..D counts as taken away too: nothing indexes past D.
    bool quitada(int r) const { return r < 0 || r > 3 || quitadas_[size_t(r)]; }

    Porteria& porteria_;
    Limites l_;
    const Reloj& reloj_;
    QString codigo_;
    QHash<int, Conexion> conexiones_;
    QHash<QString, Telefono> telefonos_;
    int conectados_ = 0;
    int unidos_ = 0;

    bool juega_ = false;
    Fase fase_ = Fase::Espera;
    PreguntaEnSala pregunta_;
    bool preguntaJuega_ = false;
    qint64 abiertaEn_ = 0;
    std::array<bool, 4> quitadas_{};
    int correcta_ = -1, elegida_ = -1;
    Juicio juicio_ = Juicio::Fallo;
    QJsonObject final_; // the standings or the ranking, for phones that come late

    struct Encuesta {
        bool abierta = false;
        qint64 cierre = 0;
        QHash<QString, int> votos; // token to answer
    } encuesta_;
};
