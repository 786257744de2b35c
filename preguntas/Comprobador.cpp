#include "Comprobador.h"

#include "ArchivoBase.h"
#include "Plegar.h"

#include <algorithm>
#include <cmath>
#include <limits>

int Comprobador::distancia(const QString& a, const QString& b, int tope)
{
    // Levenshtein distance, giving up once every path exceeds tope.
    std::vector<int> previa(size_t(b.size()) + 1), actual(size_t(b.size()) + 1);
    for (size_t j = 0; j < previa.size(); ++j)
        previa[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        actual[0] = int(i);
        int minimo = actual[0];
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int coste = a[i - 1] == b[j - 1] ? 0 : 1;
            actual[size_t(j)] = std::min({previa[size_t(j)] + 1, actual[size_t(j - 1)] + 1, previa[size_t(j - 1)] + coste});
            minimo = std::min(minimo, actual[size_t(j)]);
        }
        if (minimo > tope)
            return tope + 1;
        std::swap(previa, actual);
    }
    return previa[size_t(b.size())];
}

QString Comprobador::nombreCampo(int campo)
{
    static const QStringList nombres{QStringLiteral("Orden"), QStringLiteral("Nivel"), QStringLiteral("Enunciado"),
                                     QStringLiteral("RespA"), QStringLiteral("RespB"), QStringLiteral("RespC"),
                                     QStringLiteral("RespD"), QStringLiteral("LetraCorrecta"), QStringLiteral("Veces"),
                                     QStringLiteral("ID"), QStringLiteral("Referencia")};
    return nombres.value(campo);
}

namespace {
bool vacio(const ValorEtiquetado& v) { return v.etiqueta() == ValorEtiquetado::Vacio || v.aTexto().trimmed().isEmpty(); }

// What an empty field is called when it is missing.
QString falta(int campo)
{
    switch (campo) {
    case FilaBase::Nivel: return QStringLiteral("falta el nivel");
    case FilaBase::Enunciado: return QStringLiteral("falta el texto de la pregunta");
    case FilaBase::RespA:
    case FilaBase::RespB:
    case FilaBase::RespC:
    case FilaBase::RespD: return QStringLiteral("falta la respuesta %1").arg(QChar(u'A' + campo - FilaBase::RespA));
    case FilaBase::LetraCorrecta: return QStringLiteral("falta marcar la respuesta correcta");
    case FilaBase::ID: return QStringLiteral("falta el ID");
    case Comprobador::CampoReferencia: return QStringLiteral("falta la referencia");
    default: return QStringLiteral("%1 está vacío").arg(Comprobador::nombreCampo(campo));
    }
}

bool idDe(const FilaBase& f, qint64* id)
{
    return f[FilaBase::ID].enteroEntre(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), id);
}
}

