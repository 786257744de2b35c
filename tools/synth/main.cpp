// Makes the game's sound pieces as WAV files:
//   orvalia-synth OUTDIR [NUMBER...]
// writes OUTDIR/fijas/sonidoN.wav for 0..6 and OUTDIR/30/sonidoN.wav and
// OUTDIR/45/sonidoN.wav for the question music 7..38 (all when no numbers).
#include "Piezas.h"
#include "Wav.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [NUMBER...]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path out = argv[1];
    std::vector<int> numeros;
    for (int i = 2; i < argc; ++i)
        numeros.push_back(std::atoi(argv[i]));
    if (numeros.empty())
        for (int n = 0; n <= 38; ++n)
            numeros.push_back(n);
    std::error_code ec;
    for (const char* d : {"fijas", "30", "45"})
        std::filesystem::create_directories(out / d, ec);
    for (int n : numeros) {
        const std::string nombre = "sonido" + std::to_string(n) + ".wav";
        bool ok = true;
        if (n >= 0 && n <= 6) {
            ok = EscribeWav(PiezaFija(n), (out / "fijas" / nombre).string());
        } else if (n >= 7 && n <= 38) {
            ok = EscribeWav(PiezaDePregunta(n, 30.0), (out / "30" / nombre).string()) &&
                 EscribeWav(PiezaDePregunta(n, 45.0), (out / "45" / nombre).string());
        } else {
            std::fprintf(stderr, "no piece %d\n", n);
            return 2;
        }
        if (!ok) {
            std::fprintf(stderr, "cannot write %s\n", nombre.c_str());
            return 1;
        }
        std::printf("%s\n", nombre.c_str());
        std::fflush(stdout);
    }
    return 0;
}
