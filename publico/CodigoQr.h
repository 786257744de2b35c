#pragma once
#include <QString>
#include <vector>

// A QR code as a square of modules, made by libqrencode (byte mode, medium
// error correction). Drawing it is the window's business; this holds only
// which modules are dark.
class CodigoQr {
public:
    // Modules of white around the code that readers need to find it.
    static constexpr int ZonaSilencio = 4;

    // The code of the text, as UTF-8; empty when it cannot be made (an empty
    // text, or one too long for any QR version).
    static CodigoQr De(const QString& texto);

    bool vacio() const { return lado_ == 0; }
    int lado() const { return lado_; }                           // modules per side, without the quiet zone
    int ladoConSilencio() const { return lado_ ? lado_ + 2 * ZonaSilencio : 0; }
    bool oscuro(int x, int y) const;                             // false outside the code

private:
    int lado_ = 0;
    std::vector<bool> modulos_;  // row by row
};
