#pragma once
#include "Pregunta.h"

#include <QString>
#include <functional>

// Where the game's files and the player's question base lie. Decided here
// and nowhere else: the game, orvalia-qdb and the question editor all ask.
namespace Ubicaciones {

// The game's own files (pictures, sounds, help, the shipped QBase.qdb and
// QBase.bak) for a program in carpetaPrograma: ../share/games/orvalia when
// that exists (the Debian package, program in /usr/games), otherwise the
// program's own folder (the build tree, a portable install).
QString CarpetaJuego(const QString& carpetaPrograma);

// This program's: the folder tests set with FijarCarpetaJuego, or the above
// for the running program's folder.
QString CarpetaJuego();
// Tests: the game's files, and its base, lie in carpeta, as in a portable
// install. Empty: back to the program's own.
void FijarCarpetaJuego(const QString& carpeta);

// The per-user data folder: ~/.local/share/Orvalia (or below XDG_DATA_HOME),
// AppDataLocation for the application "Orvalia". Named here, not taken from
// the program's file name, so the game (Orvalia or orvalia), orvalia-qdb and
// the editor share it.
QString CarpetaUsuario();

// The question base of this user.
struct Base {
    RutasBase rutas;  // what the bank reads and writes, and its fallback
    QString inicial;  // the shipped base copied to rutas.principal on the first
                      // start; empty when the player plays the shipped file itself
};

// Whether the player may write a folder, or a file; whether a path is a
// regular file the player may read.
using Escribible = std::function<bool(const QString& ruta)>;
bool CarpetaEscribible(const QString& ruta);
bool ArchivoLegible(const QString& ruta);

// Beside the game's files when they lie beside the program (not shared) and
// that folder may be written, and the QBase.qdb in it, if there is one, is
// a file the player may read and write: a portable install behaves as it
// always has.
// Otherwise QBase.qdb in carpetaUsuario, made from the shipped one: a
// package's files are every user's and never written, even by root. The
// fallback is always the shipped QBase.bak.
Base UbicarBase(const QString& carpetaJuego, bool compartida, const QString& carpetaUsuario,
                const Escribible& escribible = CarpetaEscribible, const Escribible& legible = ArchivoLegible);

// This program's base, as the above decides it.
Base BaseDelJugador();

// Makes the per-user copy on the first start: the folder, and the shipped
// base copied in whole (written aside, then renamed), or QBase.bak when the
// shipped base cannot be read as one, unless a copy is there already, which
// is never replaced. False when it could not be made: the bank then plays
// from QBase.bak. Beside a copy it lays the shipped passages (QBase.citas)
// when it has none yet, and never replaces them.
bool Preparar(const Base& base);

// The base of this user ready to load: BaseDelJugador, prepared.
RutasBase RutasDelJugador();

}
