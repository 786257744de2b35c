#include "CitasBase.h"

#include "ArchivoPreguntas.h"
#include "Biblia.h"
#include "ModeloPreguntas.h"
#include "Ubicaciones.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace CitasBase {

namespace {
// A reference as a key: "Génesis  6:14 " is "Génesis 6:14".
QString clave(const QString& referencia) { return Citas::Limpio(referencia); }
}  // namespace

Abierta leer(const QString& rutaBase, FilasEditables& filas)
{
    // The player's own copy falls back on the shipped passages as the game
    // does; any other base has only those beside it.
    RutasBase rutas{rutaBase, QString()};
    const RutasBase delJugador = Ubicaciones::BaseDelJugador().rutas;
    if (QFileInfo(delJugador.principal).absoluteFilePath() == QFileInfo(rutaBase).absoluteFilePath())
        rutas.respaldo = delJugador.respaldo;

    Abierta a;
    a.ruta = Citas::RutaPara(rutas);
    Citas::Lectura l = Citas::LeerParaEditar(a.ruta);
    a.estado = l.estado;
    a.ilegibles = std::move(l.otras);
    QHash<qint64, FilaEditable*> porId;
    for (FilaEditable& f : filas)
        porId.insert(ModeloPreguntas::id(f), &f);
    for (Citas::Fila& c : l.citas) {
        if (!c.second.texto.isEmpty())
            a.textos.insert(clave(c.second.referencia), c.second.texto);
        FilaEditable* f = porId.value(c.first);
        if (!f) {
            a.ajenas << std::move(c);
            continue;
        }
        f->referencia = c.second.referencia;
        f->evidencia = c.second.frase;
    }
    return a;
}

Escritura escribir(const QString& rutaBase, const FilasEditables& filas, Abierta& abierta, const Biblia* biblia)
{
    const QString ruta = Citas::Junto(rutaBase);
    const QString nombre = ArchivoPreguntas::nombre(ruta);
    if (abierta.estado == Citas::Estado::Ilegible && abierta.ruta == ruta)
        return {true, QStringLiteral("%1 no se pudo leer al abrir la base, así que quedó como estaba: "
                                     "las referencias de esta sesión no se guardaron.")
                          .arg(nombre)};

    QHash<QString, QString> textos = abierta.textos;
    QList<Citas::Fila> citas;
    QSet<qint64> ids;
    int sinTexto = 0;
    for (const FilaEditable& f : filas) {
        const qint64 id = ModeloPreguntas::id(f);
        ids.insert(id);
        if (f.referencia.trimmed().isEmpty())
            continue;
        // A reference already known keeps its text (the same verses, read
        // the same way by the build or an earlier save): reading all of a
        // base's verses through SWORD takes seconds. A new one is read; with
        // no Bible here, or no such verse in it, it has no text yet.
        const QString k = clave(f.referencia);
        if (biblia && !textos.contains(k))
            if (const Pasaje p = biblia->pasaje(f.referencia); p.esEncontrado())
                textos.insert(k, p.texto());
        const QString texto = textos.value(k);
        if (texto.isEmpty())
            ++sinTexto;
        citas << Citas::Fila{qint32(id), {f.referencia, texto, f.evidencia}};
    }
    // A question given the ID of a line left from elsewhere takes it over.
    QList<Citas::Fila> ajenas;
    for (const Citas::Fila& c : abierta.ajenas)
        if (!ids.contains(c.first))
            ajenas << c;
    citas += ajenas;
    // Nothing to keep and nothing there: no empty file is made.
    if (citas.isEmpty() && abierta.ilegibles.isEmpty() && !QFileInfo::exists(ruta))
        return {};
    if (!Citas::Escribir(ruta, citas, abierta.ilegibles))
        return {false, QStringLiteral("No se pudo escribir %1, con las referencias de las preguntas: quedó como "
                                      "estaba.")
                           .arg(nombre)};
    abierta.estado = Citas::Estado::Leida;
    abierta.ruta = ruta;
    abierta.textos = std::move(textos);
    abierta.ajenas = std::move(ajenas);
    if (sinTexto == 0)
        return {};
    return {true, sinTexto == 1 ? QStringLiteral("Una referencia se guardó sin el texto del versículo, que no se pudo "
                                                 "leer: el juego no mostrará ese pasaje.")
                                : QStringLiteral("%1 referencias se guardaron sin el texto del versículo, que no se pudo "
                                                 "leer: el juego no mostrará esos pasajes.")
                                      .arg(sinTexto)};
}

}  // namespace CitasBase
