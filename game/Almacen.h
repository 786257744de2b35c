#pragma once
#include <QString>

class QSettings;

// The per-user settings store: text values by section and key under the
// application name "Orvalia". A thin layer over QSettings so the rules can be
// tested against a temporary folder.
class Almacen {
public:
    // The real store of the user running the game.
    Almacen();
    // A store kept in the given INI file (tests).
    explicit Almacen(const QString& archivoIni);
    ~Almacen();
    Almacen(const Almacen&) = delete;
    Almacen& operator=(const Almacen&) = delete;

    QString leer(const QString& seccion, const QString& clave, const QString& omision) const;
    void escribir(const QString& seccion, const QString& clave, const QString& valor);
    bool existe(const QString& seccion, const QString& clave) const;

    // Typed reads, each falling back to the default when the stored text is
    // not a number (or, for booleans, not "True"/"False"/a number).
    qint16 leer16(const QString& seccion, const QString& clave, qint16 omision) const;
    qint32 leer32(const QString& seccion, const QString& clave, qint32 omision) const;
    bool leerBool(const QString& seccion, const QString& clave, bool omision) const;

    // Writes what is pending to the file; true only when the store reports
    // no error (the file was written and, when it was read, read cleanly).
    bool sincronizar();

private:
    QSettings* ajustes_;
};

// Text-to-value rules shared by the typed reads.
namespace Texto {
// A whole number in range, or nullopt-like failure through ok.
qint64 aNumero(const QString& texto, bool* ok);
// "True"/"False" in any case, or a number (non-zero is true).
bool aBooleano(const QString& texto, bool* ok);
QString deBooleano(bool valor);  // "True" or "False"
}
