#include "EstiloEditor.h"

#include "Colores.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QStyleFactory>

namespace EstiloEditor {

namespace {
const QColor Pagina(255, 252, 240);     // where the teacher writes
const QColor Tinta(0, 0, 64);
const QColor AzulBoton(24, 36, 160);
const QColor AzulHondo(0, 0, 88);
const QColor OroClaro(255, 226, 150);
}  // namespace

void aplicar(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    p.setColor(QPalette::Window, Colores::Azul);
    p.setColor(QPalette::WindowText, Colores::Oro);
    p.setColor(QPalette::Base, Pagina);
    p.setColor(QPalette::AlternateBase, QColor(246, 238, 214));
    p.setColor(QPalette::Text, Tinta);
    p.setColor(QPalette::PlaceholderText, QColor(110, 110, 140));
    p.setColor(QPalette::Button, AzulBoton);
    p.setColor(QPalette::ButtonText, Colores::Oro);
    p.setColor(QPalette::Highlight, Colores::Oro);
    p.setColor(QPalette::HighlightedText, Tinta);
    p.setColor(QPalette::ToolTipBase, Pagina);
    p.setColor(QPalette::ToolTipText, Tinta);
    p.setColor(QPalette::Light, QColor(60, 80, 220));
    p.setColor(QPalette::Midlight, QColor(40, 56, 190));
    p.setColor(QPalette::Mid, AzulHondo);
    p.setColor(QPalette::Dark, QColor(0, 0, 60));
    p.setColor(QPalette::Shadow, QColor(0, 0, 30));
    p.setColor(QPalette::Link, QColor(255, 214, 90));
    p.setColor(QPalette::BrightText, Colores::Oro);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(170, 150, 90));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(150, 140, 110));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(90, 90, 110));
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(226, 224, 216));
    app.setPalette(p);
    // No style sheet: Fusion already frames the focused box in the
    // highlight's gold, and a sheet would slow every list's drawing.
    app.setWindowIcon(icono());
}

QIcon icono()
{
    QIcon i;
    for (const char* nombre : {"orvalia-editor-16.png", "orvalia-editor-32.png", "orvalia-editor-48.png", "orvalia-editor.png"})
        i.addFile(QStringLiteral(":/editor/") + QLatin1String(nombre));
    return i;
}

QColor colorAviso() { return QColor(255, 178, 102); }
QColor colorError() { return QColor(255, 128, 128); }

void comoNota(QLabel* l)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, OroClaro);
    l->setPalette(p);
    l->setWordWrap(true);
}

}  // namespace EstiloEditor
