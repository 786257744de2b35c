#pragma once
#include <QWidget>

#if defined(RESPUESTA_LIBRARY)
#define RESPUESTA_EXPORT Q_DECL_EXPORT
#else
#define RESPUESTA_EXPORT Q_DECL_IMPORT
#endif

// One answer bar: a letter disc, the answer text fitted to the bar, four states.
class RESPUESTA_EXPORT Resp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 Situation READ Situation WRITE setSituation)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString Letter READ Letter WRITE setLetter)
    Q_PROPERTY(qint16 ActionWidth READ ActionWidth)
    Q_PROPERTY(qint16 ActionHeight READ ActionHeight)
public:
    explicit Resp(QWidget* parent = nullptr);

    qint16 Situation() const { return situacion_; }
    void setSituation(qint16 v);
    QString Caption() const { return caption_; }
    void setCaption(const QString& t);
    QString Letter() const { return letra_; }
    void setLetter(const QString& t);
    qint16 ActionWidth() const;
    qint16 ActionHeight() const;

signals:
    void Click();

private:
    qint16 situacion_ = 0;
    QString caption_;
    QString letra_ = QStringLiteral("A");
};
