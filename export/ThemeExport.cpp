#include "export/ThemeExport.h"

#include "export/ExportNames.h"
#include "export/PicturePlan.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "theme/ColorScheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>

namespace {

// Values longer than this could make theme.css switch to its single-line mode.
constexpr qsizetype LongestValue = 200;

int slotOf(Element e, int ThemeElement::*member) {
    return themeElement(e).*member;
}

// A face name or size as one declaration can hold it: nothing that would end the
// value or the line early, no blanks where the reader skips them.
QString plainValue(const QString& text) {
    QString value;
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char(';') || c.unicode() < 0x20)
            continue;
        value += c;
    }
    qsizetype start = 0;
    while (start < value.size() && value[start] == QLatin1Char(' '))
        ++start;
    return value.mid(start, LongestValue);
}

QString rgbText(qint32 color) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(color & 0xFF)
        .arg((color >> 8) & 0xFF)
        .arg((color >> 16) & 0xFF);
}

// One style sheet being written: rules of tab-indented declarations.
class Sheet {
public:
    void rule(const QString& selector, const QList<std::pair<QString, QString>>& declarations) {
        lines_ << selector << QStringLiteral("{");
        for (const auto& [property, value] : declarations)
            lines_ << QLatin1Char('\t') + property + QStringLiteral(": ") + value +
                          QLatin1Char(';');
        lines_ << QStringLiteral("}");
    }
    QByteArray bytes() const {
        QByteArray out;
        for (const QString& line : lines_)
            out += line.toUtf8() + "\r\n";
        return out;
    }

private:
    QStringList lines_;
};

using Declarations = QList<std::pair<QString, QString>>;

class SheetValues {
public:
    SheetValues(const ColorScheme& scheme, const PicturePlan& pictures)
        : scheme_(scheme), pictures_(pictures) {}

    // "url(NAME)" for the element's picture; nothing when it has none, as an empty
    // name would make the readers name the theme folder itself as the picture.
    void image(Declarations& out, const QString& property, Element e) const {
        const QString name = pictures_.nameFor(slotOf(e, &ThemeElement::imageSlot));
        if (!name.isEmpty())
            out.append({property, QStringLiteral("url(") + name + QLatin1Char(')')});
    }
    void fore(Declarations& out, Element e) const {
        out.append({QStringLiteral("color"),
                    rgbText(scheme_.color(ColorAttr::Fore, slotOf(e, &ThemeElement::colorSlot)))});
    }
    void back(Declarations& out, Element e) const {
        out.append({QStringLiteral("background-color"),
                    rgbText(scheme_.color(ColorAttr::Back, slotOf(e, &ThemeElement::colorSlot)))});
    }
    // The family and, when the element has one, its size in points: an empty size
    // cannot be declared, since the size rule takes no empty value.
    void font(Declarations& out, Element e) const {
        const int slot = slotOf(e, &ThemeElement::fontSlot);
        out.append({QStringLiteral("font-family"),
                    plainValue(scheme_.font(FontAttr::Face, slot).toText())});
        const QString size = plainValue(scheme_.font(FontAttr::Size, slot).toText());
        if (!size.isEmpty())
            out.append({QStringLiteral("font-size"), size + QStringLiteral("pt")});
    }

private:
    const ColorScheme& scheme_;
    const PicturePlan& pictures_;
};

QByteArray colorSheet(const ColorScheme& scheme, const SheetValues& v) {
    Sheet sheet;
    Declarations body;
    v.fore(body, Element::BODY);
    // The page background: every text element's background comes from this one.
    body.append({QStringLiteral("background-color"), rgbText(scheme.pageBackground())});
    sheet.rule(QStringLiteral("body"), body);
    const std::array<std::pair<const char*, Element>, 6> headings{
        {{"h1", Element::HEADING1},
         {"h2, marquee", Element::HEADING2},
         {"h3", Element::HEADING3},
         {"h4", Element::HEADING4},
         {"h5", Element::HEADING5},
         {"h6", Element::HEADING6}}};
    for (const auto& [selector, element] : headings) {
        Declarations d;
        v.fore(d, element);
        sheet.rule(QString::fromLatin1(selector), d);
    }
    // After "body", so that its background wins over the body's for the buttons.
    Declarations button;
    v.fore(button, Element::NAVBUTTONS);
    v.back(button, Element::NAVBUTTONS);
    sheet.rule(QStringLiteral("BUTTON"), button);
    const std::array<std::pair<const char*, Element>, 3> links{{{"a:link", Element::REGULARLINK},
                                                                {"a:visited", Element::VISITEDLINK},
                                                                {"a:active", Element::ACTIVELINK}}};
    for (const auto& [selector, element] : links) {
        Declarations d;
        v.fore(d, element);
        sheet.rule(QString::fromLatin1(selector), d);
    }
    return sheet.bytes();
}

