#include "Opciones.h"

#include "Almacen.h"
#include "Arranque.h"
#include "Ayuda.h"
#include "CuentaJugadores.h"
#include "ImagenesPrograma.h"
#include "Modulo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

namespace {
const QString kInicio = QString::fromLatin1(Claves::Inicio);
const QString kPlayers = QString::fromLatin1(Claves::Players);
QString unoCero(bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); }
}

Opciones::Opciones(Modulo& m, Almacen& a, EnlacesOpciones enlaces, QWidget* parent)
    : QDialog(parent), m_(m), a_(a), enlaces_(std::move(enlaces))
{
    setObjectName(QStringLiteral("Opciones"));
    setWindowTitle(QStringLiteral("Opciones"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ImagenesPrograma::Icono());
    setFixedSize(AnchoOpciones / 15, AltoOpciones / 15);
    setModal(true);
    c_ = CrearControlesOpciones(this);

    // Reactions; filling the controls below sets them off too.
    connect(c_.Slider1, &QSlider::valueChanged, this, &Opciones::Volumen);
    connect(c_.Check1, &QCheckBox::toggled, this, &Opciones::Volumen);
    connect(c_.Check2[0], &QCheckBox::toggled, this, [this](bool b) { m_.noSoundAnswer = b; });
    connect(c_.Check2[1], &QCheckBox::toggled, this, [this](bool b) { m_.jumpNext = b; });
    connect(c_.Check2[2], &QCheckBox::toggled, this, [this](bool b) { m_.noSoundAsk = b ? 1 : 0; });
    connect(c_.chkVersiculo, &QCheckBox::toggled, this, [this](bool b) { m_.MostrarVersiculo = b; });
    connect(c_.optTipoJuego[0], &QRadioButton::toggled, this, [this](bool b) { m_.ContinuousPlay = b; });
    connect(c_.cmdReInitialize, &QPushButton::clicked, this, &Opciones::Reinicializar);
    connect(c_.Command1, &QPushButton::clicked, this, [] { Ayuda::Mostrar(); });
    connect(c_.cmdOK, &QPushButton::clicked, this, &Opciones::Aceptar);
    connect(c_.cmdCancel, &QPushButton::clicked, this, &Opciones::reject);
    c_.totalJug->installEventFilter(this);
    for (QLineEdit* n : c_.nomJug)
        n->installEventFilter(this);

    Llenar();
    c_.Check1->setFocus();
}

void Opciones::Llenar()
{
    c_.Slider1->setValue(a_.leer16(kInicio, QStringLiteral("Volume"), 0));
    c_.Check1->setChecked(a_.leer16(kInicio, QStringLiteral("Silence"), 0) == 1);
    const int cuenta = CuentaJugadores::Valor(a_.leer(kPlayers, QStringLiteral("Total"), QStringLiteral("1")));
    c_.totalJug->setText(QString::number(cuenta));
    for (int i = 0; i < 6; ++i)
        c_.nomJug[size_t(i)]->setText(
            a_.leer(kPlayers, QString::number(i), QStringLiteral("Jugador ") + QString::number(i)));
    c_.Check2[0]->setChecked(a_.leerBool(kInicio, QStringLiteral("noSoundAnswer"), false));
    c_.Check2[2]->setChecked(a_.leer32(kInicio, QStringLiteral("noSoundAsk"), 0) != 0);
    c_.Check2[1]->setChecked(a_.leerBool(kInicio, QStringLiteral("jumpNext"), false));
    c_.chkVersiculo->setChecked(a_.leerBool(kInicio, QStringLiteral("MostrarVersiculo"), true));
    const bool seguido = a_.leerBool(kInicio, QStringLiteral("ContinuousPlay"), true);
    c_.optTipoJuego[seguido ? 0 : 1]->setChecked(true);
    const bool corta = a_.leerBool(kInicio, QStringLiteral("PreguntaCorta"), true);
    c_.optDura[corta ? 0 : 1]->setChecked(true);
    connect(c_.chkSalaPublico, &QCheckBox::toggled, c_.chkJuegaElPublico, &QWidget::setEnabled);
    c_.chkSalaPublico->setChecked(a_.leerBool(kInicio, QStringLiteral("SalaPublico"), false));
    c_.chkJuegaElPublico->setEnabled(c_.chkSalaPublico->isChecked());
    c_.chkJuegaElPublico->setChecked(a_.leerBool(kInicio, QStringLiteral("JuegaElPublico"), false));
    HabilitarNombres(cuenta);

    // The reactions above have run with the stored values; the mirrors and
    // the players end as they were (a volume outside the slider's range
    // included), as stored.
    RecargarAjustes(m_, a_);
    if (enlaces_.aplicarVolumen)
        enlaces_.aplicarVolumen();

    const bool entrePartidas = !enlaces_.inicioVisible || enlaces_.inicioVisible();
    c_.frameJugadores->setEnabled(entrePartidas);
    c_.frameOpciones->setEnabled(entrePartidas);

    if (cuenta > 1) {
        c_.frameTipoJuego->setEnabled(true);
    } else {
        c_.optTipoJuego[0]->setChecked(true);
        c_.frameTipoJuego->setEnabled(false);
    }
    c_.frameTiempo->setVisible(m_.FullMusicVersion);
}

// One click would wipe what every game so far has counted, and no closing
// undoes it: asked first, and said when done.
void Opciones::Reinicializar()
{
    if (!enlaces_.consulta.preguntar || !enlaces_.consulta.avisar)
        enlaces_.consulta = ConsultaEnCajas(QStringLiteral("Reinicializar"));
    if (!enlaces_.consulta.preguntar(this, QStringLiteral("¿Poner a cero el recuento de todas las preguntas?")))
        return;
    if (enlaces_.barajar)
        enlaces_.barajar();
    enlaces_.consulta.avisar(
        this, QStringLiteral("Listo: el recuento de todas las preguntas está a cero y el lote, barajado de nuevo."));
}

void Opciones::Volumen()
{
    m_.Volume = c_.Check1->isChecked() ? qint16(-10000) : qint16(c_.Slider1->value());
    if (enlaces_.aplicarVolumen)
        enlaces_.aplicarVolumen();
}

void Opciones::HabilitarNombres(int cuenta)
{
    for (int i = 1; i < 6; ++i)
        c_.nomJug[size_t(i)]->setEnabled(false);
    for (int i = 0; i < cuenta; ++i)
        c_.nomJug[size_t(i)]->setEnabled(true);
}

void Opciones::TeclaCuenta(const QString& caracter)
{
    const CuentaJugadores::Tecla t = CuentaJugadores::Pulsar(caracter);
    c_.totalJug->setText(t.texto);
    if (t.seguir)
        c_.nomJug[0]->setFocus(Qt::TabFocusReason);
}

void Opciones::SaleCuenta()
{
    if (cerrada_)
        return;  // the focus leaving a closing window changes nothing
    // Whatever reached the box (typed or pasted) ends as a count 1 to 6.
    const int cuenta = CuentaJugadores::Valor(c_.totalJug->text());
    c_.totalJug->setText(QString::number(cuenta));
    HabilitarNombres(cuenta);
    m_.TotalJugadores = qint16(cuenta);
    c_.frameTipoJuego->setEnabled(cuenta != 1);
}

bool Opciones::eventFilter(QObject* o, QEvent* e)
{
    if (o == c_.totalJug) {
        switch (e->type()) {
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(e);
            // Focus keys, Escape and F1 keep their usual meaning; every key
            // that types something follows the box's rules.
            const bool tecleo = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter ||
                                k->key() == Qt::Key_Backspace || !k->text().isEmpty();
            if (!tecleo || k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab || k->key() == Qt::Key_Escape)
                return false;
            QString caracter = k->text();
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
                caracter = QStringLiteral("\r");
            else if (k->key() == Qt::Key_Backspace)
                caracter = QStringLiteral("\b");
            TeclaCuenta(caracter);
            return true;
        }
        case QEvent::FocusIn:
            QTimer::singleShot(0, c_.totalJug, &QLineEdit::selectAll);
            break;
        case QEvent::FocusOut:
            SaleCuenta();
            break;
        default:
            break;
        }
    } else if (e->type() == QEvent::MouseButtonPress) {
        if (auto* n = qobject_cast<QLineEdit*>(o))
            QTimer::singleShot(0, n, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(o, e);
}

void Opciones::Aceptar()
{
    SaleCuenta();  // "&Aceptar" by its access key leaves the box without a focus change
    a_.escribir(kInicio, QStringLiteral("Volume"), QString::number(c_.Slider1->value()));
    a_.escribir(kInicio, QStringLiteral("Silence"), unoCero(c_.Check1->isChecked()));
    a_.escribir(kPlayers, QStringLiteral("Total"), c_.totalJug->text());
    m_.TotalJugadores = qint16(CuentaJugadores::Valor(c_.totalJug->text()));
    for (int i = 0; i < 6; ++i) {
        const QString nombre = c_.nomJug[size_t(i)]->text();
        a_.escribir(kPlayers, QString::number(i), nombre);
        m_.Jugadores[size_t(i)].Nombre = nombre;
    }
    a_.escribir(kInicio, QStringLiteral("noSoundAnswer"), unoCero(c_.Check2[0]->isChecked()));
    a_.escribir(kInicio, QStringLiteral("noSoundAsk"), unoCero(c_.Check2[2]->isChecked()));
    a_.escribir(kInicio, QStringLiteral("jumpNext"), unoCero(c_.Check2[1]->isChecked()));
    a_.escribir(kInicio, QStringLiteral("MostrarVersiculo"), unoCero(c_.chkVersiculo->isChecked()));
    a_.escribir(kInicio, QStringLiteral("ContinuousPlay"), Texto::deBooleano(c_.optTipoJuego[0]->isChecked()));
    a_.escribir(kInicio, QStringLiteral("PreguntaCorta"), Texto::deBooleano(c_.optDura[0]->isChecked()));
    a_.escribir(kInicio, QStringLiteral("SalaPublico"), Texto::deBooleano(c_.chkSalaPublico->isChecked()));
    a_.escribir(kInicio, QStringLiteral("JuegaElPublico"), Texto::deBooleano(c_.chkJuegaElPublico->isChecked()));
    a_.sincronizar();
    accept();
}

void Opciones::done(int r)
{
    Cerrar();
    QDialog::done(r);
}

void Opciones::Cerrar()
{
    if (cerrada_)
        return;
    cerrada_ = true;
    RecargarAjustes(m_, a_);  // also derives CarpetaMP3 again
    if (enlaces_.aplicarVolumen)
        enlaces_.aplicarVolumen();
    if (enlaces_.fijarSegundos)
        enlaces_.fijarSegundos(m_.segundosPregunta());
    if (enlaces_.aplicarPublico)
        enlaces_.aplicarPublico(m_.SalaPublico, m_.JuegaElPublico);
}
