#include "CabeceraMp3.h"

#include <QFile>

namespace {
constexpr qsizetype kLeidos = 64 * 1024;  // enough for a tag with a small picture

// Length in bytes of the MPEG audio frame whose header starts at p, or 0 if
// no valid header is there.
int largoDeTrama(const QByteArray& b, qsizetype p)
{
    if (p < 0 || p + 4 > b.size())
        return 0;
    const auto u = [&b](qsizetype i) { return quint8(b[i]); };
    if (u(p) != 0xFF || (u(p + 1) & 0xE0) != 0xE0)
        return 0;
    const int version = (u(p + 1) >> 3) & 3;  // 0: 2.5, 2: 2, 3: 1
    const int capa = (u(p + 1) >> 1) & 3;     // 1: III, 2: II, 3: I
    const int tasaBits = u(p + 2) >> 4;
    const int tasaMuestras = (u(p + 2) >> 2) & 3;
    const int relleno = (u(p + 2) >> 1) & 1;
    if (version == 1 || capa == 0 || tasaBits == 0 || tasaBits == 15 || tasaMuestras == 3)
        return 0;
    static constexpr int kbps[2][3][15] = {
        // MPEG 1: layers I, II, III
        {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
         {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
         {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
        // MPEG 2 and 2.5
        {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
    static constexpr int hz[3] = {44100, 48000, 32000};
    const bool mpeg1 = version == 3;
    const int indiceCapa = 3 - capa;  // 0: I, 1: II, 2: III
    const int bitrate = kbps[mpeg1 ? 0 : 1][indiceCapa][tasaBits] * 1000;
    const int muestreo = hz[tasaMuestras] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    if (indiceCapa == 0)
        return (12 * bitrate / muestreo + relleno) * 4;
    const int factor = (indiceCapa == 2 && !mpeg1) ? 72 : 144;
    return factor * bitrate / muestreo + relleno;
}
}

bool PareceMp3(const QByteArray& b)
{
    qsizetype p = 0;
    if (b.startsWith("ID3") && b.size() >= 10) {
        // Tag size: four 7-bit bytes, then the header, and a footer if flagged.
        qsizetype largo = 0;
        for (int i = 6; i < 10; ++i)
            largo = (largo << 7) | (quint8(b[i]) & 0x7F);
        p = 10 + largo + ((quint8(b[5]) & 0x10) ? 10 : 0);
    }
    // Some encoders leave a little padding before the first frame.
    const qsizetype fin = std::min(b.size(), p + 4096);
    for (; p < fin; ++p) {
        const int largo = largoDeTrama(b, p);
        if (largo > 0 && largoDeTrama(b, p + largo) > 0)
            return true;
    }
    return false;
}

bool PareceMp3(const QString& ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return PareceMp3(f.read(kLeidos));
}
