#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One tagged value of the question base file: a 2-byte tag and its data.
// The value keeps the tag it was read with, and a text keeps its exact
// Windows-1252 bytes, so writing it back gives the same bytes.
class ValorEtiquetado {
public:
    enum Etiqueta : quint16 {
        Vacio = 0,
        Entero16 = 2,
        Entero32 = 3,
        Real32 = 4,
        Real64 = 5,
        Texto = 8,
    };

    ValorEtiquetado() = default;
    static ValorEtiquetado entero16(qint16 v);
    static ValorEtiquetado entero32(qint32 v);
    static ValorEtiquetado real32(float v);
    static ValorEtiquetado real64(double v);
    static ValorEtiquetado texto(const QString& t);       // encoded as Windows-1252
    static ValorEtiquetado bytesTexto(const QByteArray& b); // raw Windows-1252 bytes

    static bool etiquetaConocida(quint16 etiqueta);

    Etiqueta etiqueta() const { return etiqueta_; }
    bool esNumero() const;
    bool esTexto() const { return etiqueta_ == Texto; }

    // The numeric value of a number; 0 for an empty value or a text.
    double numero() const;
    // True when the value is a number without fraction in [minimo, maximo].
    bool enteroEntre(qint64 minimo, qint64 maximo, qint64* valor = nullptr) const;
    // The number the game reads from a numeric field: a number's value, or
    // a text that holds one (" 3", "3.0"). False for an empty value and for
    // any other text.
    bool leerNumero(double* valor) const;
    // A count or order key as the sort reads it: the number rounded to a
    // whole one and kept within 32 bits; an empty value, a text that holds
    // no number and NaN read as 0.
    qint64 enteroLeido() const;
    // The value as the game shows it: a text decoded from Windows-1252, a
    // number in its shortest decimal form, an empty value as "".
    QString aTexto() const;
    const QByteArray& bytes() const { return texto_; }
    // Exact bit pattern of a number (float bits for tag 4), for tools.
    quint64 bits() const { return bits_; }
    static ValorEtiquetado desdeBits(Etiqueta etiqueta, quint64 bits);

    // Adds one keeping the tag: a 16- or 32-bit count stops at its largest
    // value instead of wrapping round; a text becomes the text of the count
    // the sort read from it plus one ("5" gives "6"). Only an empty value,
    // which holds no number, becomes a 16-bit count.
    void sumarUno();

    // Reads one value at p (not past fin) and advances p. False on an
    // unknown tag or data past the end; p is then left undefined.
    static bool leer(const char*& p, const char* fin, ValorEtiquetado& v);
    // Like leer, without building the value.
    static bool saltar(const char*& p, const char* fin);
    // Bytes of the value written at p, which is known to be whole.
    static qsizetype tamanoEn(const char* p);
    void escribir(QByteArray& destino) const;
    // Writes tamano() bytes at destino and returns the end.
    char* escribir(char* destino) const;
    // Bytes escribir() writes.
    qsizetype tamano() const;

    bool operator==(const ValorEtiquetado& o) const
    {
        return etiqueta_ == o.etiqueta_ && bits_ == o.bits_ && texto_ == o.texto_;
    }

private:
    Etiqueta etiqueta_ = Vacio;
    quint64 bits_ = 0;  // integers sign-extended; reals as their own bit pattern
    QByteArray texto_;
};