QByteArray graph0Sheet(const SheetValues& v) {
    Declarations d;
    v.image(d, QStringLiteral("nav-banner-image"), Element::BANNER);
    v.image(d, QStringLiteral("separator-image"), Element::HORIZRULE);
    v.image(d, QStringLiteral("list-image-1"), Element::BULLETLIST1);
    v.image(d, QStringLiteral("list-image-2"), Element::BULLETLIST2);
    v.image(d, QStringLiteral("list-image-3"), Element::BULLETLIST3);
    v.image(d, QStringLiteral("navbutton-prev-normal"), Element::BTNBACKNORM);
    v.image(d, QStringLiteral("navbutton-home-normal"), Element::BTNHOMENORM);
    v.image(d, QStringLiteral("navbutton-up-normal"), Element::BTNUPNORM);
    v.image(d, QStringLiteral("navbutton-next-normal"), Element::BTNNEXTNORM);
    v.image(d, QStringLiteral("navbutton-horiz-normal"), Element::HORIZNAVBTNNORM);
    v.image(d, QStringLiteral("navbutton-horiz-pushed"), Element::HORIZNAVBTNPUSH);
    v.image(d, QStringLiteral("navbutton-vert-normal"), Element::VIRTNAVBTNNORM);
    v.image(d, QStringLiteral("navbutton-vert-pushed"), Element::VIRTNAVBTNPUSH);
    Sheet sheet;
    sheet.rule(QStringLiteral(".mstheme"), d);
    return sheet.bytes();
}

QByteArray graph1Sheet(const SheetValues& v) {
    Sheet sheet;
    Declarations pushed;
    v.image(pushed, QStringLiteral("navbutton-prev-hovered"), Element::BTNBACKPUSH);
    v.image(pushed, QStringLiteral("navbutton-home-hovered"), Element::BTNHOMEPUSH);
    v.image(pushed, QStringLiteral("navbutton-up-hovered"), Element::BTNUPPUSH);
    v.image(pushed, QStringLiteral("navbutton-next-hovered"), Element::BTNEXTPUSH);
    sheet.rule(QStringLiteral(".mstheme"), pushed);
    Declarations banner;
    v.fore(banner, Element::BANNER);
    v.font(banner, Element::BANNER);
    sheet.rule(QStringLiteral(".mstheme-bannertxt"), banner);
    Declarations nav;
    v.fore(nav, Element::NAVBUTTONS);
    v.font(nav, Element::NAVBUTTONS);
    sheet.rule(QStringLiteral(".mstheme-navtxthome"), nav);
    return sheet.bytes();
}

QByteArray themeSheet(const SheetValues& v) {
    Sheet sheet;
    Declarations top;
    v.image(top, QStringLiteral("top-bar-button"), Element::GLOBALBUTTONS);
    sheet.rule(QStringLiteral(".mstheme"), top);
    Declarations topFont;
    v.font(topFont, Element::GLOBALBUTTONS);
    v.fore(topFont, Element::GLOBALBUTTONS);
    sheet.rule(QStringLiteral(".mstheme-topbar-font"), topFont);
    Declarations body;
    v.image(body, QStringLiteral("background-image"), Element::BACKGROUND);
    sheet.rule(QStringLiteral("body"), body);
    // The body text's font is the "TEXTAREA" rule's; the hyperlinks take it from there.
    Declarations text;
    v.font(text, Element::BODY);
    sheet.rule(QStringLiteral("TEXTAREA"), text);
    for (int level = 1; level <= 6; ++level) {
        Declarations d;
        v.font(d, static_cast<Element>(static_cast<int>(Element::HEADING1) + level - 1));
        sheet.rule(QStringLiteral("h%1").arg(level), d);
    }
    Declarations button;
    v.font(button, Element::NAVBUTTONS);
    sheet.rule(QStringLiteral("BUTTON"), button);
    Declarations horizontal;
    v.font(horizontal, Element::NAVBUTTONS);
    v.fore(horizontal, Element::NAVBUTTONS);
    sheet.rule(QStringLiteral(".mstheme-horiz-navtxt"), horizontal);
    return sheet.bytes();
}

