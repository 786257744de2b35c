// The floor for the start-up benchmark: the least a Qt Widgets program does
// before a window of its own is up. Shows one window and ends.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel ventana(QStringLiteral("Orvalia"));
    ventana.show();
    QApplication::processEvents();
    return 0;
}
