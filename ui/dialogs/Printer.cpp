#include "ui/dialogs/Printer.h"

#include "framework/RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPixmap>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>

namespace {
// Screen pictures are drawn at 96 dots per inch; a picture is never printed larger
// than that, so a small one is not blown up into a blur.
constexpr double ScreenDotsPerInch = 96.0;
constexpr double MillimetresPerInch = 25.4;
} // namespace

Printer::~Printer() = default;

bool pdfFileComplete(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    constexpr qint64 TailBytes = 64;
    file.seek(qMax<qint64>(0, file.size() - TailBytes));
    return file.read(TailBytes).contains("%%EOF");
}

QtPrinter::QtPrinter(QPrinter& device)
    : device_(device), font_(QStringLiteral("Courier New"), 10) {}

QtPrinter::~QtPrinter() {
    // Only reached with output still open when the command was left early; what was
    // printed so far is sent rather than lost.
    if (painter_.isActive())
        painter_.end();
}

void QtPrinter::setFontName(const QString& name) {
    font_.setFamily(name);
}

void QtPrinter::setFontSize(float points) {
    if (!(points > 0.0f))
        raiseError(Err::InvalidCall);
    font_.setPointSizeF(static_cast<double>(points));
}

bool QtPrinter::toFile() const {
    return device_.outputFormat() == QPrinter::PdfFormat;
}

QRectF QtPrinter::contentRect() const {
    // The painter's origin is the top left of the printable area; the content keeps
    // a margin from the paper's edge even where the device could print closer.
    const QRectF paper = device_.paperRect(QPrinter::DevicePixel);
    const QRectF page = device_.pageRect(QPrinter::DevicePixel);
    const double margin = MinimumMarginMm / MillimetresPerInch * device_.resolution();
    const QRectF wanted = paper.adjusted(margin, margin, -margin, -margin);
    QRectF content = page.intersected(wanted);
    if (content.width() <= 0.0 || content.height() <= 0.0)
        content = page;
    return content.translated(-page.topLeft());
}

void QtPrinter::beginDoc() {
    beginDocument();
}

void QtPrinter::beginDocument() {
    if (!painter_.isActive()) {
        if (!painter_.begin(&device_))
            raiseError(Err::DeviceIO);
        content_ = contentRect();
        y_ = 0.0;
        pageHasContent_ = false;
        pageBreakPending_ = false;
    } else if (pageBreakPending_) {
        pageBreakPending_ = false;
        newPage();
    }
    documentOpen_ = true;
}

void QtPrinter::newPage() {
    if (!device_.newPage())
        raiseError(Err::DeviceIO);
    y_ = 0.0;
    pageHasContent_ = false;
}

namespace {
const QRegularExpression& lineBreak() {
    static const QRegularExpression pattern(QStringLiteral("\r\n|\r|\n"));
    return pattern;
}
} // namespace

void QtPrinter::printLine(const QString& text) {
    beginDocument();
    for (const QString& part : text.split(lineBreak()))
        printOneLine(part);
}

void QtPrinter::keepTogether(const QStringList& lines) {
    beginDocument();
    // Empty lines at the end of the block may fall off the page: they need no room.
    QStringList parts;
    for (const QString& line : lines)
        parts += line.split(lineBreak());
    while (!parts.isEmpty() && parts.constLast().isEmpty())
        parts.removeLast();
    double height = 0.0;
    for (const QString& part : parts)
        height += laidOut(part).height;
    if (y_ > 0.0 && y_ + height > content_.height())
        newPage();
}

QtPrinter::LaidOutLine QtPrinter::laidOut(const QString& text) const {
    const QFontMetricsF metrics(font_, painter_.device());
    const double spacing = metrics.lineSpacing();
    LaidOutLine result;
    if (text.isEmpty()) {
        result.height = spacing;
        return result;
    }
    // Leading tabs indent the line by whole tab stops, and a wrapped line continues
    // under its text, not under its indent. Any other tab prints as a space.
    const double tabStop = TabColumns * metrics.horizontalAdvance(QLatin1Char(' '));
    const double width = content_.width();
    qsizetype leadingTabs = 0;
    while (leadingTabs < text.size() && text[leadingTabs] == QLatin1Char('\t'))
        ++leadingTabs;
    const double indent = qMin(static_cast<double>(leadingTabs) * tabStop, width / 2.0);
    QString shown = text.mid(leadingTabs);
    shown.replace(QLatin1Char('\t'), QLatin1Char(' '));

    result.layout = std::make_unique<QTextLayout>(shown, font_, painter_.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    result.layout->setTextOption(option);
    result.layout->beginLayout();
    for (;;) {
        QTextLine line = result.layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width - indent);
        line.setPosition(QPointF(indent, result.height));
        result.height += qMax(spacing, line.height());
    }
    result.layout->endLayout();
    return result;
}

void QtPrinter::printOneLine(const QString& text) {
    const LaidOutLine laid = laidOut(text);
    const bool fits = y_ + laid.height <= content_.height();
    if (!laid.layout) {
        // An empty line that does not fit ends the page without starting the next, so
        // that no page holds nothing but space.
        y_ = fits ? y_ + laid.height : content_.height();
        return;
    }
    // A line wrapped over several printed lines stays on one page where it can.
    if (y_ > 0.0 && !fits && laid.height <= content_.height())
        newPage();
    const double spacing = QFontMetricsF(font_, painter_.device()).lineSpacing();
    for (int i = 0; i < laid.layout->lineCount(); ++i) {
        const QTextLine line = laid.layout->lineAt(i);
        const double height = qMax(spacing, line.height());
        if (y_ > 0.0 && y_ + height > content_.height())
            newPage();
        line.draw(&painter_, QPointF(content_.left(), content_.top() + y_ - line.y()));
        pageHasContent_ = true;
        y_ += height;
    }
}

void QtPrinter::printPicture(const QPixmap& picture, const QString& caption) {
    if (picture.isNull())
        return;
    beginDocument();
    if (pageHasContent_)
        newPage();
    // A caption gets two lines of room under the picture.
    const double captionRoom =
        caption.isEmpty() ? 0.0 : 2.5 * QFontMetricsF(font_, painter_.device()).lineSpacing();
    const QSizeF natural =
        picture.deviceIndependentSize() * (device_.resolution() / ScreenDotsPerInch);
    const double scale = std::min({1.0, content_.width() / natural.width(),
                                   (content_.height() - captionRoom) / natural.height()});
    const QSizeF shown = natural * scale;
    const QRectF target(content_.left() + (content_.width() - shown.width()) / 2.0, content_.top(),
                        shown.width(), shown.height());
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawPixmap(target, picture, QRectF(picture.rect()));
    pageHasContent_ = true;
    if (!caption.isEmpty()) {
        y_ = shown.height() + captionRoom / 5.0;
        printOneLine(caption);
    }
    // Whatever follows the picture starts on a page of its own.
    y_ = content_.height();
}

void QtPrinter::endDoc() {
    if (!documentOpen_)
        return;
    documentOpen_ = false;
    if (toFile())
        pageBreakPending_ = true;
    else
        endOutput();
}

void QtPrinter::finish() {
    documentOpen_ = false;
    endOutput();
}

void QtPrinter::endOutput() {
    if (!painter_.isActive())
        return;
    const bool ended = painter_.end();
    pageBreakPending_ = false;
    if (!ended || device_.printerState() == QPrinter::Error)
        raiseError(Err::DeviceIO);
    if (toFile() && !pdfFileComplete(device_.outputFileName()))
        raiseError(Err::DeviceIO);
}
