#pragma once
#include <QString>

// Deletes a file and ignores every failure (missing, read-only, a folder...).
void BorrarArchivo(const QString& ruta);

// The folder the program runs from; every data file is found below it.
// Tests may point it elsewhere.
QString CarpetaPrograma();
void FijarCarpetaPrograma(const QString& carpeta);

// Joins the program folder with a path written the old way ("\MP3\sonido1.mp3"
// or "/Imágenes/Logo.jpg"): either slash separates.
QString RutaPrograma(const QString& relativa);
QString RutaDesde(const QString& carpeta, const QString& relativa);
