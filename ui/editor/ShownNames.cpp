#include "ui/editor/ShownNames.h"

#include <QCoreApplication>

namespace {

// The elements without an editor row, named after what the preview shows of them.
struct ElementCaption {
    Element element;
    const char* caption;
};
constexpr ElementCaption PictureCaptions[] = {
    {Element::GLOBALBUTTONS, QT_TRANSLATE_NOOP("ThemeElement", "Global Navigation Buttons")},
    {Element::HORIZNAVBTNNORM, QT_TRANSLATE_NOOP("ThemeElement", "Horizontal Navigation Button")},
    {Element::HORIZNAVBTNPUSH,
     QT_TRANSLATE_NOOP("ThemeElement", "Horizontal Navigation Button (Pressed)")},
    {Element::BULLETLIST1, QT_TRANSLATE_NOOP("ThemeElement", "Bullet 1")},
    {Element::BULLETLIST2, QT_TRANSLATE_NOOP("ThemeElement", "Bullet 2")},
    {Element::BULLETLIST3, QT_TRANSLATE_NOOP("ThemeElement", "Bullet 3")},
    {Element::HORIZRULE, QT_TRANSLATE_NOOP("ThemeElement", "Horizontal Rule")},
    {Element::BTNBACKNORM, QT_TRANSLATE_NOOP("ThemeElement", "Quick Link Back")},
    {Element::BTNHOMENORM, QT_TRANSLATE_NOOP("ThemeElement", "Quick Link Home")},
    {Element::BTNUPNORM, QT_TRANSLATE_NOOP("ThemeElement", "Quick Link Up")},
    {Element::BTNNEXTNORM, QT_TRANSLATE_NOOP("ThemeElement", "Quick Link Next")},
    {Element::BTNBACKPUSH, QT_TRANSLATE_NOOP("ThemeElement", "Selected Quick Link Back")},
    {Element::BTNHOMEPUSH, QT_TRANSLATE_NOOP("ThemeElement", "Selected Quick Link Home")},
    {Element::BTNUPPUSH, QT_TRANSLATE_NOOP("ThemeElement", "Selected Quick Link Up")},
    {Element::BTNEXTPUSH, QT_TRANSLATE_NOOP("ThemeElement", "Selected Quick Link Next")},
    {Element::VIRTNAVBTNNORM, QT_TRANSLATE_NOOP("ThemeElement", "Vertical Navigation Button")},
    {Element::VIRTNAVBTNPUSH,
     QT_TRANSLATE_NOOP("ThemeElement", "Vertical Navigation Button (Pressed)")},
};

QString translated(std::string_view text) {
    return QCoreApplication::translate(
        "ThemeElement", QByteArray(text.data(), static_cast<qsizetype>(text.size())).constData());
}

} // namespace

QString elementCaption(const ThemeElement& element) {
    if (!element.rowCaption.empty())
        return translated(element.rowCaption);
    for (const ElementCaption& named : PictureCaptions)
        if (named.element == element.element)
            return QCoreApplication::translate("ThemeElement", named.caption);
    return QString::fromLatin1(element.key.data(), static_cast<qsizetype>(element.key.size()));
}

QString deficiencyCaption(Deficiency deficiency) {
    return QCoreApplication::translate("Deficiency",
                                       deficiencyName(deficiency).toLatin1().constData());
}
