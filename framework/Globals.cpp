#include "framework/Globals.h"

#include "framework/DataFolder.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "framework/Version.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Globals& globals() {
    static Globals g;
    return g;
}

void resetGlobals() {
    globals() = Globals{};
}

QString formatVersion(int major, int minor, int revision) {
    const auto pad = [](int n) { return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')); };
    return pad(major) + QLatin1Char('.') + pad(minor) + QLatin1Char('.') + pad(revision);
}

void subSetupGlobals() {
    Procedure proc(QStringLiteral("CV-Code.subSetupGlobals"));
    Globals& g = globals();
    g.VersionText =
        formatVersion(tintora::VersionMajor, tintora::VersionMinor, tintora::VersionRevision);

    // Off Windows the account comes from the usual Unix variable.
    g.UserName = qEnvironmentVariable("USERNAME");
    if (g.UserName.isEmpty())
        g.UserName = qEnvironmentVariable("USER");
    // The desktop's own documents folder, wherever the user has it.
    g.AppDataPath = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                    QStringLiteral("/Tintora");
    g.StartDir = DataFolder::locate();
}

void subSetupFolders() {
    Procedure proc(QStringLiteral("CV-Code.subSetupFolders"));
    // The folder for scheme files is made when the user first saves there, not here.
    DataFolder::prepare(globals().StartDir);
}

namespace {

// Lists `path` (a folder and a name that may hold wildcards) with the given filters.
bool listingFinds(const QString& path, QDir::Filters filters) {
    if (path.isEmpty())
        return false;
    QString cleaned = QDir::fromNativeSeparators(path);
    while (cleaned.size() > 1 && cleaned.endsWith(QLatin1Char('/')))
        cleaned.chop(1);
    if (cleaned == QLatin1String("/"))
        return (filters & QDir::Dirs) != 0;
    const qsizetype slash = cleaned.lastIndexOf(QLatin1Char('/'));
    const QString folder =
        slash < 0 ? QStringLiteral(".") : cleaned.left(qMax<qsizetype>(slash, 1));
    const QString name = cleaned.mid(slash + 1);
    if (name.isEmpty())
        return false;
    const QDir dir(folder);
    if (!dir.exists())
        return false;
    return !dir.entryList({name}, filters | QDir::NoDotAndDotDot | QDir::CaseSensitive).isEmpty();
}

} // namespace

bool fcnFileExists(const QString& path) {
    Procedure proc(QStringLiteral("CV-Code.fcnFileExists"));
    bool result = false;
    proc.step([&] { result = listingFinds(path, QDir::Files); });
    return result;
}

bool fcnPathExists(const QString& path) {
    Procedure proc(QStringLiteral("CV-Code.fcnPathExists"));
    bool result = false;
    proc.step([&] {
        result = listingFinds(path, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System);
    });
    return result;
}

namespace {

// `c` in the other case when that takes as many UTF-16 units; otherwise `c` itself.
char32_t sameLengthCase(char32_t c, bool upper) {
    const char32_t other = upper ? QChar::toUpper(c) : QChar::toLower(c);
    return QChar::requiresSurrogates(other) == QChar::requiresSurrogates(c) ? other : c;
}

// Letter by letter with the one-to-one case mappings, never the full ones: "ß" stays
// "ß" (its full upper case "SS" would lengthen the name and change again at the next
// save), and a character outside the basic plane is one letter, not two halves. So
// the result has the text's length and proper-casing it again changes nothing.
QString properCased(const QString& text) {
    QString result = text;
    bool first = true;
    for (qsizetype i = 0; i < result.size();) {
        char32_t c = result[i].unicode();
        const bool pair =
            QChar::isHighSurrogate(c) && i + 1 < result.size() && result[i + 1].isLowSurrogate();
        if (pair)
            c = QChar::surrogateToUcs4(result[i], result[i + 1]);
        const char32_t cased = sameLengthCase(c, first);
        if (pair) {
            result[i] = QChar(QChar::highSurrogate(cased));
            result[i + 1] = QChar(QChar::lowSurrogate(cased));
        } else {
            result[i] = QChar(static_cast<char16_t>(cased));
        }
        i += pair ? 2 : 1;
        first = false;
    }
    return result;
}

} // namespace

QString ProperCase(const QString& text) {
    Procedure proc(QStringLiteral("CV-Code.ProperCase"));
    QString result;
    proc.step([&] {
        if (text.isEmpty())
            raiseError(Err::InvalidCall);
        result = properCased(text);
    });
    return result;
}
