#include "Sala.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <algorithm>

namespace {
// More phones than this (each one a token that joined with the code) and the
// room takes no new ones: a bound on what joining again and again can cost.
constexpr int kMaxTelefonos = 2000;

QString texto(Juicio j) {
    switch (j) {
    case Juicio::Acierto: return QStringLiteral("acierto");
    case Juicio::Fallo: return QStringLiteral("fallo");
    case Juicio::Retiro: return QStringLiteral("retiro");
    }
    return {};
}

QString aciertos(int n) {
    return n == 1 ? QStringLiteral("1 acierto") : QStringLiteral("%1 aciertos").arg(n);
}

QJsonArray lista(const QList<PuestoEnSala>& puestos) {
    QJsonArray a;
    for (const auto& p : puestos)
        a.append(QJsonObject{{"nombre", p.nombre}, {"puntos", p.puntos}});
    return a;
}
} // namespace

Sala::Sala(Porteria& porteria, const Limites& limites, const Reloj& reloj, QString codigo, QObject* parent)
    : QObject(parent), porteria_(porteria), l_(limites), reloj_(reloj),
      codigo_(codigo.isEmpty() ? nuevoCodigo() : std::move(codigo)) {}

QString Sala::nuevoCodigo() {
    return QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(10000), 4, 10, QLatin1Char('0'));
}

QString Sala::nuevaFicha() {
    quint32 p[4];
    QRandomGenerator::system()->fillRange(p);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(p), sizeof p).toHex());
}

QString Sala::limpiarNombre(const QString& nombre) {
    QString s;
    for (QChar c : nombre) {
        const auto cat = c.category();
        if (c.isSpace())
            s.append(QChar(u' '));
        else if (cat != QChar::Other_Control && cat != QChar::Other_Format)
            s.append(c);
    }
    s = s.simplified();
    if (s.size() > 20) {
        int n = 20;
        if (s.at(n - 1).isHighSurrogate())
            --n; // never half a character
        s = s.left(n).trimmed();
    }
    return s;
}

std::optional<int> Sala::letra(const QJsonValue& v) {
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (d != 0 && d != 1 && d != 2 && d != 3)
        return std::nullopt;
    return int(d);
}

void Sala::mandar(int id, const QJsonObject& m) {
    emit enviar(id, QString::fromUtf8(QJsonDocument(m).toJson(QJsonDocument::Compact)));
}

void Sala::aTodos(const QJsonObject& m) {
    const QString s = QString::fromUtf8(QJsonDocument(m).toJson(QJsonDocument::Compact));
    for (const auto& t : std::as_const(telefonos_))
        if (t.conexion >= 0)
            emit enviar(t.conexion, s);
}

// ---- the phones' side ----------------------------------------------------

void Sala::abierta(int id, const QString& direccion) {
    conexiones_.insert(id, Conexion{direccion, Cupo(l_.mensajesPorSegundo, l_.rafagaDeMensajes, reloj_.ms()), {}});
}

void Sala::cerrada(int id) {
    auto it = conexiones_.find(id);
    if (it == conexiones_.end())
        return;
    const QString ficha = it->ficha;
    conexiones_.erase(it);
    auto t = telefonos_.find(ficha);
    if (t != telefonos_.end() && t->conexion == id) {
        t->conexion = -1;
        --conectados_;
        emit conectadosCambian(conectados_);
        if (encuesta_.abierta) {
            contarVotos();
            revisarTodosVotaron();
        }
    }
}

