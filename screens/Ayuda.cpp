#include "Ayuda.h"

#include <QApplication>
#include <QFileInfo>
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
    auto* caja = new QVBoxLayout(this);
    caja->setContentsMargins(0, 0, 0, 0);
    caja->addWidget(texto_);
    resize(640, 560);

    const QFileInfo info(archivo());
    if (info.isFile()) {
        texto_->setSearchPaths({info.absolutePath()});
        texto_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    } else {
        texto_->setHtml(QStringLiteral("<h2>Ayuda de Orvalia</h2><p>No se encontró el archivo de ayuda.</p>"));
    }
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
