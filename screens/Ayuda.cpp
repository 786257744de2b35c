#include "Ayuda.h"

#include "Arte.h"
#include "BotonImagen.h"
#include "Ventanas.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QString& archivo()
{
    static QString a;
    return a;
}
QPointer<Ayuda>& abierta()
{
    static QPointer<Ayuda> v;
    return v;
}
}

void Ayuda::FijarArchivo(const QString& ruta) { archivo() = ruta; }
QString Ayuda::Archivo() { return archivo(); }
Ayuda* Ayuda::Abierta() { return abierta().data(); }

Ayuda::Ayuda(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Ayuda"));
    setWindowTitle(QStringLiteral("Ayuda de Orvalia"));
    setAttribute(Qt::WA_DeleteOnClose);
    texto_ = new QTextBrowser(this);
    texto_->setOpenExternalLinks(false);
    // Below the text, on the game's navy, the "Cerrar" button of its other
    // windows: the help closes without a window manager's close box too.
    auto* barra = new QWidget(this);
    Ventanas::FondoAzul(barra);
    auto* cerrar = new BotonImagen(Arte::BotonCerrar(), barra);
    cerrar->setObjectName(QStringLiteral("cmdClose"));
    cerrar->setAccessibleName(QStringLiteral("Cerrar"));
    connect(cerrar, &BotonImagen::clicked, this, &QWidget::close);
    auto* fila = new QHBoxLayout(barra);
    fila->setContentsMargins(8, 6, 8, 6);
    fila->addStretch();
    fila->addWidget(cerrar);
    auto* caja = new QVBoxLayout(this);
    caja->setContentsMargins(0, 0, 0, 0);
    caja->setSpacing(0);
    caja->addWidget(texto_);
    caja->addWidget(barra);
    resize(640, 560);

    const QFileInfo info(archivo());
    if (info.isFile()) {
        texto_->setSearchPaths({info.absolutePath()});
        texto_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    } else {
        texto_->setHtml(QStringLiteral("<h2>Ayuda de Orvalia</h2><p>No se encontró el archivo de ayuda.</p>"));
    }
}

void Ayuda::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(e);
}

Ayuda* Ayuda::Mostrar()
{
    QWidget* duena = QApplication::activeModalWidget();
    Ayuda* v = abierta().data();
    if (v && v->parentWidget() != duena) {
        v->close();
        v = nullptr;
    }
    if (!v) {
        v = new Ayuda(duena);  // owned by the modal window, or deleted on close
        abierta() = v;
    }
    v->show();
    v->raise();
    v->activateWindow();
    return v;
}

bool TeclaAyuda::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1 && o->isWidgetType()) {
        Ayuda::Mostrar();
        return true;
    }
    return QObject::eventFilter(o, e);
}
