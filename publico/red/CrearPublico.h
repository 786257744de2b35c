#pragma once
#include <memory>

class Publico;

// The room the program uses: the server and the phones' page, on a thread of
// their own behind Publico. It listens only once switched on.
std::unique_ptr<Publico> CrearPublicoEnRed();
