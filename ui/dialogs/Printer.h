#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTextLayout>

#include <memory>

class QPixmap;
class QPrinter;

// The printer the Print command writes to: lines of text in one font, pictures, and
// the end of each document. Errors of the device raise run-time errors.
class Printer {
public:
    virtual ~Printer();

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(float points) = 0;

    // Starts a document. Printing starts one too; starting it first lets a caller
    // hear of a device that cannot start once, before the document's first line.
    virtual void beginDoc() = 0;
    // Prints the text and ends the line. A line break inside the text starts a new
    // line, so "\r\n" alone leaves two empty lines.
    virtual void printLine(const QString& text) = 0;
    // The next lines are printed as one block: a page that has something on it and no
    // room left for all of them ends first.
    virtual void keepTogether(const QStringList& lines) = 0;
    // Prints the picture as large as the page allows, keeping its aspect, with the
    // caption (if any) under it.
    virtual void printPicture(const QPixmap& picture, const QString& caption) = 0;
    // Ends the current document; what is printed next starts a new one.
    virtual void endDoc() = 0;
    // Ends the command's output: whatever is still open is sent.
    virtual void finish() = 0;
};

// The PDF writer does not report failed writes, so a full disk would leave a cut-off
// file behind without a word. True when the file at `path` ends with the end-of-file
// marker, or is no regular file (a device or pipe, which cannot be checked).
bool pdfFileComplete(const QString& path);

// The printer behind a QPrinter the print dialog configured. Text starts at the top
// left of the printable area, within margins of at least MinimumMarginMm; a line
// that is too wide wraps, its continuation aligned with its text after the indent; a
// full page continues on the next one.
//
// Printing to a PDF file puts all documents of one command into that one file, each
// starting on a new page; printing to a device sends each document as its own job.
class QtPrinter : public Printer {
public:
    static constexpr double MinimumMarginMm = 15.0;
    // Tab stops, in character widths of the current font.
    static constexpr int TabColumns = 4;

    explicit QtPrinter(QPrinter& device);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    void setFontName(const QString& name) override;
    void setFontSize(float points) override;
    void beginDoc() override;
    void printLine(const QString& text) override;
    void keepTogether(const QStringList& lines) override;
    void printPicture(const QPixmap& picture, const QString& caption) override;
    void endDoc() override;
    void finish() override;

private:
    // Starts the output if needed and makes sure the next thing goes on a fresh page
    // when a document ended before it.
    void beginDocument();
    void newPage();
    void endOutput();
    bool toFile() const;
    // The area to print in, in the painter's coordinates.
    QRectF contentRect() const;
    // One line of text (without line breaks) laid out to the content's width, and the
    // height it takes; an empty line has no layout.
    struct LaidOutLine {
        std::unique_ptr<QTextLayout> layout;
        double height = 0.0;
    };
    LaidOutLine laidOut(const QString& text) const;
    void printOneLine(const QString& text);

    QPrinter& device_;
    QPainter painter_;
    QFont font_;
    QRectF content_;
    double y_ = 0.0;
    bool pageHasContent_ = false;
    bool documentOpen_ = false;
    bool pageBreakPending_ = false;
};
