#pragma once
#include "Pista.h"

#include <string>

// 16-bit stereo PCM at kTasa, with triangular dither.
bool EscribeWav(const Pista& p, const std::string& ruta);
