#include "Comprobador.h"

#include "ArchivoBase.h"

#include <QHash>
#include <algorithm>
#include <cmath>

QString Comprobador::plegar(const QString& texto)
{
    const QString d = texto.normalized(QString::NormalizationForm_D).toLower();
    QString r;
    bool espacio = false;
    for (const QChar c : d) {
        if (c.isLetterOrNumber()) {
            if (espacio && !r.isEmpty())
                r += u' ';
            r += c;
            espacio = false;
        } else if (!c.isMark()) {
            espacio = true;
        }
    }
    return r;
}

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

void Comprobador::comprobarFila(const Entrada& e)
{
    const FilaBase& f = e.fila;
    const QString fallo = ArchivoBase::errorDeFila(f);
    if (!fallo.isEmpty()) {
        error(e.lugar + QStringLiteral(": ") + fallo);
        return;
    }
    const int nivel = f.nivel();
    ++porNivel_[size_t(nivel)];
    ++porLetra_[size_t(f.letra())];

    const QStringList nombres{QStringLiteral("Orden"), QStringLiteral("Nivel"), QStringLiteral("Enunciado"),
                              QStringLiteral("RespA"), QStringLiteral("RespB"), QStringLiteral("RespC"),
                              QStringLiteral("RespD"), QStringLiteral("LetraCorrecta"), QStringLiteral("Veces"),
                              QStringLiteral("ID")};
    for (int c = 0; c < FilaBase::NumCampos; ++c) {
        if (f[c].etiqueta() == ValorEtiquetado::Vacio || f[c].aTexto().trimmed().isEmpty())
            aviso(e.lugar + QStringLiteral(": %1 está vacío").arg(nombres[c]));
    }
    if (f[FilaBase::LetraCorrecta].bytes().size() != 1)
        aviso(e.lugar + QStringLiteral(": LetraCorrecta «%1» no es solo A, B, C o D")
                            .arg(f[FilaBase::LetraCorrecta].aTexto()));
    if (!f[FilaBase::Orden].enteroEntre(0, 999))
        aviso(e.lugar + QStringLiteral(": Orden «%1» no es un entero de 0 a 999").arg(f[FilaBase::Orden].aTexto()));
    if (!f[FilaBase::Veces].enteroEntre(0, 32767))
        aviso(e.lugar + QStringLiteral(": Veces «%1» no es un entero de 0 a 32767").arg(f[FilaBase::Veces].aTexto()));
    if (!f[FilaBase::ID].enteroEntre(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()))
        aviso(e.lugar + QStringLiteral(": ID «%1» no es un entero de 32 bits").arg(f[FilaBase::ID].aTexto()));
    if (e.tieneReferencia && e.referencia.trimmed().isEmpty())
        aviso(e.lugar + QStringLiteral(": falta la referencia"));

    QStringList plegadas;
    for (int i = 0; i < 4; ++i) {
        const QString r = f[FilaBase::RespA + i].aTexto();
        const QChar letra(u'A' + i);
        if (r.size() > LargoMaximoRespuesta)
            aviso(e.lugar + QStringLiteral(": la respuesta %1 tiene %2 caracteres, más de %3 para la barra pequeña")
                                .arg(letra).arg(r.size()).arg(LargoMaximoRespuesta));
        for (const QString& palabra : r.split(u' ', Qt::SkipEmptyParts))
            if (palabra.size() > LargoMaximoPalabra)
                aviso(e.lugar + QStringLiteral(": la respuesta %1 tiene una palabra de %2 caracteres, más de %3")
                                    .arg(letra).arg(palabra.size()).arg(LargoMaximoPalabra));
        const QString p = plegar(r);
        if (!p.isEmpty() && plegadas.contains(p))
            aviso(e.lugar + QStringLiteral(": la respuesta %1 repite otra respuesta de la pregunta").arg(letra));
        plegadas << p;
    }
    if (!f[FilaBase::Veces].esTexto()) {
        const double v = f[FilaBase::Veces].numero();
        vecesMin_ = std::min(vecesMin_, v);
        vecesMax_ = std::max(vecesMax_, v);
    }
}

namespace {
QString correctaPlegada(const Comprobador::Entrada& e)
{
    const int letra = e.fila.letra();
    return letra < 0 ? QString() : Comprobador::plegar(e.fila[FilaBase::RespA + letra].aTexto());
}
}

