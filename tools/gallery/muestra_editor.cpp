// The question editor's two side panels on one window, filled with a sample
// question and live as you type: the verse beside the question and the board
// preview. To look at them:
//   xvfb-run -a -s "-screen 0 1920x1080x24" muestra_editor [--grande] [referencia [frase]]
#include "Biblia.h"
#include "Colores.h"
#include "VistaPrevia.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool grande = args.removeAll(QStringLiteral("--grande")) > 0;
    const QString referencia = args.value(0, QStringLiteral("Génesis 6:14-16"));
    const QString frase = args.value(1, QStringLiteral("Hazte un arca de madera de Gopher"));

    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Editor de preguntas"));
    ventana.setStyleSheet(QStringLiteral("QWidget#ventana{background:%1} QLabel,QRadioButton{color:%2}")
                              .arg(Colores::Azul.name(), Colores::Oro.name()));
    ventana.setObjectName(QStringLiteral("ventana"));

    auto* formulario = new QFormLayout;
    auto* txtPregunta = new QLineEdit(QStringLiteral("¿De qué madera mandó Dios a Noé hacer el arca?"));
    const QString respuestas[4] = {
        QStringLiteral("De cedro"),
        QStringLiteral("De Gopher"),
        QStringLiteral("De acacia, la misma madera con que después se hizo el arca del pacto en el desierto, "
                       "cubierta de oro puro por dentro y por fuera"),
        QStringLiteral("De olivo"),
    };
    auto* txtReferencia = new QLineEdit(referencia);
    auto* txtFrase = new QLineEdit(frase);
    formulario->addRow(QStringLiteral("Pregunta"), txtPregunta);
    QLineEdit* txtRespuestas[4];
    for (int i = 0; i < 4; ++i) {
        txtRespuestas[i] = new QLineEdit(respuestas[i]);
        formulario->addRow(QStringLiteral("Respuesta %1").arg(QChar(u'A' + i)), txtRespuestas[i]);
    }
    formulario->addRow(QStringLiteral("Referencia"), txtReferencia);
    formulario->addRow(QStringLiteral("Frase"), txtFrase);
    auto* pasaje = new QTextBrowser;
    auto* lblFrase = new QLabel;
    lblFrase->setWordWrap(true);
    formulario->addRow(QStringLiteral("Pasaje"), pasaje);
    formulario->addRow(QString(), lblFrase);

    auto* vista = new VistaPrevia;
    vista->setCorrecta(1);
    vista->setTamanoVisible(grande ? VistaPrevia::Grande : VistaPrevia::Chico);

    auto* fila = new QHBoxLayout(&ventana);
    fila->addLayout(formulario, 2);
    fila->addWidget(vista, 3);

    const Biblia biblia;
    auto verso = [&] {
        const MarcaFrase m = biblia.pasaje(txtReferencia->text()).marcar(txtFrase->text());
        pasaje->setHtml(m.html);
        lblFrase->setText(m.mensaje.isEmpty() ? QStringLiteral("La frase está en el pasaje.") : m.mensaje);
    };
    auto tablero = [&] {
        vista->setPregunta(txtPregunta->text());
        for (int i = 0; i < 4; ++i)
            vista->setRespuesta(i, txtRespuestas[i]->text());
    };
    for (QLineEdit* e : {txtReferencia, txtFrase})
        QObject::connect(e, &QLineEdit::textChanged, verso);
    for (QLineEdit* e : {txtPregunta, txtRespuestas[0], txtRespuestas[1], txtRespuestas[2], txtRespuestas[3]})
        QObject::connect(e, &QLineEdit::textChanged, tablero);
    verso();
    tablero();

    ventana.resize(1880, 1000);
    ventana.show();
    return app.exec();
}
