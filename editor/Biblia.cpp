#include "Biblia.h"

#include "Libros.h"
#include "Numeracion.h"

#ifdef ORVALIA_CON_SWORD
#include <markupfiltmgr.h>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>
#include <versificationmgr.h>
#endif

#include <QRegularExpression>
#include <algorithm>
#include <optional>

#ifdef ORVALIA_CON_SWORD

struct Biblia::Datos {
    std::unique_ptr<sword::SWMgr> mgr;
    sword::SWModule* modulo = nullptr;  // owned by mgr
};

namespace {

QString plural(int n, const char* uno, const char* varios)
{
    return n == 1 ? QString::fromUtf8(uno) : QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(varios));
}

std::unique_ptr<sword::SWMgr> abrir(const QString& carpeta)
{
    // SWORD logs to stderr what it cannot find; an absent Bible is a state
    // the editor reports itself.
    sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
    auto* filtros = new sword::MarkupFilterMgr(sword::FMT_PLAIN);  // owned by the manager
    if (carpeta.isEmpty())
        return std::make_unique<sword::SWMgr>(filtros);
    const QByteArray ruta = carpeta.toLocal8Bit();
    return std::make_unique<sword::SWMgr>(ruta.constData(), true, filtros, false, false);
}

// A word the module tags with two Strong's numbers keeps the second as
// "<G5547>" even with the numbers switched off; the sources' checker drops
// the same tags.
QString limpio(const char* texto)
{
    static const QRegularExpression strong(QStringLiteral("\\s*<[GH][0-9]+[a-z]?>"));
    return Pasaje::normalizado(QString::fromUtf8(texto).remove(strong));
}

}  // namespace

Biblia::Biblia() : Biblia(QString()) {}

Biblia::Biblia(const QString& carpeta) : d_(std::make_unique<Datos>())
{
    d_->mgr = abrir(carpeta);
    d_->mgr->setGlobalOption("Strong's Numbers", "Off");
    d_->mgr->setGlobalOption("Morphological Tags", "Off");
    d_->mgr->setGlobalOption("Footnotes", "Off");
    d_->mgr->setGlobalOption("Cross-references", "Off");
    d_->mgr->setGlobalOption("Headings", "Off");
    d_->modulo = d_->mgr->getModule(Modulo);
    // Only a Bible keyed by verse will do.
    if (d_->modulo) {
        std::unique_ptr<sword::SWKey> clave(d_->modulo->createKey());
        if (!dynamic_cast<sword::VerseKey*>(clave.get()))
            d_->modulo = nullptr;
    }
}

Biblia::~Biblia() = default;

bool Biblia::conSword() { return true; }

bool Biblia::disponible() const { return d_->modulo != nullptr; }

