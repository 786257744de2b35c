#include "DisenoOpciones.h"

#include "Altavoz.h"
#include "CasillaVariasLineas.h"
#include "Ventanas.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace {
constexpr int px(int twips) { return twips / 15; }
QRect caja(int x, int y, int w, int h) { return {px(x), px(y), px(w), px(h)}; }

QGroupBox* grupo(QWidget* padre, const QString& titulo, QRect donde)
{
    auto* g = new QGroupBox(titulo, padre);
    g->setGeometry(donde);
    QFont f = padre->font();
    f.setBold(true);
    g->setFont(f);
    return g;
}

// Group captions are bold; what they hold is not.
template <class W, class... A>
W* dentro(QGroupBox* g, QRect donde, A&&... args)
{
    auto* w = new W(std::forward<A>(args)..., g);
    w->setGeometry(donde);
    QFont f = g->font();
    f.setBold(false);
    w->setFont(f);
    return w;
}
}

ControlesOpciones CrearControlesOpciones(QDialog* v)
{
    ControlesOpciones c;
    v->setFont(Ventanas::Fuente(QStringLiteral("Tahoma"), 8.25, false));

    c.frameVolumen = grupo(v, QStringLiteral("Volumen del sonido"), caja(0, 60, 3855, 1515));
    c.Slider1 = dentro<QSlider>(c.frameVolumen, caja(120, 300, 2955, 390), Qt::Horizontal);
    c.Slider1->setRange(-4000, 0);
    c.Slider1->setSingleStep(100);
    c.Slider1->setPageStep(500);
    c.Slider1->setTickPosition(QSlider::TicksBelow);
    c.Slider1->setTickInterval(500);
    c.Label1[0] = dentro<QLabel>(c.frameVolumen, caja(120, 690, 900, 240), QStringLiteral("mínimo"));
    c.Label1[1] = dentro<QLabel>(c.frameVolumen, caja(2175, 690, 900, 240), QStringLiteral("máximo"));
    c.Label1[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.Check1 = dentro<QCheckBox>(c.frameVolumen, caja(120, 1080, 1800, 285), QStringLiteral("silencio"));
    c.Image1 = dentro<QLabel>(c.frameVolumen, caja(3180, 300, 540, 540));
    c.Image1->setPixmap(Altavoz::Dibujo(px(540)));

    c.frameOpciones = grupo(v, QStringLiteral("Opciones"), caja(0, 1620, 3855, 1815));
    c.cmdReInitialize = dentro<QPushButton>(c.frameOpciones, caja(120, 330, 1455, 345), QStringLiteral("&Reinicializar"));
    c.Label5 = dentro<QLabel>(c.frameOpciones, caja(120, 810, 3615, 855),
                              QStringLiteral("Presionar el botón para volver a barajar el lote de preguntas."));
    c.Label5->setWordWrap(true);
    c.Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    c.frameMisc = grupo(v, QStringLiteral("Misceláneas"), caja(3900, 60, 3315, 1515));
    c.Check2[0] = dentro<QCheckBox>(c.frameMisc, caja(120, 270, 3135, 285),
                                    QStringLiteral("quitar música de respuesta correcta"));
    c.Check2[2] = dentro<QCheckBox>(c.frameMisc, caja(120, 585, 3135, 285),
                                    QStringLiteral("quitar música al preguntar"));
    c.Check2[1] = dentro<CasillaVariasLineas>(c.frameMisc, caja(120, 900, 3135, 480),
                                              QStringLiteral("al responder, pasar automáticamente a la siguiente pregunta"));

    c.frameTipoJuego = grupo(v, QStringLiteral("Tipo de juego"), caja(3900, 1620, 3315, 915));
    c.frameTipoJuego->setObjectName(QStringLiteral("frameTipoJuego"));
    c.optTipoJuego[0] = dentro<QRadioButton>(c.frameTipoJuego, caja(240, 270, 2900, 270), QStringLiteral("seguido"));
    c.optTipoJuego[1] = dentro<QRadioButton>(c.frameTipoJuego, caja(240, 555, 2900, 270), QStringLiteral("alternado"));

    c.frameTiempo = grupo(v, QStringLiteral("Duración de preguntas"), caja(3900, 2520, 3315, 915));
    c.frameTiempo->setObjectName(QStringLiteral("frameTiempo"));
    c.optDura[0] = dentro<QRadioButton>(c.frameTiempo, caja(240, 270, 2900, 270), QStringLiteral("30 segundos"));
    c.optDura[1] = dentro<QRadioButton>(c.frameTiempo, caja(240, 555, 2900, 270), QStringLiteral("45 segundos"));

    c.frameJugadores = grupo(v, QStringLiteral("Jugadores"), caja(0, 3480, 7215, 1875));
    c.Label3 = dentro<QLabel>(c.frameJugadores, caja(180, 300, 1650, 300), QStringLiteral("número de jugadores"));
    c.totalJug = dentro<QLineEdit>(c.frameJugadores, caja(1860, 270, 360, 345));
    c.totalJug->setMaxLength(1);
    c.totalJug->setAlignment(Qt::AlignCenter);
    c.Label4 = dentro<QLabel>(c.frameJugadores, caja(2310, 300, 1200, 300), QStringLiteral("(de 1 a 6)"));
    for (int i = 0; i < 6; ++i) {
        const int x = i < 3 ? 180 : 3780;
        const int y = 750 + (i % 3) * 360;
        c.Label2[size_t(i)] = dentro<QLabel>(c.frameJugadores, caja(x, y + 30, 300, 285), QString::number(i + 1) + QLatin1Char('.'));
        c.nomJug[size_t(i)] = dentro<QLineEdit>(c.frameJugadores, caja(x + 360, y, 2115, 330));
    }

    const QRect boton = caja(0, 5340, 1215, 315);
    c.Command1 = new QPushButton(QStringLiteral("A&yuda"), v);
    c.Command1->setGeometry(boton.translated(px(120), 0));
    c.cmdCancel = new QPushButton(QStringLiteral("&Cancelar"), v);
    c.cmdCancel->setGeometry(boton.translated(px(7230 - 120 - 1215 - 120 - 1215), 0));
    c.cmdOK = new QPushButton(QStringLiteral("&Aceptar"), v);
    c.cmdOK->setGeometry(boton.translated(px(7230 - 120 - 1215), 0));
    for (QPushButton* b : {c.Command1, c.cmdCancel, c.cmdOK, c.cmdReInitialize})
        b->setAutoDefault(false);  // Enter in a name box accepts nothing by itself

    c.framePublico = grupo(v, QStringLiteral("Público"), caja(7290, 60, 3315, 5295));
    c.chkSalaPublico = dentro<CasillaVariasLineas>(c.framePublico, caja(120, 270, 3075, 480),
                                                   QStringLiteral("El público puede unirse desde sus teléfonos"));
    c.chkJuegaElPublico = dentro<CasillaVariasLineas>(c.framePublico, caja(120, 870, 3075, 480),
                                                      QStringLiteral("El público también juega"));
    c.lblPublico = dentro<QLabel>(c.framePublico, caja(120, 1530, 3075, 3600),
                                  QStringLiteral("Los teléfonos se unen por la red local de este equipo (su Wi-Fi), "
                                                 "con el código de cuatro cifras que muestra la ventana «Público». "
                                                 "No hace falta internet ni crear cuentas.\n\n"
                                                 "Si también juega, cada teléfono responde mientras el jugador piensa; "
                                                 "el tablero nunca ve sus respuestas."));
    c.lblPublico->setWordWrap(true);
    c.lblPublico->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    c.chkVersiculo = new CasillaVariasLineas(QStringLiteral("Mostrar el versículo después de cada respuesta"), v);
    c.chkVersiculo->setGeometry(caja(7410, 5400, 3075, 480));
    c.chkVersiculo->setFont(v->font());  // as the boxes in the groups: the window's own letters

    QWidget* orden[] = {c.Check1, c.Check2[0], c.Check2[2], c.Check2[1], c.cmdReInitialize,
                        c.optTipoJuego[0], c.optTipoJuego[1], c.totalJug,
                        c.nomJug[0], c.nomJug[1], c.nomJug[2], c.nomJug[3], c.nomJug[4], c.nomJug[5],
                        c.Command1, c.cmdCancel, c.cmdOK, c.Slider1, c.optDura[0], c.optDura[1],
                        c.chkSalaPublico, c.chkJuegaElPublico, c.chkVersiculo};
    for (size_t i = 0; i + 1 < std::size(orden); ++i)
        QWidget::setTabOrder(orden[i], orden[i + 1]);
    return c;
}
