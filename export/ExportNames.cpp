#include "export/ExportNames.h"

#include <QCoreApplication>

namespace {

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F ||
           (c.unicode() >= 0x80 && c.unicode() < 0xA0) || c.category() == QChar::Other_Format ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Characters that some file system or the program's own rules refuse in a folder name.
constexpr QStringView RefusedCharacters = u"/\\:*?\"<>|.";

// Longest folder name in UTF-8 bytes that file systems take.
constexpr qsizetype MaxNameBytes = 255;

} // namespace

// The reasons are in the user's language where a translation is loaded (the desktop);
// the command line loads none and stays English.
QString themeNameProblem(const QString& name) {
    if (name.isEmpty())
        return QCoreApplication::translate("ExportNames", "a theme name cannot be empty");
    if (name.trimmed() != name)
        return QCoreApplication::translate("ExportNames",
                                           "a theme name cannot begin or end with a blank");
    for (const QChar c : name) {
        if (isControl(c))
            return QCoreApplication::translate("ExportNames",
                                               "a theme name cannot hold control characters");
        if (RefusedCharacters.contains(c))
            return QCoreApplication::translate("ExportNames", "a theme name cannot hold \"%1\"")
                .arg(c);
    }
    if (name == QLatin1String("Default"))
        return QCoreApplication::translate(
            "ExportNames", "\"Default\" is the Themes menu's name for the theme Studio");
    if (name == QLatin1String("-"))
        return QCoreApplication::translate("ExportNames", "\"-\" is the Themes menu's separator");
    if (name.toUtf8().size() > MaxNameBytes)
        return QCoreApplication::translate("ExportNames",
                                           "a theme name can be at most %1 bytes long")
            .arg(MaxNameBytes);
    return {};
}

QString pictureFileName(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString safePictureName(const QString& fileName) {
    QString name;
    for (const QChar c : fileName) {
        const bool plain = (c.unicode() < 0x80 && c.isLetterOrNumber()) || c == QLatin1Char('-') ||
                           c == QLatin1Char('_') || c == QLatin1Char('.');
        name += plain ? c : QLatin1Char('_');
    }
    while (name.startsWith(QLatin1Char('.')))
        name.replace(0, 1, QLatin1Char('_'));
    if (name.isEmpty())
        name = QStringLiteral("picture");
    if (name.size() > MaxPictureNameLength) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        const QString extension = dot > 0 && name.size() - dot <= 10 ? name.mid(dot) : QString();
        name = name.left(MaxPictureNameLength - extension.size()) + extension;
    }
    return name;
}

FreeNames::FreeNames(const QStringList& taken) {
    for (const QString& name : taken)
        take(name);
}

bool FreeNames::contains(const QString& name) const {
    return taken_.contains(name.toCaseFolded());
}

void FreeNames::take(const QString& name) {
    taken_.insert(name.toCaseFolded());
}

QString FreeNames::free(const QString& name) {
    if (!contains(name))
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    // Numbers tried once for a name are never tried again for it.
    int& n = next_[name.toCaseFolded()];
    n = std::max(n, 2);
    for (;; ++n) {
        const QString candidate = stem + QLatin1Char('-') + QString::number(n) + extension;
        if (!contains(candidate))
            return candidate;
    }
}