Pasaje Biblia::pasaje(const Cita& c) const
{
    using Estado = Pasaje::Estado;
    if (!c.valida())
        return Pasaje::deCitaInvalida(c);
    if (!disponible())
        return Pasaje::fallido(Estado::NoDisponible, c,
                               QStringLiteral("El texto de la Biblia no está disponible: falta la Reina-Valera 1909 "
                                              "(el paquete sword-text-sparv)."));

    std::unique_ptr<sword::SWKey> clave(d_->modulo->createKey());
    auto* vk = static_cast<sword::VerseKey*>(clave.get());
    const sword::VersificationMgr::System* sistema =
        sword::VersificationMgr::getSystemVersificationMgr()->getVersificationSystem(vk->getVersificationSystem());
    const char* osis = Libros::lista()[size_t(c.libro)].osis;
    const int numeroLibro = sistema ? sistema->getBookNumberByOSISName(osis) : -1;  // from 1
    const sword::VersificationMgr::Book* libro = numeroLibro > 0 ? sistema->getBook(numeroLibro - 1) : nullptr;
    const QString nombre = Libros::nombre(c.libro);
    if (!libro)
        return Pasaje::fallido(Estado::NoExiste, c,
                               QStringLiteral("%1 no está en esta Biblia.").arg(nombre));

    const int capitulos = libro->getChapterMax();
    if (c.capitulo < 1 || c.capitulo > capitulos)
        return Pasaje::fallido(Estado::NoExiste, c,
                               QStringLiteral("%1 tiene %2: no hay capítulo %3.")
                                   .arg(nombre, plural(capitulos, "un solo capítulo", "capítulos"))
                                   .arg(c.capitulo));
    // Verse numbers as printed Bibles show them (Numeracion): a chapter may
    // have a printed verse more than the module counts.
    const auto mayorImpreso = [&](int capitulo) {
        return std::max(libro->getVerseMax(capitulo), Numeracion::mayorImpreso(c.libro, capitulo));
    };
    const int versos = mayorImpreso(c.capitulo);
    if (c.desde < 1 || c.hasta > versos) {
        const int falta = c.desde < 1 ? c.desde : c.hasta;
        return Pasaje::fallido(Estado::NoExiste, c,
                               QStringLiteral("%1 %2 tiene %3: no hay versículo %4.")
                                   .arg(nombre)
                                   .arg(c.capitulo)
                                   .arg(plural(versos, "un solo versículo", "versículos"))
                                   .arg(falta));
    }

    // The key is set part by part, never parsed from text (the book's name
    // would go through SWORD's locale), and only to verses the module has:
    // a verse past the end of a chapter silently reads a verse of the next
    // one (Génesis 50:30 gives Éxodo 1:4, or Éxodo 1:2 without normalising).
    vk->setAutoNormalize(false);
    vk->setIntros(false);
    const int librosAT = sistema->getBMAX()[0];
    const bool nuevo = numeroLibro > librosAT;
    vk->setTestament(nuevo ? 2 : 1);
    vk->setBook(char(nuevo ? numeroLibro - librosAT : numeroLibro));
    const auto delModulo = [&](int capitulo, int verso) {
        vk->setChapter(capitulo);
        vk->setVerse(verso);
        d_->modulo->setKey(*vk);
        return limpio(d_->modulo->stripText());
    };
    // A printed verse runs from where it begins to where the next one does
    // (none after the book's last).
    const auto siguiente = [&](int capitulo, int verso) -> std::optional<Numeracion::Inicio> {
        if (verso < mayorImpreso(capitulo))
            return Numeracion::inicio(c.libro, capitulo, verso + 1);
        if (capitulo < capitulos)
            return Numeracion::inicio(c.libro, capitulo + 1, 1);
        return std::nullopt;
    };
    QList<Versiculo> versiculos;
    for (int v = c.desde; v <= c.hasta; ++v) {
        const Numeracion::Inicio desde = Numeracion::inicio(c.libro, c.capitulo, v);
        const std::optional<Numeracion::Inicio> hasta = siguiente(c.capitulo, v);
        QStringList partes;
        for (int cap = desde.capitulo, ver = desde.verso;;) {
            const bool ultimo = hasta && cap == hasta->capitulo && ver == hasta->verso;
            if (hasta && (cap > hasta->capitulo || (cap == hasta->capitulo && ver > hasta->verso)))
                break;
            if (ultimo && hasta->empieza.isEmpty())
                break;
            const QString t = delModulo(cap, ver);
            qsizetype ini = 0;
            if (cap == desde.capitulo && ver == desde.verso && !desde.empieza.isEmpty())
                ini = std::max<qsizetype>(0, t.indexOf(desde.empieza));
            qsizetype fin = t.size();
            if (ultimo) {
                const qsizetype i = t.indexOf(hasta->empieza, ini);
                fin = i < 0 ? t.size() : i;
            }
            partes << t.mid(ini, fin - ini).trimmed();
            if (ultimo)
                break;
            if (ver < libro->getVerseMax(cap))
                ++ver;
            else if (cap < capitulos)
                ++cap, ver = 1;
            else
                break;
        }
        partes.removeAll(QString());
        const QString texto = partes.join(QLatin1Char(' '));
        // A verse this translation leaves out comes back empty: for a
        // question it does not exist.
        if (texto.isEmpty())
            return Pasaje::fallido(Estado::NoExiste, c,
                                   QStringLiteral("%1 %2:%3 no está en la Reina-Valera 1909.")
                                       .arg(nombre)
                                       .arg(c.capitulo)
                                       .arg(v));
        versiculos.append({v, texto});
    }
    return Pasaje::encontrado(c, std::move(versiculos));
}

#else  // built without libsword

struct Biblia::Datos {};

Biblia::Biblia() : d_(std::make_unique<Datos>()) {}
Biblia::Biblia(const QString&) : Biblia() {}
Biblia::~Biblia() = default;
bool Biblia::conSword() { return false; }
bool Biblia::disponible() const { return false; }

Pasaje Biblia::pasaje(const Cita& c) const
{
    if (!c.valida())
        return Pasaje::deCitaInvalida(c);
    return Pasaje::fallido(Pasaje::Estado::NoDisponible, c,
                           QStringLiteral("El texto de la Biblia no está disponible en esta versión del editor."));
}

#endif

Pasaje Biblia::pasaje(const QString& referencia) const { return pasaje(Cita::leer(referencia)); }
