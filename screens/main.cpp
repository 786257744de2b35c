#include <QApplication>
#include <QLabel>

// Placeholder start until the title screen lands.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel l(QStringLiteral("Orvalia"));
    l.show();
    return app.exec();
}
