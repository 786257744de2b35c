#pragma once
#include <QString>

class QFile;

// How opening a file for reading went. Only a regular file is opened (a
// link to one is followed): a folder, a pipe or a device never, since a
// pipe would hold the reader until someone wrote to it.
enum class Apertura { Abierto, Falta, NoEsNormal, NoSeAbre };
Apertura AbrirArchivoNormal(QFile& f);  // f names the file

// Deletes a file and ignores every failure (missing, read-only, a folder...).
void BorrarArchivo(const QString& ruta);

// The temporary file a save of ruta writes before it is renamed over ruta:
// ruta + ".orvalia-guardando-" and six random letters or digits. A name no
// person gives a file, so that a leftover is known for ours by its name.
QString NombreDeGuardado(const QString& ruta);

// Removes what a save of ruta cut short (a kill, a power cut) left beside
// it: regular files named NombreDeGuardado(ruta) and six letters or digits.
// Nothing else is ever touched, whatever its name: "QBase.qdb.CopiaA" or
// "QBase.qdb.backup" is the player's. The caller holds ruta's lock, so no
// save of another program is under way.
void BorrarRestosDeGuardado(const QString& ruta);

// Moves ruta to destino (replacing it) when ruta may hold something worth
// keeping, so that a later write of ruta does not destroy it. Nothing is
// moved when there is nothing to keep or nothing can be written over it: no
// file, an empty one, a folder. False when it had to be moved and could not.
bool ApartarArchivo(const QString& ruta, const QString& destino);

// The folder of the game's files, every data file is found below it: the
// program's own, or the package's shared one (Ubicaciones::CarpetaJuego).
// Tests may point it elsewhere.
QString CarpetaPrograma();
void FijarCarpetaPrograma(const QString& carpeta);

// Joins the program folder with a path written the old way ("\MP3\sonido1.mp3"
// or "/Imágenes/Logo.jpg"): either slash separates.
QString RutaPrograma(const QString& relativa);
QString RutaDesde(const QString& carpeta, const QString& relativa);