void Comprobador::comprobarDuplicados()
{
    QHash<qint64, QString> ids;
    for (const Entrada& e : entradas_) {
        qint64 id = 0;
        if (!e.fila[FilaBase::ID].enteroEntre(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), &id))
            continue;
        if (ids.contains(id))
            aviso(e.lugar + QStringLiteral(": el ID %1 ya está en %2").arg(id).arg(ids.value(id)));
        else
            ids.insert(id, e.lugar);
    }

    // Questions with the same folded text.
    struct Texto {
        QString plegado;
        size_t entrada;
    };
    std::vector<Texto> textos;
    QHash<QString, size_t> vistos;
    for (size_t i = 0; i < entradas_.size(); ++i) {
        Texto t{plegar(entradas_[i].fila[FilaBase::Enunciado].aTexto()), i};
        if (t.plegado.isEmpty())
            continue;
        const auto previo = vistos.constFind(t.plegado);
        if (previo != vistos.constEnd()) {
            aviso(entradas_[i].lugar + QStringLiteral(": la pregunta repite la de %1").arg(entradas_[*previo].lugar));
            continue;
        }
        vistos.insert(t.plegado, i);
        textos.push_back(std::move(t));
    }

    // Near matches: within ParecidoMaximo of the longer text's length in
    // edits, with the same right answer ("¿Quién fue el padre de Set?" and
    // "... de Sem?" differ by one letter and ask different things). Pairs
    // are compared only when their lengths allow it, and not at all on a
    // base too large for pairwise comparison.
    if (textos.size() > MaximoParaParecidos) {
        notas_ << QStringLiteral("preguntas parecidas: no se comparan en una base de más de %1").arg(MaximoParaParecidos);
        return;
    }
    std::sort(textos.begin(), textos.end(),
              [](const Texto& a, const Texto& b) { return a.plegado.size() < b.plegado.size(); });
    for (size_t i = 0; i < textos.size(); ++i) {
        const QString& a = textos[i].plegado;
        const QString correcta = correctaPlegada(entradas_[textos[i].entrada]);
        for (size_t j = i + 1; j < textos.size(); ++j) {
            const QString& b = textos[j].plegado;
            const int tope = int(std::floor(double(b.size()) * ParecidoMaximo));
            if (b.size() - a.size() > tope)
                break;
            if (correctaPlegada(entradas_[textos[j].entrada]) != correcta || distancia(a, b, tope) > tope)
                continue;
            const Entrada& x = entradas_[std::min(textos[i].entrada, textos[j].entrada)];
            const Entrada& y = entradas_[std::max(textos[i].entrada, textos[j].entrada)];
            aviso(y.lugar + QStringLiteral(": la pregunta se parece mucho a la de %1").arg(x.lugar));
        }
    }
}

void Comprobador::comprobar(bool esBase)
{
    if (!entradas_.empty()) {
        vecesMin_ = std::numeric_limits<double>::max();
        vecesMax_ = std::numeric_limits<double>::lowest();
    }
    int anterior = 0;
    bool desordenado = false;
    for (const Entrada& e : entradas_) {
        comprobarFila(e);
        const int n = e.fila.nivel() ? e.fila.nivel() : anterior;
        desordenado = desordenado || n < anterior;
        anterior = n;
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
    comprobarDuplicados();

    const qint64 total = porLetra_[0] + porLetra_[1] + porLetra_[2] + porLetra_[3];
    if (total >= 20) {
        for (int i = 0; i < 4; ++i) {
            const double parte = double(porLetra_[size_t(i)]) / double(total);
            if (parte < 0.15 || parte > 0.35)
                aviso(QStringLiteral("la letra %1 es la correcta en el %2 % de las preguntas (se espera cerca del 25 %)")
                          .arg(QChar(u'A' + i)).arg(parte * 100, 0, 'f', 1));
        }
    }
}

void Comprobador::informe(QTextStream& salida, QTextStream& err) const
{
    salida << "Preguntas: " << entradas_.size() << "\n";
    for (int n = 1; n <= 5; ++n)
        salida << "  nivel " << n << ": " << porNivel_[size_t(n)] << "\n";
    salida << "Veces: mínimo " << vecesMin_ << ", máximo " << vecesMax_ << "\n";
    const qint64 total = porLetra_[0] + porLetra_[1] + porLetra_[2] + porLetra_[3];
    salida << "Letra correcta:";
    for (int i = 0; i < 4; ++i)
        salida << " " << QChar(u'A' + i) << " "
               << QString::number(total ? 100.0 * double(porLetra_[size_t(i)]) / double(total) : 0.0, 'f', 1) << " %";
    salida << "\n";
    for (const QString& n : notas_)
        salida << "nota: " << n << "\n";
    for (const QString& e : errores_)
        err << "error: " << e << "\n";
    for (const QString& a : avisos_)
        err << "aviso: " << a << "\n";
    salida.flush();
    err.flush();
}