void Sala::recibir(int id, const QString& texto) {
    auto it = conexiones_.find(id);
    if (it == conexiones_.end())
        return;
    if (texto.size() > l_.mensajeMaximo || !it->cupo.tomar(reloj_.ms())) {
        emit echar(id);
        return;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(texto.toUtf8());
    const QJsonObject m = doc.object();
    const QString tipo = m.value(QLatin1String("t")).toString();
    if (it->ficha.isEmpty()) {
        // Nothing counts before the room code.
        if (tipo == QLatin1String("unirse"))
            unirse(id, *it, m);
        else
            emit echar(id);
        return;
    }
    auto t = telefonos_.find(it->ficha);
    if (t == telefonos_.end())
        return;
    const auto r = letra(m.value(QLatin1String("r")));
    if (!r)
        return;
    if (tipo == QLatin1String("voto"))
        votar(*t, it->ficha, *r);
    else if (tipo == QLatin1String("respuesta"))
        responder(*t, *r);
}

void Sala::unirse(int id, Conexion& c, const QJsonObject& m) {
    if (porteria_.bloqueada(c.direccion)) {
        mandar(id, {{"t", "rechazo"}, {"motivo", "bloqueada"}});
        emit echar(id);
        return;
    }
    if (m.value(QLatin1String("sala")).toString() != codigo_) {
        porteria_.codigoErrado(c.direccion);
        const bool ya = porteria_.bloqueada(c.direccion);
        mandar(id, {{"t", "rechazo"}, {"motivo", ya ? "bloqueada" : "codigo"}});
        if (ya)
            emit echar(id);
        return;
    }
    QString ficha = m.value(QLatin1String("ficha")).toString();
    auto t = telefonos_.find(ficha);
    if (t == telefonos_.end()) {
        if (telefonos_.size() >= kMaxTelefonos) {
            mandar(id, {{"t", "rechazo"}, {"motivo", "llena"}});
            emit echar(id);
            return;
        }
        ficha = nuevaFicha();
        Telefono nuevo;
        nuevo.orden = ++unidos_;
        nuevo.nombre = limpiarNombre(m.value(QLatin1String("nombre")).toString());
        if (nuevo.nombre.isEmpty())
            nuevo.nombre = QStringLiteral("Teléfono %1").arg(nuevo.orden);
        t = telefonos_.insert(ficha, nuevo);
    } else if (t->conexion >= 0 && t->conexion != id) {
        // The same phone again (a reload, a second tab): the new connection
        // takes over and the old one goes.
        const int vieja = t->conexion;
        if (auto v = conexiones_.find(vieja); v != conexiones_.end())
            v->ficha.clear();
        t->conexion = -1;
        --conectados_;
        emit echar(vieja);
    }
    c.ficha = ficha;
    t->conexion = id;
    ++conectados_;
    mandar(id, {{"t", "bienvenida"}, {"ficha", ficha}, {"nombre", t->nombre}});
    ponerAlDia(id, *t);
    emit conectadosCambian(conectados_);
    if (encuesta_.abierta)
        contarVotos();
}

void Sala::ponerAlDia(int id, const Telefono& t) {
    const QString ficha = conexiones_.value(id).ficha;
    switch (fase_) {
    case Fase::Espera:
        mandar(id, {{"t", "espera"}});
        break;
    case Fase::Pregunta:
        mandar(id, mensajePregunta());
        if (t.respuesta >= 0)
            mandar(id, {{"t", "tuRespuesta"}, {"r", t.respuesta}});
        break;
    case Fase::Juzgada:
        mandar(id, mensajePregunta());
        mandar(id, mensajeJuicio(t));
        break;
    case Fase::Final:
        mandar(id, final_);
        break;
    }
    if (encuesta_.abierta)
        mandar(id, mensajeEncuesta(ficha));
}

void Sala::votar(Telefono& t, const QString& ficha, int r) {
    if (!encuesta_.abierta || quitada(r))
        return;
    encuesta_.votos.insert(ficha, r);
    mandar(t.conexion, {{"t", "tuVoto"}, {"r", r}});
    contarVotos();
    revisarTodosVotaron();
}

void Sala::responder(Telefono& t, int r) {
    if (fase_ != Fase::Pregunta || !preguntaJuega_ || quitada(r))
        return;
    t.respuesta = r;
    t.momento = reloj_.ms() - abiertaEn_;
    mandar(t.conexion, {{"t", "tuRespuesta"}, {"r", r}});
}

void Sala::revisar() {
    if (encuesta_.abierta && reloj_.ms() >= encuesta_.cierre)
        cerrarEncuestaYAvisar();
}

// ---- the poll --------------------------------------------------------------

std::array<int, 4> Sala::votos() const {
    std::array<int, 4> v{};
    for (int r : encuesta_.votos)
        ++v[size_t(r)];
    return v;
}

void Sala::contarVotos() {
    // Phones there now, and those that voted and went: "12 de 30".
    int fuera = 0;
    for (auto it = encuesta_.votos.cbegin(); it != encuesta_.votos.cend(); ++it)
        if (telefonos_.value(it.key()).conexion < 0)
            ++fuera;
    emit votosCambian(int(encuesta_.votos.size()), conectados_ + fuera);
}

void Sala::revisarTodosVotaron() {
    if (!encuesta_.abierta || conectados_ == 0)
        return;
    for (auto it = telefonos_.cbegin(); it != telefonos_.cend(); ++it)
        if (it->conexion >= 0 && !encuesta_.votos.contains(it.key()))
            return;
    cerrarEncuestaYAvisar();
}

bool Sala::abrirEncuesta() {
    if (encuesta_.abierta)
        return true;
    if (conectados_ == 0)
        return false;
    encuesta_.abierta = true;
    encuesta_.cierre = reloj_.ms() + l_.duracionEncuestaMs;
    encuesta_.votos.clear();
    aTodos(mensajeEncuesta({}));
    contarVotos();
    return true;
}

void Sala::cerrarEncuesta() {
    if (encuesta_.abierta)
        cerrarEncuestaYAvisar();
}

void Sala::cerrarEncuestaYAvisar() {
    encuesta_.abierta = false;
    aTodos({{"t", "encuesta"}, {"abierta", false}});
    emit encuestaCerrada(votos());
}

QJsonObject Sala::mensajeEncuesta(const QString& ficha) const {
    return {{"t", "encuesta"},
            {"abierta", encuesta_.abierta},
            {"quitadas", QJsonArray{quitadas_[0], quitadas_[1], quitadas_[2], quitadas_[3]}},
            {"tuVoto", encuesta_.votos.value(ficha, -1)},
            {"segundos", int(std::max<qint64>(0, encuesta_.cierre - reloj_.ms()) / 1000)}};
}

// ---- the board's side -------------------------------------------------------

QJsonObject Sala::mensajePregunta() const {
    QJsonArray respuestas, quitadas;
    for (size_t i = 0; i < 4; ++i) {
        respuestas.append(pregunta_.respuestas[i]);
        quitadas.append(quitadas_[i]);
    }
    const qint64 pasaron = fase_ == Fase::Pregunta ? (reloj_.ms() - abiertaEn_) / 1000 : 0;
    return {{"t", "pregunta"},
            {"jugador", pregunta_.jugador},
            {"escalon", pregunta_.escalon},
            {"puntos", pregunta_.puntos},
            {"enunciado", pregunta_.enunciado},
            {"respuestas", respuestas},
            {"quitadas", quitadas},
            {"segundos", int(std::max<qint64>(0, pregunta_.segundos - pasaron))},
            {"juega", preguntaJuega_}};
}

void Sala::abrirPregunta(const PreguntaEnSala& p) {
    // Votes cast for the question before a skip are not votes for this one.
    if (encuesta_.abierta)
        cerrarEncuestaYAvisar();
    pregunta_ = p;
    pregunta_.jugador = pregunta_.jugador.left(60);
    quitadas_ = {};
    abiertaEn_ = reloj_.ms();
    preguntaJuega_ = juega_;
    fase_ = Fase::Pregunta;
    for (auto& t : telefonos_)
        t.respuesta = -1;
    aTodos(mensajePregunta());
}

void Sala::quitar(const std::array<bool, 4>& quitadas) {
    if (fase_ != Fase::Pregunta)
        return;
    quitadas_ = quitadas;
    for (auto& t : telefonos_)
        if (t.respuesta >= 0 && quitadas_[size_t(t.respuesta)])
            t.respuesta = -1; // an answer taken away is no answer
    aTodos({{"t", "quitadas"},
            {"quitadas", QJsonArray{quitadas_[0], quitadas_[1], quitadas_[2], quitadas_[3]}}});
}

QJsonObject Sala::mensajeJuicio(const Telefono& t) const {
    QJsonObject m{{"t", "juicio"}, {"correcta", correcta_}, {"elegida", elegida_}, {"juicio", texto(juicio_)}};
    if (preguntaJuega_) {
        m.insert(QLatin1String("tuRespuesta"), t.respuesta);
        m.insert(QLatin1String("tusAciertos"), t.aciertos);
    }
    return m;
}

void Sala::juzgar(int correcta, int elegida, Juicio j) {
    if (fase_ != Fase::Pregunta)
        return;
    if (encuesta_.abierta)
        cerrarEncuestaYAvisar();
    correcta_ = std::clamp(correcta, -1, 3);
    elegida_ = std::clamp(elegida, -1, 3);
    juicio_ = j;
    fase_ = Fase::Juzgada;
    for (auto& t : telefonos_) {
        if (preguntaJuega_ && t.respuesta >= 0) {
            t.jugo = true;
            if (t.respuesta == correcta_) {
                ++t.aciertos;
                t.tiempoMs += t.momento;
            }
        }
        if (t.conexion >= 0)
            mandar(t.conexion, mensajeJuicio(t));
    }
}

QList<QString> Sala::ordenDeClasificacion() const {
    QList<QString> fichas;
    for (auto it = telefonos_.cbegin(); it != telefonos_.cend(); ++it)
        if (it->jugo)
            fichas.append(it.key());
    std::sort(fichas.begin(), fichas.end(), [this](const QString& a, const QString& b) {
        const Telefono& x = telefonos_[a];
        const Telefono& y = telefonos_[b];
        if (x.aciertos != y.aciertos)
            return x.aciertos > y.aciertos;
        if (x.tiempoMs != y.tiempoMs)
            return x.tiempoMs < y.tiempoMs;
        return x.orden < y.orden;
    });
    return fichas;
}

QList<PuestoEnSala> Sala::clasificacion() const {
    QList<PuestoEnSala> l;
    for (const QString& f : ordenDeClasificacion())
        l.append({telefonos_[f].nombre, aciertos(telefonos_[f].aciertos)});
    return l;
}

QJsonObject Sala::mensajeClasificacion(const QString& ficha) const {
    QJsonObject m = final_;
    const QList<QString> orden = ordenDeClasificacion();
    const qsizetype i = orden.indexOf(ficha);
    if (i >= 0) {
        m.insert(QLatin1String("tuPuesto"), int(i + 1));
        m.insert(QLatin1String("tusAciertos"), telefonos_[ficha].aciertos);
    }
    return m;
}

void Sala::terminarJuego() {
    if (encuesta_.abierta)
        cerrarEncuestaYAvisar();
    const QList<PuestoEnSala> todos = clasificacion();
    if (todos.isEmpty()) {
        // Nobody played along: the window shows no one rather than the
        // last player's room.
        emit mejoresCambian({});
        return;
    }
    final_ = {{"t", "clasificacion"}, {"lista", lista(todos.mid(0, 10))}, {"de", int(todos.size())}};
    fase_ = Fase::Final;
    for (auto it = telefonos_.cbegin(); it != telefonos_.cend(); ++it)
        if (it->conexion >= 0)
            mandar(it->conexion, mensajeClasificacion(it.key()));
    emit mejoresCambian(todos.mid(0, 5));
    // The next player's game is a new game for the room too; a phone that
    // comes now sees the list without a place of its own.
    final_ = {{"t", "clasificacion"}, {"lista", final_.value(QLatin1String("lista"))}, {"cerrada", true}};
    for (auto& t : telefonos_) {
        t.aciertos = 0;
        t.tiempoMs = 0;
        t.jugo = false;
        t.respuesta = -1;
    }
}

void Sala::terminarPartida(const QList<PuestoEnSala>& posiciones) {
    if (encuesta_.abierta)
        cerrarEncuestaYAvisar();
    final_ = {{"t", "posiciones"}, {"lista", lista(posiciones.mid(0, 6))}};
    fase_ = Fase::Final;
    aTodos(final_);
}
