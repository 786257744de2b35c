#pragma once
#include <QString>
#include <memory>

class QLockFile;

// The lock beside the question base ("QBase.qdb.lock"): whoever holds it is
// the one program that writes the base, the game while it runs or the
// question editor. A second copy that finds it held plays without saving.
//
// A lock left by a program that died (killed, crashed, the machine switched
// off) is found stale and taken over: QLockFile checks that the process
// named in it still runs. Its age alone never makes it stale, since a game
// may run for hours. A lock file whose holder cannot be checked that way (left
// empty by a power cut, or made on another machine) is taken over when no
// running program holds the file's own lock.
class CerrojoBase {
public:
    enum Estado {
        Tomado,     // this copy holds it
        EnUso,      // another running program holds it
        SinCerrojo, // it could not be made (a read-only folder; a folder or a pipe in its place)
    };

    // rutaBase: the main base file; the lock lies beside it.
    explicit CerrojoBase(const QString& rutaBase);
    ~CerrojoBase();  // lets it go
    CerrojoBase(const CerrojoBase&) = delete;
    CerrojoBase& operator=(const CerrojoBase&) = delete;

    // Tries once, without waiting.
    Estado tomar();
    Estado estado() const { return estado_; }
    // When EnUso: the name of the holder's program file ("Orvalia",
    // "orvalia-editor"). Qt records the executable's own name, whatever
    // name the application gives itself.
    QString programaTitular() const { return programa_; }
    bool editorTitular() const { return estado_ == EnUso && programa_ == NombreEditor(); }

    static QString Ruta(const QString& rutaBase);  // rutaBase + ".lock"
    static QString NombreEditor();                 // "orvalia-editor"

    // How new an unreadable lock file may be and still be its holder's,
    // caught between making it and writing it.
    static constexpr qint64 MargenNuevo = 5000;  // ms

private:
    bool titularSinComprobar() const;

    std::unique_ptr<QLockFile> cerrojo_;
    QString ruta_;
    Estado estado_ = SinCerrojo;
    QString programa_;
};
