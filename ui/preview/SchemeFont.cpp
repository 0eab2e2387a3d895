#include "ui/preview/SchemeFont.h"

#include "theme/DrawnFont.h"
#include "theme/SchemeValue.h"

#include <QFont>

namespace SchemeFont {

void applyFace(QFont& font, const SchemeValue& face) {
    const QString family = drawnFamily(face.toText());
    if (!family.isEmpty())
        font.setFamily(family);
}

void applyStyle(QFont& font, const SchemeValue& style) {
    if (const std::optional<DrawnStyle> drawn = drawnStyle(style)) {
        font.setBold(drawn->bold);
        font.setItalic(drawn->italic);
    }
}

} // namespace SchemeFont
