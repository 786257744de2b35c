#pragma once
#include "EnSala.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class Almacen;
class ElementosTablero;
class Estadisticas;
class Pregunta;
class Reproductor;
class Sonido;
struct Marcas;
struct Modulo;
namespace Cronova { class Timer; }

// What the board may be given instead of its own media players (tests).
struct DependenciasTablero {
    Reproductor* mp1 = nullptr;  // null: a real player
    Reproductor* mp2 = nullptr;
    QString carpetaBase;         // empty: the player's own (Ubicaciones)
    Publico* publico = nullptr;  // the room of phones; null: none
};

// The game's main window: question, answers, lifelines, ladder, countdown
// and picture buttons, and the turn cycle that drives them. The rules
// themselves live in game/ (Turno, Desenlace, Comodines); the board applies
// them to its elements.
class Tablero : public QWidget {
    Q_OBJECT
public:
    using Dependencias = DependenciasTablero;

    Tablero(Modulo& m, Almacen& a, Dependencias d = {}, QWidget* parent = nullptr);
    ~Tablero() override;

    // The load step: background tune and opening sound, the question bank,
    // the countdown's length, the first-run reshuffle, player 0's name.
    // False when no question base could be read (the caller shows the error
    // and ends the program; closing the board then writes nothing).
    bool Cargar();

    void Toca(qint32 snd);
    // The board's one key handler; KeyCode as on the keyboard (A = 65,
    // Enter = 13, F4 = 115, F12 = 123), Shift the sum of 1 Shift, 2 Ctrl, 4 Alt.
    void Form_KeyDown(int KeyCode, int Shift);

    Pregunta* Qtn() const { return qtn_.get(); }
    Sonido& sonido() { return *sonido_; }
    Cronova::Timer& timer();
    bool InicioVisible() const;

    // The statistics window, loaded if it is not yet (the start routine gives
    // it its icon); null after the board has unloaded it.
    Estadisticas& CargarEstadisticas();
    Estadisticas* estadisticas() const;

    qint16 RespuestaElegida() const { return elegida_; }
    qint16 Nivel() const { return nivel_; }
    const ElementosTablero& elementos() const { return *el_; }

    // Set by whoever builds the closing screen and the options window.
    std::function<void()> mostrarCierre;
    std::function<void()> mostrarOpciones;

signals:
    void cargado();                                  // end of the load step
    void tocado(qint32 snd);                         // every Toca, in order
    void mensaje(const QString& msj, qint32 carita); // just before the message window opens
    void posiciones();                               // just before the standings open

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Turn cycle.
    void cmdIniciar_Click();
    void Resp1_Click(int i);
    void Confirmar();  // cmdResponder and the countdown's expiry
    void cmdSigPreg_Click();
    void cmdRetira_Click();
    void cmdOpciones_Click();
    void MuestraPregunta();
    void TerminaPregunta();
    void Acierto();
    void Fallo();
    void Pierde(qint16 s);
    void Gana();
    void Siguiente();
    void PreparaTablero();
    void MostrarPosiciones();
    void Muestra(const QString& msj, qint32 carita);
    void AplicarMarcas(const Marcas& m);

    // Lifelines.
    void Comod_Click(qint16 comodin);
    void VerEstadisticas();
    void SaltaPregunta();
    void QuitaDos();
    void CerrarEstadisticas();

    void Redimensiona();
    void Activado();

    Modulo& m_;
    Almacen& a_;
    std::unique_ptr<ElementosTablero> el_;
    Reproductor* mp1_;
    Reproductor* mp2_;
    Sonido* sonido_;
    std::unique_ptr<Pregunta> qtn_;
    QPointer<Estadisticas> est_;
    qint16 nivel_ = 1;
    qint16 elegida_ = -1;
    QString carpetaBase_;
    EnSala sala_;
    bool cargadoOk_ = false;
    bool descargado_ = false;
};
