#pragma once
#include "Consulta.h"
#include "DisenoOpciones.h"

#include <QDialog>
#include <functional>

class Almacen;
struct Modulo;

// What the options window reaches on the board; plain callbacks so the window
// can be tried without one.
struct EnlacesOpciones {
    std::function<void()> aplicarVolumen;    // Volume onto both media players at once
    std::function<void()> barajar;           // InicializarBase of the question bank
    std::function<bool()> inicioVisible;     // the board's cmdIniciar is shown
    std::function<void(int)> fijarSegundos;  // the countdown's TiempoLimite
    std::function<void(bool sala, bool juega)> aplicarPublico;  // the room of phones, as stored
    Consulta consulta;                       // the reshuffle's question and news; empty: message boxes
};

// The options window: volume and silence, the sound and flow switches, the
// game type, the question length, the players. The volume, the switches and
// the game type act at once; "&Aceptar" stores everything, "&Cancelar" and the
// close box nothing, and either way the mirrors are reloaded from the store on
// closing, so what was only tried is undone. The reshuffle, which sets every
// question's count to zero, is asked about first, acts at once and stays.
// The room of phones follows the store when the window closes: a port
// opened and phones joined are nothing to try out and take back.
class Opciones : public QDialog {
    Q_OBJECT
public:
    // Built with its opening step, ready to be shown modally.
    Opciones(Modulo& m, Almacen& a, EnlacesOpciones enlaces, QWidget* parent = nullptr);

    const ControlesOpciones& controles() const { return c_; }

    void done(int r) override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Llenar();
    void Volumen();
    void TeclaCuenta(const QString& caracter);
    void SaleCuenta();
    void HabilitarNombres(int cuenta);
    void Reinicializar();
    void Aceptar();
    void Cerrar();

    Modulo& m_;
    Almacen& a_;
    EnlacesOpciones enlaces_;
    ControlesOpciones c_;
    bool cerrada_ = false;
};
