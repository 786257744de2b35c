#pragma once
#include <QElapsedTimer>
#include <QtGlobal>

// Where the room reads the time: milliseconds on a clock that never goes back.
// Tests hand in one they move by hand, so nothing has to sleep.
class Reloj {
public:
    virtual ~Reloj() = default;
    virtual qint64 ms() const = 0;
};

class RelojReal : public Reloj {
public:
    RelojReal() { t_.start(); }
    qint64 ms() const override { return t_.elapsed(); }
private:
    QElapsedTimer t_;
};