std::vector<Problema> Comprobador::revisarFila(const Entrada& e)
{
    const FilaBase& f = e.fila;
    std::vector<Problema> p;
    auto aviso = [&](int campo, const QString& texto) { p.push_back({campo, Problema::Aviso, texto}); };
    auto error = [&](int campo, const QString& texto) { p.push_back({campo, Problema::Error, texto}); };

    // What the game refuses to load (ArchivoBase::errorDeFila), field by field.
    if (vacio(f[FilaBase::Nivel]))
        error(FilaBase::Nivel, falta(FilaBase::Nivel));
    else if (f.nivel() == 0)
        error(FilaBase::Nivel, QStringLiteral("el nivel no es un número entero de 1 a 5"));
    if (vacio(f[FilaBase::LetraCorrecta]))
        error(FilaBase::LetraCorrecta, falta(FilaBase::LetraCorrecta));
    else if (f.letra() < 0)
        error(FilaBase::LetraCorrecta, QStringLiteral("la letra correcta «%1» no es A, B, C ni D")
                                           .arg(f[FilaBase::LetraCorrecta].aTexto()));
    else if (f[FilaBase::LetraCorrecta].bytes().size() != 1)
        aviso(FilaBase::LetraCorrecta, QStringLiteral("la letra correcta «%1» no es solo A, B, C o D")
                                           .arg(f[FilaBase::LetraCorrecta].aTexto()));
    Q_ASSERT(ArchivoBase::errorDeFila(f).isEmpty()
             == std::none_of(p.begin(), p.end(), [](const Problema& x) { return x.gravedad == Problema::Error; }));

    // The game loads a blank question or answer, and shows it: an empty
    // label, or a bar with a letter and nothing to read, one a player may
    // even choose.
    for (int c = FilaBase::Enunciado; c <= FilaBase::RespD; ++c)
        if (vacio(f[c]))
            error(c, falta(c));
    for (int c : {FilaBase::Orden, FilaBase::Veces, FilaBase::ID})
        if (vacio(f[c]))
            aviso(c, falta(c));
    if (!vacio(f[FilaBase::Orden]) && !f[FilaBase::Orden].enteroEntre(0, 999))
        aviso(FilaBase::Orden, QStringLiteral("Orden «%1» no es un entero de 0 a 999").arg(f[FilaBase::Orden].aTexto()));
    if (!vacio(f[FilaBase::Veces]) && !f[FilaBase::Veces].enteroEntre(0, 32767))
        aviso(FilaBase::Veces, QStringLiteral("Veces «%1» no es un entero de 0 a 32767").arg(f[FilaBase::Veces].aTexto()));
    if (!vacio(f[FilaBase::ID]) && !idDe(f, nullptr))
        aviso(FilaBase::ID, QStringLiteral("el ID «%1» no es un entero de 32 bits").arg(f[FilaBase::ID].aTexto()));
    if (e.tieneReferencia && e.referencia.trimmed().isEmpty())
        aviso(CampoReferencia, falta(CampoReferencia));

    QStringList plegadas;
    for (int i = 0; i < 4; ++i) {
        const int campo = FilaBase::RespA + i;
        const QString r = f[campo].aTexto();
        const QChar letra(u'A' + i);
        if (r.size() > LargoMaximoRespuesta)
            aviso(campo, QStringLiteral("la respuesta %1 tiene %2 caracteres, más de %3 para la barra pequeña")
                             .arg(letra).arg(r.size()).arg(LargoMaximoRespuesta));
        for (const QString& palabra : r.split(u' ', Qt::SkipEmptyParts))
            if (palabra.size() > LargoMaximoPalabra)
                aviso(campo, QStringLiteral("la respuesta %1 tiene una palabra de %2 caracteres, más de %3")
                                 .arg(letra).arg(palabra.size()).arg(LargoMaximoPalabra));
        const QString pl = plegar(r);
        if (!pl.isEmpty() && plegadas.contains(pl))
            aviso(campo, QStringLiteral("la respuesta %1 repite otra respuesta de la pregunta").arg(letra));
        plegadas << pl;
    }
    return p;
}

std::vector<Problema> Comprobador::revisarContraOtras(const FilaBase& fila, size_t propia,
                                                      const IndicePreguntas& otras, bool soloAnteriores)
{
    std::vector<Problema> p;
    const IndicePreguntas::Huella h = IndicePreguntas::huella(fila, QString());
    auto cuenta = [&](size_t otra) { return otra != propia && (!soloAnteriores || otra < propia); };

    if (h.conId) {
        for (size_t otra : otras.porId_.value(h.id))
            if (cuenta(otra)) {
                p.push_back({FilaBase::ID, Problema::Aviso,
                             QStringLiteral("el ID %1 ya está en %2").arg(h.id).arg(otras.lugar(otra))});
                break;
            }
    }
    if (h.pregunta.isEmpty())
        return p;

    // The same question: named once, after the first row that asks it.
    for (size_t otra : otras.porPregunta_.value(h.pregunta))
        if (cuenta(otra)) {
            p.push_back({FilaBase::Enunciado, Problema::Aviso,
                         QStringLiteral("la pregunta repite la de %1").arg(otras.lugar(otra))});
            return p;
        }

    // Near matches: within ParecidoMaximo of the longer text's length in
    // edits, with the same right answer ("¿Quién fue el padre de Set?" and
    // "... de Sem?" differ by one letter and ask different things). Only
    // rows whose length allows it are compared, and none at all in a set
    // too large for that.
    if (otras.tamano() > MaximoParaParecidos)
        return p;
    const qsizetype largo = h.pregunta.size();
    const std::vector<size_t>& orden = otras.porLargo();
    // |a - b| <= floor(0.1 * max(a, b)) holds only for b from 0.9 a to a / 0.9.
    const qsizetype desde = largo - qsizetype(std::floor(double(largo) * ParecidoMaximo));
    auto i = std::lower_bound(orden.begin(), orden.end(), desde, [&](size_t r, qsizetype n) {
        return otras.huellas_[r].pregunta.size() < n;
    });
    for (; i != orden.end(); ++i) {
        const IndicePreguntas::Huella& o = otras.huellas_[*i];
        const qsizetype mayor = std::max(largo, o.pregunta.size());
        const int tope = int(std::floor(double(mayor) * ParecidoMaximo));
        if (o.pregunta.size() - largo > tope)
            break;  // and so are all the longer ones
        if (!cuenta(*i) || o.correcta != h.correcta || o.pregunta == h.pregunta
            || distancia(h.pregunta, o.pregunta, tope) > tope)
            continue;
        // A question asked twice is named once, at its first row.
        if (otras.porPregunta_.value(o.pregunta).front() != *i)
            continue;
        p.push_back({FilaBase::Enunciado, Problema::Aviso,
                     QStringLiteral("la pregunta se parece mucho a la de %1").arg(otras.lugar(*i))});
    }
    return p;
}

