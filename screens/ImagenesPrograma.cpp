#include "ImagenesPrograma.h"

#include "Archivos.h"

#include <QDir>
#include <QFileInfo>
#include <QIconEngine>

namespace ImagenesPrograma {

QString Buscar(const QString& relativa)
{
    const QString enTrabajo = RutaDesde(QDir::currentPath(), relativa);
    if (QFileInfo(enTrabajo).isFile())
        return enTrabajo;
    const QString enPrograma = RutaPrograma(relativa);
    if (QFileInfo(enPrograma).isFile())
        return enPrograma;
    return {};
}

namespace {
// The icon file read when a window first needs it: decoding its four sizes
// costs more than the rest of the start-up's pictures, and the windows that
// carry it are not shown until later.
class IconoDiferido : public QIconEngine {
public:
    explicit IconoDiferido(QString ruta) : ruta_(std::move(ruta)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode m, QIcon::State s) override
    {
        icono().paint(p, r, Qt::AlignCenter, m, s);
    }
    QSize actualSize(const QSize& tam, QIcon::Mode m, QIcon::State s) override
    {
        return icono().actualSize(tam, m, s);
    }
    QPixmap pixmap(const QSize& tam, QIcon::Mode m, QIcon::State s) override { return icono().pixmap(tam, m, s); }
    QPixmap scaledPixmap(const QSize& tam, QIcon::Mode m, QIcon::State s, qreal escala) override
    {
        return icono().pixmap(tam, escala, m, s);
    }
    QList<QSize> availableSizes(QIcon::Mode m, QIcon::State s) override { return icono().availableSizes(m, s); }
    QIconEngine* clone() const override { return new IconoDiferido(ruta_); }
    QString key() const override { return QStringLiteral("IconoDiferido"); }
    bool isNull() override { return false; }  // the file was found; reading it waits

private:
    const QIcon& icono()
    {
        if (!leido_) {
            icono_ = QIcon(ruta_);
            leido_ = true;
        }
        return icono_;
    }

    QString ruta_;
    QIcon icono_;
    bool leido_ = false;
};
}

QIcon Icono()
{
    const QString ruta = Buscar(QStringLiteral("Imágenes\\NP.ico"));
    return ruta.isEmpty() ? QIcon() : QIcon(new IconoDiferido(ruta));
}

QPixmap Titulo()
{
    const QString ruta = Buscar(QStringLiteral("Imágenes\\Orvalia.gif"));
    return ruta.isEmpty() ? QPixmap() : QPixmap(ruta);
}

}
