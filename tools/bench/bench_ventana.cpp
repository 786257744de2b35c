// The floor for the start-up benchmark: the least a Qt Widgets program does
// before a window of its own is up. Shows one window, says so and ends.
#include <QApplication>
#include <QLabel>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel ventana(QStringLiteral("Orvalia"));
    ventana.show();
    QApplication::processEvents();
    std::printf("listo\n");
    std::fflush(stdout);
    return 0;
}