std::vector<Problema> Comprobador::revisar(const Entrada& e, size_t propia, const IndicePreguntas& otras)
{
    std::vector<Problema> p = revisarFila(e);
    std::vector<Problema> q = revisarContraOtras(e.fila, propia, otras);
    p.insert(p.end(), std::make_move_iterator(q.begin()), std::make_move_iterator(q.end()));
    return p;
}

QString Comprobador::Archivo::lugar(size_t fila) const
{
    return esBase ? QStringLiteral("%1: fila %2").arg(ruta).arg(fila) : QStringLiteral("%1:%2").arg(ruta).arg(lineas[fila]);
}

void Comprobador::agregarBase(const QString& ruta, TablaBase filas)
{
    filas_ += qint64(filas.size());
    Archivo a;
    a.ruta = ruta;
    a.filas = std::move(filas);
    archivos_.push_back(std::move(a));
}

void Comprobador::agregarFuente(const QString& ruta, FuenteCsv fuente)
{
    Archivo a;
    a.ruta = ruta;
    a.esBase = false;
    a.conReferencia = fuente.tieneReferencia();
    a.filas.reserve(fuente.filas.size());
    a.lineas.reserve(fuente.filas.size());
    for (FuenteCsv::Fila& f : fuente.filas) {
        a.filas.push_back(std::move(f.fila));
        a.lineas.push_back(f.linea);
        if (a.conReferencia)
            a.referencias.push_back(std::move(f.referencia));
        f = {};  // what the checks do not need goes at once
    }
    filas_ += qint64(a.filas.size());
    archivos_.push_back(std::move(a));
}

void Comprobador::informar(Archivo& a, size_t fila, const std::vector<Problema>& problemas)
{
    // Every problem is counted; only a screenful of each file is kept, so a
    // file of millions of bad rows neither fills the memory nor the screen.
    for (const Problema& p : problemas) {
        const bool esError = p.gravedad == Problema::Error;
        if (a.errores + a.avisos < Pantalla)
            (esError ? a.erroresVistos : a.avisosVistos) << a.lugar(fila) + QStringLiteral(": ") + p.texto;
        ++(esError ? a.errores : a.avisos);
    }
}

int Comprobador::codigoSalida() const
{
    bool errores = !errores_.isEmpty(), avisos = !avisos_.isEmpty();
    for (const Archivo& a : archivos_) {
        errores = errores || a.errores > 0;
        avisos = avisos || a.avisos > 0;
    }
    return errores ? 1 : avisos ? 2 : 0;
}

