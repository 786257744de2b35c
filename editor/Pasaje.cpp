#include "Pasaje.h"

#include "Colores.h"
#include "Libros.h"
#include "Plegar.h"

#include <vector>

namespace {

QString entreComillas(const QString& s) { return QStringLiteral("«") + s + QStringLiteral("»"); }

QString parrafo(const QString& texto) { return QStringLiteral("<p>") + texto.toHtmlEscaped() + QStringLiteral("</p>"); }

}  // namespace

QString Pasaje::normalizado(const QString& texto)
{
    return texto.normalized(QString::NormalizationForm_C).simplified();
}

Pasaje Pasaje::encontrado(const Cita& cita, QList<Versiculo> versiculos)
{
    Pasaje p;
    p.estado_ = Estado::Encontrado;
    p.cita_ = cita;
    p.versiculos_ = std::move(versiculos);
    return p;
}

Pasaje Pasaje::fallido(Estado estado, const Cita& cita, const QString& mensaje)
{
    Pasaje p;
    p.estado_ = estado;
    p.cita_ = cita;
    p.mensaje_ = mensaje;
    return p;
}

Pasaje Pasaje::deCitaInvalida(const Cita& c)
{
    const QString ejemplo = QStringLiteral("«Génesis 6:14» o «Génesis 6:14-16»");
    switch (c.estado) {
    case Cita::Estado::Valida:
        break;
    case Cita::Estado::Vacia:
        return fallido(Estado::SinReferencia, c,
                       QStringLiteral("Escribe la referencia del pasaje, por ejemplo ") + ejemplo + QLatin1Char('.'));
    case Cita::Estado::MalEscrita:
        return fallido(Estado::MalEscrita, c,
                       QStringLiteral("La referencia %1 está mal escrita. Escríbela con el libro, el capítulo, "
                                      "dos puntos y el versículo, así: ")
                               .arg(entreComillas(c.escrita)) +
                           ejemplo + QLatin1Char('.'));
    case Cita::Estado::AlReves:
        return fallido(Estado::MalEscrita, c,
                       QStringLiteral("En la referencia %1 el último versículo va antes que el primero. "
                                      "Escríbela así: ")
                               .arg(entreComillas(c.escrita)) +
                           ejemplo + QLatin1Char('.'));
    case Cita::Estado::LibroDesconocido: {
        QString m = QStringLiteral("No hay ningún libro llamado %1 en la Biblia.").arg(entreComillas(c.nombreLibro));
        const int quizas = Libros::parecido(c.nombreLibro);
        if (quizas >= 0)
            m += QStringLiteral(" ¿Quisiste decir %1?").arg(entreComillas(Libros::nombre(quizas)));
        else
            m += QStringLiteral(" Escribe el nombre como en la Reina-Valera, por ejemplo «1 Reyes» o «Apocalipsis».");
        return fallido(Estado::LibroDesconocido, c, m);
    }
    }
    return fallido(Estado::MalEscrita, c, QString());
}

QString Pasaje::referencia() const { return cita_.valida() ? cita_.texto() : cita_.escrita; }

QString Pasaje::texto() const
{
    QStringList partes;
    for (const Versiculo& v : versiculos_)
        partes << v.texto;
    return partes.join(QLatin1Char(' '));
}

MarcaFrase Pasaje::marcar(const QString& frase) const
{
    MarcaFrase r;
    if (!esEncontrado()) {
        r.estado = MarcaFrase::Estado::SinPasaje;
        r.mensaje = mensaje_;
        r.html = parrafo(mensaje_);
        return r;
    }

    // Where each verse starts in the joined text, and which characters of it
    // the phrase covers.
    const QString todo = texto();
    std::vector<qsizetype> inicios;
    qsizetype pos = 0;
    for (const Versiculo& v : versiculos_) {
        inicios.push_back(pos);
        pos += v.texto.size() + 1;
    }
    std::vector<bool> marcado(size_t(todo.size()), false);
    const QString buscada = normalizado(frase);
    if (!buscada.isEmpty()) {
        for (qsizetype i = todo.indexOf(buscada); i >= 0; i = todo.indexOf(buscada, i + buscada.size())) {
            ++r.veces;
            for (qsizetype k = i; k < i + buscada.size(); ++k)
                marcado[size_t(k)] = true;
        }
    }

    const QString abre = QStringLiteral("<span style=\"background-color:%1;color:%2;font-weight:bold\">")
                             .arg(Colores::Oro.name(), Colores::Azul.name());
    const QString cierra = QStringLiteral("</span>");
    QString html = QStringLiteral("<p><b>") + referencia().toHtmlEscaped() + QStringLiteral("</b></p><p>");
    bool dentro = false;
    size_t siguiente = 0;  // the next verse whose number is due
    for (qsizetype i = 0; i < todo.size(); ++i) {
        if (siguiente < inicios.size() && inicios[siguiente] == i) {
            // Numbers stay outside the mark: they are not part of the text.
            if (dentro)
                html += cierra;
            html += QStringLiteral("<sup>%1</sup>&nbsp;").arg(versiculos_[qsizetype(siguiente)].numero);
            if (dentro)
                html += abre;
            ++siguiente;
        }
        if (marcado[size_t(i)] != dentro) {
            html += dentro ? cierra : abre;
            dentro = !dentro;
        }
        html += QString(todo.at(i)).toHtmlEscaped();
    }
    if (dentro)
        html += cierra;
    html += QStringLiteral("</p>");
    r.html = html;

    if (buscada.isEmpty()) {
        r.estado = MarcaFrase::Estado::SinFrase;
        r.mensaje = QStringLiteral("Falta la frase del pasaje que prueba la respuesta.");
    } else if (r.veces == 0) {
        r.estado = MarcaFrase::Estado::NoEsta;
        r.mensaje = QStringLiteral("La frase %1 no está en %2.").arg(entreComillas(buscada), referencia());
        // Folded only to tell the teacher that the phrase is there, written
        // otherwise; the check itself stays exact.
        const QString plegada = plegar(buscada);
        if (!plegada.isEmpty() && plegar(todo).contains(plegada))
            r.mensaje += QStringLiteral(" Está escrita de otro modo: copia las mayúsculas, los acentos y los "
                                        "signos tal como aparecen en el texto.");
    } else {
        r.estado = MarcaFrase::Estado::Marcada;
    }
    return r;
}
