#include "startup/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {
// The translators in use, owned by the application, so that a later call replaces
// them rather than stacking a second language over the first.
QPointer<QTranslator> qtTranslator;
QPointer<QTranslator> ownTranslator;

void drop(QPointer<QTranslator>& translator) {
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator.data();
}

// A translator for `name` in the first of the locale's languages that has one, or none.
QTranslator* loaded(const QLocale& locale, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}
} // namespace

bool loadTranslations(const QLocale& locale) {
    drop(qtTranslator);
    drop(ownTranslator);
    // LANG=C asks for the program's own texts, whatever LANGUAGE lists, as with gettext.
    if (locale.language() == QLocale::C)
        return false;
    qtTranslator = loaded(locale, QStringLiteral("qtbase"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    ownTranslator = loaded(locale, QStringLiteral("tintora"), QStringLiteral(":/translations"));
    return ownTranslator != nullptr;
}
