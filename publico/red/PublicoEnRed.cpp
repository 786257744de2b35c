#include "PublicoEnRed.h"
#include "CrearPublico.h"

PublicoEnRed::PublicoEnRed(QObject* parent) : Publico(parent) {}
PublicoEnRed::~PublicoEnRed() = default;

void PublicoEnRed::setEncendido(bool) {}
void PublicoEnRed::setJuegaElPublico(bool) {}
EstadoSala PublicoEnRed::estado() const { return estado_; }
void PublicoEnRed::preguntaAbierta(const PreguntaEnSala&) {}
void PublicoEnRed::respuestasQuitadas(const std::array<bool, 4>&) {}
void PublicoEnRed::preguntaJuzgada(int, int, Juicio) {}
void PublicoEnRed::juegoTerminado() {}
void PublicoEnRed::partidaTerminada(const QList<PuestoEnSala>&) {}
bool PublicoEnRed::abrirEncuesta() { return false; }
void PublicoEnRed::cerrarEncuesta() {}

std::unique_ptr<Publico> CrearPublicoEnRed() { return std::make_unique<PublicoEnRed>(); }