void Comprobador::comprobar(bool esBase)
{
    if (filas_ > 0) {
        vecesMin_ = std::numeric_limits<double>::max();
        vecesMax_ = std::numeric_limits<double>::lowest();
    }
    // Only rows with a question or an ID can meet another; the index holds
    // those alone, and names them only when a message needs it.
    struct Sitio {
        quint32 archivo;
        size_t fila;
    };
    std::vector<Sitio> indexadas;
    std::vector<bool> enIndice;
    enIndice.reserve(size_t(filas_));
    IndicePreguntas indice;
    for (quint32 k = 0; k < archivos_.size(); ++k)
        for (size_t r = 0; r < archivos_[k].filas.size(); ++r) {
            const FilaBase& f = archivos_[k].filas[r];
            const bool util = !plegar(f[FilaBase::Enunciado].aTexto()).isEmpty()
                              || f[FilaBase::ID].enteroEntre(std::numeric_limits<qint32>::min(),
                                                             std::numeric_limits<qint32>::max());
            enIndice.push_back(util);
            if (util) {
                indice.agregar(f, QString());
                indexadas.push_back({k, r});
            }
        }
    indice.nombrarCon([&](size_t i) { return archivos_[indexadas[i].archivo].lugar(indexadas[i].fila); });
    if (indice.tamano() > MaximoParaParecidos)
        notas_ << QStringLiteral("preguntas parecidas: no se comparan en una base de más de %1").arg(MaximoParaParecidos);

    int anterior = 0;
    bool desordenado = false;
    size_t fila = 0, enElIndice = 0;
    for (Archivo& a : archivos_)
        for (size_t r = 0; r < a.filas.size(); ++r, ++fila) {
            // The row lent to an Entrada and given back: no copy of it is made.
            Entrada e{std::move(a.filas[r]), QString(), a.conReferencia,
                      a.conReferencia ? a.referencias[r] : QString()};
            const std::vector<Problema> propios = revisarFila(e);
            informar(a, r, propios);
            if (enIndice[fila])
                informar(a, r, revisarContraOtras(e.fila, enElIndice++, indice, true));
            // Counted where the game would load it, blank or not.
            const bool cargable = ArchivoBase::errorDeFila(e.fila).isEmpty();
            if (cargable) {
                ++porNivel_[size_t(e.fila.nivel())];
                ++porLetra_[size_t(e.fila.letra())];
                largos_.agregar(e.fila, [&] { return a.lugar(r); });
                if (!e.fila[FilaBase::Veces].esTexto()) {
                    const double v = e.fila[FilaBase::Veces].numero();
                    vecesMin_ = std::min(vecesMin_, v);
                    vecesMax_ = std::max(vecesMax_, v);
                }
            }
            const int n = e.fila.nivel() ? e.fila.nivel() : anterior;
            desordenado = desordenado || n < anterior;
            anterior = n;
            a.filas[r] = std::move(e.fila);
        }
    if (vecesMin_ > vecesMax_)
        vecesMin_ = vecesMax_ = 0;
    for (int n = 1; n <= 5; ++n)
        if (porNivel_[size_t(n)] == 0) {
            // The game cannot load a base without it; a set of sources may
            // simply be a part of the whole.
            const QString m = QStringLiteral("no hay preguntas de nivel %1").arg(n);
            esBase ? error(m) : aviso(m);
        }
    if (esBase && desordenado)
        aviso(QStringLiteral("los niveles no están en bloques 1 a 5 (el juego los reagrupa al cargar)"));

    const qint64 total = porLetra_[0] + porLetra_[1] + porLetra_[2] + porLetra_[3];
    if (total >= 20) {
        for (int i = 0; i < 4; ++i) {
            const double parte = double(porLetra_[size_t(i)]) / double(total);
            if (parte < 0.15 || parte > 0.35)
                aviso(QStringLiteral("la letra %1 es la correcta en el %2 % de las preguntas (se espera cerca del 25 %)")
                          .arg(QChar(u'A' + i)).arg(parte * 100, 0, 'f', 1));
        }
    }
    for (const QString& a : largos_.avisos())
        aviso(a);
}

void Comprobador::informe(QTextStream& salida, QTextStream& err) const
{
    salida << "Preguntas: " << filas_ << "\n";
    for (int n = 1; n <= 5; ++n)
        salida << "  nivel " << n << ": " << porNivel_[size_t(n)] << "\n";
    salida << "Veces: mínimo " << vecesMin_ << ", máximo " << vecesMax_ << "\n";
    const qint64 total = porLetra_[0] + porLetra_[1] + porLetra_[2] + porLetra_[3];
    salida << "Letra correcta:";
    for (int i = 0; i < 4; ++i)
        salida << " " << QChar(u'A' + i) << " "
               << QString::number(total ? 100.0 * double(porLetra_[size_t(i)]) / double(total) : 0.0, 'f', 1) << " %";
    salida << "\n";
    largos_.informe(salida);
    for (const QString& n : notas_)
        salida << "nota: " << n << "\n";
    for (const Archivo& a : archivos_)
        for (const QString& e : a.erroresVistos)
            err << "error: " << e << "\n";
    for (const QString& e : errores_)
        err << "error: " << e << "\n";
    for (const Archivo& a : archivos_)
        for (const QString& e : a.avisosVistos)
            err << "aviso: " << e << "\n";
    for (const QString& a : avisos_)
        err << "aviso: " << a << "\n";
    for (const Archivo& a : archivos_) {
        const qint64 errores = a.errores - a.erroresVistos.size(), avisos = a.avisos - a.avisosVistos.size();
        if (errores + avisos > 0)
            err << (errores > 0 ? "error: " : "aviso: ") << a.ruta << ": "
                << QStringLiteral("%1 problemas más que no se muestran (%2 errores, %3 avisos)")
                       .arg(errores + avisos).arg(errores).arg(avisos)
                << "\n";
    }
    salida.flush();
    err.flush();
}
