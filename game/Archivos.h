#pragma once
#include <QString>

// Deletes a file and ignores every failure (missing, read-only, a folder...).
void BorrarArchivo(const QString& ruta);

// Removes what a save of ruta cut short by a kill left beside it: QSaveFile
// (Qt 6.4, Linux) links its finished temporary file in as ruta's name, a
// point and six letters of both cases, then renames it over ruta. Only
// regular files of exactly that name go, and not when the six letters read
// like a word ("QBase.qdb.backup" is a player's copy); nothing else beside
// ruta is touched.
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
