#pragma once

class QCoreApplication;

// Qt's own texts in Spanish: the text boxes' menu (Deshacer, Cortar, Pegar…),
// the message boxes' buttons, the standard dialogs. Uses the translations
// Qt installs (Debian: qt6-translations-l10n); without them Qt's texts stay
// English and the game carries on. True when they were found.
bool TraducirQt(QCoreApplication& app);
