#include "ui/editor/ContrastMark.h"

#include "contrast/AuditFormat.h"
#include "ui/editor/ShownNames.h"

#include <QCoreApplication>

#include <QPainter>
#include <QPainterPath>

namespace {

// Room right of the ratio for the tick or the cross, in pixels.
constexpr int MarkRoom = 13;

const QColor PassColour(0x1B, 0x7F, 0x3B);
const QColor FailColour(0xC6, 0x28, 0x28);

QString caption(Element element) {
    return elementCaption(themeElement(element));
}

QString ratioNeeded(double required) {
    return QString::number(required) + QStringLiteral(":1");
}

QString sizeLine(const TextFont& font) {
    const QString rule =
        QCoreApplication::translate("ContrastMark", "large text is at least 18 pt, or 14 pt bold");
    if (!font.points)
        return QCoreApplication::translate(
                   "ContrastMark", "Judged as normal text: its size is none the preview draws (%1)")
            .arg(rule);
    QString line = QCoreApplication::translate("ContrastMark", "%1 pt")
                       .arg(QString::number(static_cast<double>(*font.points)));
    if (!font.bold)
        line += QCoreApplication::translate(
            "ContrastMark", ", judged as not bold (its style code is none the preview draws)");
    else
        line += *font.bold ? QCoreApplication::translate("ContrastMark", " bold")
                           : QCoreApplication::translate("ContrastMark", ", not bold");
    line += (font.large ? QCoreApplication::translate("ContrastMark", ": large text (%1)")
                        : QCoreApplication::translate("ContrastMark", ": normal text (%1)"))
                .arg(rule);
    return line;
}

QString adviceLine(const ContrastCheck& advice, Element row) {
    if (advice.kind == CheckKind::LinkAgainstBody)
        return QCoreApplication::translate(
                   "ContrastMark",
                   "Advice: %1:1 against the body text %2; a link told apart by colour alone "
                   "needs %3")
            .arg(shownRatio(advice), colorHex(advice.background), ratioNeeded(advice.required));
    const bool first = advice.element == row;
    const Element other = first ? advice.other : advice.element;
    const qint32 otherColour = first ? advice.background : advice.foreground;
    return QCoreApplication::translate("ContrastMark", "Advice: with %1 this looks like %2 (%3)")
        .arg(deficiencyCaption(advice.deficiency), caption(other), colorHex(otherColour));
}

} // namespace

QString contrastToolTip(const ContrastCheck& check, std::span<const ContrastCheck> advice,
                        ContrastLevel level) {
    QStringList lines;
    lines << (check.pass ? QCoreApplication::translate("ContrastMark", "%1: passes %2")
                         : QCoreApplication::translate("ContrastMark", "%1: fails %2"))
                 .arg(caption(check.element), contrastLevelText(level));
    lines << QCoreApplication::translate("ContrastMark", "%1:1, needs %2")
                 .arg(shownRatio(check), ratioNeeded(check.required));
    if (check.overPicture)
        lines << QCoreApplication::translate("ContrastMark", "Text %1 over a picture")
                     .arg(colorHex(check.foreground))
              << QCoreApplication::translate(
                     "ContrastMark", "95 % of the pixels behind it reach %1:1 (%2); the worst %3:1")
                     .arg(shownRatio(check), colorHex(check.background), ratioText(check.lowest));
    else
        lines << QCoreApplication::translate("ContrastMark", "Text %1 on %2")
                     .arg(colorHex(check.foreground), colorHex(check.background));
    lines << sizeLine(check.font);
    for (const ContrastCheck& a : advice)
        lines << adviceLine(a, check.element);
    return lines.join(QLatin1Char('\n'));
}

ContrastMark::ContrastMark(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setContentsMargins(0, 0, MarkRoom, 0);
}

void ContrastMark::showCheck(const ContrastCheck& check, std::span<const ContrastCheck> advice,
                             ContrastLevel level) {
    pass_ = check.pass;
    setText(shownRatio(check));
    // A failing ratio in the cross's colour too, so the eye finds it down the column.
    QPalette p = palette();
    p.setColor(QPalette::WindowText,
               check.pass ? QPalette().color(QPalette::WindowText) : FailColour);
    setPalette(p);
    setToolTip(contrastToolTip(check, advice, level));
    setAccessibleName((check.pass ? tr("%1, passes %2") : tr("%1, fails %2"))
                          .arg(text(), contrastLevelText(level)));
    update();
}

void ContrastMark::clearCheck() {
    pass_.reset();
    clear();
    setToolTip(QString());
    setAccessibleName(QString());
}

void ContrastMark::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!pass_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal size = 8;
    const QRectF box(width() - MarkRoom + 3, (height() - size) / 2, size, size);
    painter.setPen(
        QPen(*pass_ ? PassColour : FailColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    if (*pass_) {
        path.moveTo(box.left(), box.center().y());
        path.lineTo(box.left() + size * 0.4, box.bottom());
        path.lineTo(box.right(), box.top());
    } else {
        path.moveTo(box.topLeft());
        path.lineTo(box.bottomRight());
        path.moveTo(box.topRight());
        path.lineTo(box.bottomLeft());
    }
    painter.drawPath(path);
}
