#pragma once
#include <array>

class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

// The options window's controls, placed as the game has always placed them
// (positions in twips, 15 to a pixel) and chained in its focus order.
struct ControlesOpciones {
    QGroupBox* frameVolumen = nullptr;
    QSlider* Slider1 = nullptr;
    std::array<QLabel*, 2> Label1{};
    QCheckBox* Check1 = nullptr;
    QLabel* Image1 = nullptr;

    QGroupBox* frameOpciones = nullptr;
    QPushButton* cmdReInitialize = nullptr;
    QLabel* Label5 = nullptr;

    QGroupBox* frameMisc = nullptr;
    std::array<QCheckBox*, 3> Check2{};  // 0 top, 2 middle, 1 bottom

    QGroupBox* frameTipoJuego = nullptr;
    std::array<QRadioButton*, 2> optTipoJuego{};
    QGroupBox* frameTiempo = nullptr;
    std::array<QRadioButton*, 2> optDura{};

    QGroupBox* frameJugadores = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* totalJug = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 6> Label2{};
    std::array<QLineEdit*, 6> nomJug{};

    // The room of phones, in a column of its own to the right.
    QGroupBox* framePublico = nullptr;
    QCheckBox* chkSalaPublico = nullptr;
    QCheckBox* chkJuegaElPublico = nullptr;
    QLabel* lblPublico = nullptr;

    // The verse card after each answer, under the room's column: never
    // disabled, so it can be switched during a game too.
    QCheckBox* chkVersiculo = nullptr;

    QPushButton* Command1 = nullptr;  // "A&yuda"
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdOK = nullptr;
};

// The window's inner size in twips: the design's 7230 x 5715, widened by the
// column of the room of phones and lengthened for the verse card's box.
inline constexpr int AnchoOpciones = 10620;
inline constexpr int AltoOpciones = 5970;

ControlesOpciones CrearControlesOpciones(QDialog* ventana);
