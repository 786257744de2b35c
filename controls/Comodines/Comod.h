#pragma once
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#if defined(COMODINES_LIBRARY)
#define COMODINES_EXPORT Q_DECL_EXPORT
#else
#define COMODINES_EXPORT Q_DECL_IMPORT
#endif

class BolsaPropiedades;
class ImagenComodin;

// The row of three lifelines: poll (E), skip (N), remove two (Q).
// Situation is the mask of used lifelines: 4 poll, 2 skip, 1 remove two.
// Twelve pictures in two sets: 0-5 small (37 px), 6-11 large (53 px); in each
// set the first three are the available pictures and the next three the used
// ones. The set in use lies at top 0, the other at top -1000 twips. The large
// set is used when the control is wider than 2474 twips (15 twips a pixel).
class COMODINES_EXPORT Comod : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 Situation READ Situation WRITE setSituation)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
public:
    explicit Comod(QWidget* parent = nullptr);

    qint16 Situation() const { return situacion_; }
    void setSituation(qint16 v);
    qint32 BackColor() const { return fondo_; }
    void setBackColor(qint32 c);

    Q_INVOKABLE void KeyPress(qint16 KeyAscii);

    // Persisted values: "Situation", "Enabled", "BackColor".
    void ReadProperties(const BolsaPropiedades& bolsa);
    void WriteProperties(BolsaPropiedades& bolsa) const;
    QStringList propiedadesCambiadas() const { return cambiadas_; }
    void olvidaCambios() { cambiadas_.clear(); }

    // The 16 x 15 picture for tool palettes; the game itself never shows it.
    static QPixmap IconoPaleta();

    // What is on show, for the host's checks and the tests.
    int baseImagenes() const { return base_; }          // 0 small set, 6 large set
    bool imagenMostrada(int i) const;                    // its own visibility flag
    int topImagen(int i) const;                          // twips: 0 or -1000
    QWidget* imagen(int i) const;                        // for clicks in tests

    // How large the pictures are drawn (1: 37 and 53 px, as above). The host
    // sets it from its layout: a row in a short box, or on a board far
    // larger than the design. The set still follows the width alone.
    void setEscala(double e);
    double Escala() const { return escala_; }
    QRect cajaImagenes() const;                          // the set in use, in pixels

signals:
    void Click(qint16 Comodin);
    void PropertyChanged(const QString& nombre);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    void muestraSituacion();
    void disponer();
    void usaImagen(int i);
    void marca(const QString& nombre);

    qint16 situacion_ = 0;
    int base_ = 0;
    double escala_ = 1.0;
    qint32 fondo_ = 0x800000;
    ImagenComodin* imagenes_[12] = {};
    int tops_[12] = {};
    bool habilitadoPropio_ = true;
    bool restaurando_ = false;
    QStringList cambiadas_;
};
