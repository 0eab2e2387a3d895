#include "export/ThemeExport.h"

#include "export/ExportNames.h"
#include "export/ExportTarget.h"
#include "export/PicturePlan.h"
#include "framework/BusyFolder.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "theme/ColorScheme.h"
#include "theme/ThemeReaders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <optional>

namespace {

// The hidden name an export builds its folder under.
constexpr const char* BuildingPrefix = ".tintora-export-";

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
        imageAt(out, property, slotOf(e, &ThemeElement::imageSlot));
    }
    void fore(Declarations& out, Element e) const {
        colorAt(out, QStringLiteral("color"), ColorAttr::Fore, slotOf(e, &ThemeElement::colorSlot));
    }
    // The family and, when the element has one, its size in points.
    void font(Declarations& out, Element e) const {
        const int slot = slotOf(e, &ThemeElement::fontSlot);
        faceAt(out, QStringLiteral("font-family"), slot);
        sizeAt(out, QStringLiteral("font-size"), slot);
    }
    // One row of a reader's table, from the first slot it fills.
    void declare(Declarations& out, const Declaration& d) const {
        const QString property = QString::fromUtf16(d.property.data(), d.property.size());
        switch (d.store) {
        case Store::Image:
            imageAt(out, property, d.first);
            break;
        case Store::Face:
            faceAt(out, property, d.first);
            break;
        case Store::Size:
            sizeAt(out, property, d.first);
            break;
        case Store::Fore:
            colorAt(out, property, ColorAttr::Fore, d.first);
            break;
        case Store::Back:
            colorAt(out, property, ColorAttr::Back, d.first);
            break;
        }
    }

private:
    void imageAt(Declarations& out, const QString& property, int slot) const {
        const QString name = pictures_.nameFor(slot);
        if (!name.isEmpty())
            out.append({property, QStringLiteral("url(") + name + QLatin1Char(')')});
    }
    void colorAt(Declarations& out, const QString& property, int attr, int slot) const {
        out.append({property, rgbText(scheme_.color(attr, slot))});
    }
    void faceAt(Declarations& out, const QString& property, int slot) const {
        out.append({property, plainValue(scheme_.font(FontAttr::Face, slot).toText())});
    }
    // An empty size cannot be declared, since the size rule takes no empty value.
    void sizeAt(Declarations& out, const QString& property, int slot) const {
        const QString size = plainValue(scheme_.font(FontAttr::Size, slot).toText());
        if (!size.isEmpty())
            out.append({property, size + QStringLiteral("pt")});
    }

    const ColorScheme& scheme_;
    const PicturePlan& pictures_;
};

// A sheet that one of the declaration readers reads, written from its own table:
// every section in the reader's order with the declarations it takes.
QByteArray declarationSheet(const DeclarationSheet& rules, const SheetValues& v) {
    Sheet sheet;
    for (std::size_t section = 0; section < rules.selectors.size(); ++section) {
        Declarations d;
        for (const Declaration& row : rules.table)
            if (row.section == static_cast<int>(section))
                v.declare(d, row);
        const std::u16string_view selector = rules.selectors[section];
        sheet.rule(QString::fromUtf16(selector.data(), static_cast<qsizetype>(selector.size())), d);
    }
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
    return {themeSheet(values), declarationSheet(colorSheetTable(), values),
            declarationSheet(graph0SheetTable(), values),
            declarationSheet(graph1SheetTable(), values)};
}

void removeExportLeftovers(const QString& themesDir, const QDateTime& before) {
    const QDir themes(themesDir);
    const QFileInfoList leftovers =
        themes.entryInfoList({QLatin1String(BuildingPrefix) + QLatin1Char('*')},
                             QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& leftover : leftovers)
        if (leftover.lastModified() <= before && !BusyFolder::isBusy(leftover.filePath()))
            QDir(leftover.filePath()).removeRecursively();
}

bool exportTheme(Procedure& proc, const ColorScheme& scheme, const QString& themesDir,
                 const QString& name, ExistingOutput existing, PictureTest isPicture) {
    proc.Task = QStringLiteral("Export Theme: ") + name;
    const QString target = themesDir + QLatin1Char('/') + name;
    if (!proc.step([&] {
            if (!themeNameProblem(name).isEmpty())
                raiseError(Err::BadFileName);
        }))
        return false;
    const std::optional<OutputFolders> folders =
        prepareExportOutputs(proc, {target}, existing, OutputKind::Folder);
    if (!folders)
        return false;
    // Gone before the folders made for it, so that an empty Themes folder made for a
    // failed export goes too.
    std::optional<QTemporaryDir> building;
    std::optional<BusyFolder> busy;
    const bool started = proc.step([&] {
        // Hidden beside the themes, on the same file system, so the rename is atomic;
        // the point keeps it out of the Themes menu meanwhile.
        building.emplace(themesDir + QLatin1Char('/') + QLatin1String(BuildingPrefix) +
                         QStringLiteral("XXXXXX"));
        if (!building->isValid())
            raiseError(Err::PermissionDenied);
        // Another program's clean-up leaves it alone while this export is at work.
        busy.emplace(building->path());
        // A temporary folder is private; a theme folder is as readable as any other.
        QFile::setPermissions(building->path(), sharedFolderPermissions());
    });
    if (!started)
        return false;

    PicturePlan pictures(scheme, themeSheetNames());
    pictures.copyInto(proc, building->path(), isPicture, target);

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
