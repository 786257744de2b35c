#pragma once
#include <QByteArray>
#include <QString>

// A cheap look at the first bytes of a file: does MPEG audio start there
// (after an optional ID3v2 tag), with two frame headers in a row? Files that
// fail this are never handed to the audio back-end, where a file it cannot
// preroll costs a one-second stall on the next command.
bool PareceMp3(const QByteArray& inicio);
bool PareceMp3(const QString& ruta);
