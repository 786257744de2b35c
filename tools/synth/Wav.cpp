#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {
void u32(std::vector<unsigned char>& b, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        b.push_back((unsigned char)((v >> (8 * k)) & 0xff));
}
void u16(std::vector<unsigned char>& b, uint16_t v)
{
    b.push_back((unsigned char)(v & 0xff));
    b.push_back((unsigned char)(v >> 8));
}
}

bool EscribeWav(const Pista& p, const std::string& ruta)
{
    const uint32_t n = uint32_t(p.muestras());
    std::vector<unsigned char> b;
    b.reserve(44 + n * 4);
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    u32(b, 36 + n * 4);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    u32(b, 16);
    u16(b, 1);
    u16(b, 2);
    u32(b, kTasa);
    u32(b, kTasa * 4);
    u16(b, 4);
    u16(b, 16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    u32(b, n * 4);
    uint32_t s = 22222;
    auto ruido = [&s] {
        s = s * 1664525u + 1013904223u;
        return double(s >> 8) / 16777216.0;
    };
    for (uint32_t i = 0; i < n; ++i) {
        for (float x : {p.l[i], p.r[i]}) {
            const double d = ruido() - ruido();
            const long v = std::lround(std::clamp(double(x) * 32767.0 + d, -32768.0, 32767.0));
            u16(b, uint16_t(int16_t(v)));
        }
    }
    FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}
