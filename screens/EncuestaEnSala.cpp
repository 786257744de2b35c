#include "EncuestaEnSala.h"

#include "Encuesta.h"
#include "Estadisticas.h"
#include "Publico.h"

#include <QEvent>
#include <QPointer>

namespace {
// One vote of the room, living as long as the window that shows it.
class Votacion : public QObject {
public:
    Votacion(Publico& sala, Estadisticas& e, qint16 nivel, qint16 correcta, Azar& azar)
        : QObject(&e), sala_(&sala), e_(e), nivel_(nivel), correcta_(correcta), azar_(azar)
    {
        e.MuestraVotos(Encuesta::TextoVotos(0, sala.estado().conectados));
        connect(&sala, &Publico::votosCambian, this, [this](int votaron, int conectados) {
            if (abierta_)
                e_.MuestraVotos(Encuesta::TextoVotos(votaron, conectados));
        });
        connect(&sala, &Publico::encuestaCerrada, this, &Votacion::Cerrada);
        e.installEventFilter(this);
    }

    ~Votacion() override { Cerrar(); }

    bool eventFilter(QObject* o, QEvent* ev) override
    {
        if (o == &e_ && ev->type() == QEvent::Hide)
            Cerrar();
        return false;
    }

private:
    void Cerrada(const std::array<int, 4>& votos)
    {
        abierta_ = false;
        disconnect(sala_, nullptr, this, nullptr);
        if (!Encuesta::HayVotos(votos))
            e_.MuestraVotos(QString());  // the drawn poll is nobody's vote
        e_.MuestraPesos(Encuesta::DeLaSala(votos, nivel_, correcta_, azar_));
    }

    void Cerrar()
    {
        if (!abierta_)
            return;
        abierta_ = false;
        if (sala_)
            sala_->cerrarEncuesta();
    }

    QPointer<Publico> sala_;
    Estadisticas& e_;
    qint16 nivel_;
    qint16 correcta_;
    Azar& azar_;
    bool abierta_ = true;
};
}

void LlenarEncuesta(Publico* sala, Estadisticas& e, qint16 nivel, qint16 correcta, Azar& azar)
{
    if (sala && sala->abrirEncuesta())
        new Votacion(*sala, e, nivel, correcta, azar);
    else
        e.Llenar(nivel, correcta, azar);
}
