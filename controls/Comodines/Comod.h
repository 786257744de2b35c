#pragma once
#include <QWidget>

#if defined(COMODINES_LIBRARY)
#define COMODINES_EXPORT Q_DECL_EXPORT
#else
#define COMODINES_EXPORT Q_DECL_IMPORT
#endif

// The row of three lifelines: poll (E), skip (N), remove two (Q).
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

signals:
    void Click(qint16 Comodin);

private:
    qint16 situacion_ = 0;
    qint32 fondo_ = 0x800000;
};
