#pragma once
#include "Pasaje.h"

#include <QString>
#include <memory>

// The Reina-Valera 1909 that Debian's sword-text-sparv installs (SWORD
// module spaRV1909eb), read through the SWORD library. Without the module,
// or in a build without libsword, every look-up says plainly that the text
// is not available and the rest of the editor goes on working.
class Biblia {
public:
    static constexpr const char* Modulo = "spaRV1909eb";

    // The modules the system knows of: SWORD_PATH, /etc/sword.conf,
    // /usr/share/sword and ~/.sword, as every SWORD program finds them.
    Biblia();
    // Only the modules of one SWORD library folder (mods.d/ and modules/).
    explicit Biblia(const QString& carpeta);
    ~Biblia();
    Biblia(const Biblia&) = delete;
    Biblia& operator=(const Biblia&) = delete;

    // Whether this build reads SWORD at all.
    static bool conSword();
    // Whether the module was found and opened.
    bool disponible() const;

    // The passage a reference names, verse by verse, in plain text (no
    // Strong's numbers, no markup); or why there is none. Verses are
    // numbered as printed Bibles number them (Numeracion).
    Pasaje pasaje(const QString& referencia) const;
    Pasaje pasaje(const Cita& cita) const;

private:
    struct Datos;
    std::unique_ptr<Datos> d_;
};
