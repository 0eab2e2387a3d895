#pragma once

#include <QLocale>

// The texts of the desktop program in the user's language: Qt's own (the buttons of
// message boxes, the file, colour, font and print dialogs) from Qt's translations
// folder, and the program's own from its resources. Replaces whatever an earlier call
// loaded; the C locale, and a language without a translation, leave the texts as they
// are written, in English. True when the program's own translation was found.
bool loadTranslations(const QLocale& locale);
