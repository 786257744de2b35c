#include "PanelPasaje.h"

#include "Biblia.h"
#include "EstiloEditor.h"

#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

PanelPasaje::PanelPasaje(const Biblia& biblia, QWidget* parent)
    : QWidget(parent), biblia_(biblia), texto_(new QTextBrowser(this)), estado_(new QLabel(this))
{
    texto_->setTabChangesFocus(true);
    texto_->setOpenLinks(false);
    texto_->setAccessibleName(QStringLiteral("Texto del pasaje"));
    texto_->setPlaceholderText(QStringLiteral("Aquí aparece el pasaje que cita la referencia, en la Reina-Valera 1909."));
    estado_->setWordWrap(true);
    estado_->setTextFormat(Qt::PlainText);
    auto* l = new QVBoxLayout(this);
    l->addWidget(texto_, 1);
    l->addWidget(estado_);
    mostrar(QString(), QString());
}

QString PanelPasaje::estado() const { return estado_->text(); }

void PanelPasaje::mostrar(const QString& referencia, const QString& frase)
{
    if (mostrado_ && referencia == referencia_ && frase == frase_)
        return;
    mostrado_ = true;
    referencia_ = referencia;
    frase_ = frase;
    const Pasaje p = biblia_.pasaje(referencia);
    const MarcaFrase m = p.marcar(frase);
    // Without a passage the line below says why; the page stays blank.
    if (m.estado == MarcaFrase::Estado::SinPasaje)
        texto_->clear();
    else
        texto_->setHtml(m.html);
    QString linea;
    switch (m.estado) {
    case MarcaFrase::Estado::Marcada:
        linea = m.veces == 1 ? QStringLiteral("La frase está en el pasaje: va marcada en dorado.")
                             : QStringLiteral("La frase está %1 veces en el pasaje: va marcada en dorado.").arg(m.veces);
        break;
    case MarcaFrase::Estado::SinPasaje:
        linea = p.mensaje();
        break;
    default:
        linea = m.mensaje;
        break;
    }
    estado_->setText(linea);
    QPalette pal = estado_->palette();
    pal.setColor(QPalette::WindowText,
                 m.estado == MarcaFrase::Estado::Marcada ? palette().color(QPalette::WindowText) : EstiloEditor::colorAviso());
    estado_->setPalette(pal);
}
