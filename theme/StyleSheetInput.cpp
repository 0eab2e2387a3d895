#include "theme/StyleSheetInput.h"

#include "framework/FileLookup.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "theme/ChooseTheme.h"
#include "theme/ColorScheme.h"
#include "theme/StyleSheetRules.h"

#include <QDir>

bool StyleSheetInput::open(Procedure& proc, ColorScheme& scheme, const QString& themesDir,
                           const QString& caption, const QString& fileName) {
    scheme.ThemeName = themeFolderFor(caption);
    folder_ = themesDir + QDir::separator() + scheme.ThemeName;
    // The error box for a missing file shows this detail: the user learns which one.
    proc.TaskDetail = folder_ + QDir::separator() + fileName;
    return proc.step([&] {
        try {
            reader_.open(folder_ + QDir::separator() + fileName);
        } catch (const RuntimeError& error) {
            // Only a missing file is looked for under another letter case.
            const QString other = error.number() == Err::FileNotFound
                                      ? fileIgnoringCase(folder_ + QDir::separator() + fileName)
                                      : QString();
            if (other.isEmpty())
                throw;
            reader_.open(other);
        }
    });
}

bool StyleSheetInput::next(Procedure& proc) {
    // A failing end-of-file test counts as the end once ignored, as does a failed read:
    // the file cannot be read any further either way.
    if (proc.test([&] { return reader_.atEnd(); }))
        return false;
    return proc.step([&] { line_ = reader_.readLine(); });
}

int selectorIndex(std::span<const std::u16string_view> selectors, QStringView text) {
    for (std::size_t i = 0; i < selectors.size(); ++i)
        if (text == QStringView(selectors[i]))
            return static_cast<int>(i);
    return NoSection;
}

void readDeclaration(ColorScheme& scheme, std::span<const Declaration> table, int section,
                     QStringView line, QStringView trimmed, const QString& folder) {
    if (section == NoSection)
        return;
    qsizetype colon = 0;
    const QStringView property = css::declaredProperty(line, trimmed, colon);
    if (property.isEmpty())
        return;
    for (const Declaration& d : table) {
        if (d.section != section || property != QStringView(d.property))
            continue;
        switch (d.store) {
        case Store::Image:
            scheme.image(d.first) = folder + QDir::separator() + css::imageName(line);
            break;
        case Store::Face:
            scheme.font(FontAttr::Face, d.first) =
                SchemeValue::text(css::fontFamilyValue(line, colon));
            break;
        case Store::Size:
            scheme.font(FontAttr::Size, d.first) = css::fontSizeValue(line, colon, scheme);
            break;
        case Store::Fore:
        case Store::Back:
            if (const std::optional<qint32> color = css::colorValue(line)) {
                const int attr = d.store == Store::Fore ? ColorAttr::Fore : ColorAttr::Back;
                for (int slot = d.first; slot <= d.last; ++slot)
                    scheme.color(attr, slot) = *color;
            }
            break;
        }
    }
}
