// orvalia-editor: the question editor. Opens the file named on the command
// line, or the base the game plays from.
//
// With ORVALIA_MEDIR_ARRANQUE set it prints the milliseconds from main to
// the questions shown, and ends there (the installed program's check).
#include "Biblia.h"
#include "Dialogos.h"
#include "EstiloEditor.h"
#include "FinDesdeFuera.h"
#include "Traduccion.h"
#include "VentanaEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QElapsedTimer reloj;
    reloj.start();
    QApplication app(argc, argv);
    // The name the game's message gives when it finds its base held by us.
    QApplication::setApplicationName(QStringLiteral("orvalia-editor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Editor de preguntas"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.orvalia.Editor"));
    TraducirQt(app);
    EstiloEditor::aplicar(app);

    DialogosQt dialogos;
    const Biblia biblia;
    VentanaEditor ventana(dialogos, biblia);
    // The session ends or the computer shuts down with the editor open: no
    // question can be asked, the edits are kept for the next opening, and
    // the base's lock goes with the window.
    AlTerminarDesdeFuera(ventana, [&ventana] { ventana.terminarDesdeFuera(); });
    const QStringList args = app.arguments().mid(1);
    const bool abierto = args.isEmpty() ? ventana.abrirBaseDelJuego() : ventana.abrir(args.first());
    if (qEnvironmentVariableIsSet("ORVALIA_MEDIR_ARRANQUE")) {
        QApplication::processEvents();
        std::printf("%lld\n", static_cast<long long>(reloj.elapsed()));
        std::fflush(stdout);
        return abierto ? 0 : 1;
    }
    // The list, the form, the verse and the board at its design size want
    // the whole screen, a laptop's or a larger one.
    ventana.showMaximized();
    return app.exec();
}
