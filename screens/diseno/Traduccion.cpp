#include "Traduccion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool TraducirQt(QCoreApplication& app)
{
    // The game speaks Spanish whatever the machine's language is.
    auto* t = new QTranslator(&app);
    if (!t->load(QLocale(QLocale::Spanish), QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    return QCoreApplication::installTranslator(t);
}