// Puts the finished folder `built` in the place of `target`. An old folder is moved
// aside first and removed only once the new one is in place; if that fails it goes
// back, so the theme is never lost.
void moveIntoPlace(const QString& built, const QString& target, const QString& themesDir,
                   ExistingOutput existing) {
    const QFileInfo info(target);
    if (!info.exists() && !info.isSymLink()) {
        if (!QDir().rename(built, target))
            raiseError(Err::PathFileAccess);
        return;
    }
    if (existing == ExistingOutput::Keep)
        raiseError(Err::FileAlreadyExists);
    // Only a theme folder is replaced; a file or link of that name is not ours to remove.
    if (!info.isDir() || info.isSymLink())
        raiseError(Err::PathFileAccess);
    QTemporaryDir aside(themesDir + QStringLiteral("/.tintora-old-XXXXXX"));
    if (!aside.isValid())
        raiseError(Err::PathFileAccess);
    const QString old = aside.filePath(QStringLiteral("theme"));
    if (!QDir().rename(target, old))
        raiseError(Err::PathFileAccess);
    if (!QDir().rename(built, target)) {
        QDir().rename(old, target);
        raiseError(Err::PathFileAccess);
    }
    // `aside` removes the old folder with itself.
}

// What a folder made by mkdir gets under the usual umask (rwxr-xr-x), owner writes.
QFileDevice::Permissions sharedFolderPermissions() {
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
           QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
           QFileDevice::ExeOther;
}

} // namespace

QStringList themeSheetNames() {
    return {QStringLiteral("theme.css"), QStringLiteral("color1.css"), QStringLiteral("graph0.css"),
            QStringLiteral("graph1.css")};
}

ThemeSheets themeSheets(const ColorScheme& scheme, const PicturePlan& pictures) {
    const SheetValues values(scheme, pictures);
    return {themeSheet(values), colorSheet(scheme, values), graph0Sheet(values),
            graph1Sheet(values)};
}

bool exportTheme(Procedure& proc, const ColorScheme& scheme, const QString& themesDir,
                 const QString& name, ExistingOutput existing) {
    proc.Task = QStringLiteral("Export Theme: ") + name;
    const QString target = themesDir + QLatin1Char('/') + name;
    std::optional<QTemporaryDir> building;
    const bool started = proc.step([&] {
        if (!themeNameProblem(name).isEmpty())
            raiseError(Err::BadFileName);
        if (!QFileInfo(themesDir).isDir())
            raiseError(Err::PathNotFound);
        if (existing == ExistingOutput::Keep && QFileInfo::exists(target))
            raiseError(Err::FileAlreadyExists);
        // Hidden beside the themes, on the same file system, so the rename is atomic;
        // the point keeps it out of the Themes menu meanwhile.
        building.emplace(themesDir + QStringLiteral("/.tintora-export-XXXXXX"));
        if (!building->isValid())
            raiseError(Err::PermissionDenied);
        // A temporary folder is private; a theme folder is as readable as any other.
        QFile::setPermissions(building->path(), sharedFolderPermissions());
    });
    if (!started)
        return false;

    const PicturePlan pictures(scheme, themeSheetNames());
    pictures.copyInto(proc, building->path());

    const ThemeSheets sheets = themeSheets(scheme, pictures);
    const std::array<std::pair<QString, const QByteArray*>, 4> files{{
        {QStringLiteral("theme.css"), &sheets.theme},
        {QStringLiteral("color1.css"), &sheets.color1},
        {QStringLiteral("graph0.css"), &sheets.graph0},
        {QStringLiteral("graph1.css"), &sheets.graph1},
    }};
    for (const auto& sheet : files) {
        // Reported under the name it will have: the building folder is hidden.
        proc.TaskDetail = target + QLatin1Char('/') + sheet.first;
        if (!proc.step([&] { saveFileBytes(building->filePath(sheet.first), *sheet.second); })) {
            proc.TaskDetail.clear();
            return false;
        }
    }
    proc.TaskDetail = target;
    const bool placed =
        proc.step([&] { moveIntoPlace(building->path(), target, themesDir, existing); });
    proc.TaskDetail.clear();
    if (placed)
        building->setAutoRemove(false);
    return placed;
}
