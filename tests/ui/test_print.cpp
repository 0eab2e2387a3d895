#include "scheme/SchemeReport.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "theme/ColorScheme.h"
#include "ui/PreviewPage.h"
#include "ui/PrintCommand.h"
#include "ui/Printer.h"
#include "ui/Twips.h"
#include "ui/WindowUtil.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMainWindow>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {
QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto match = pages.match(runTool(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString pageText(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-f"), n, QStringLiteral("-l"), n,
                    pdf, QStringLiteral("-")});
}

// The non-empty lines of the text of the pages, trimmed.
QStringList textLines(const QString& text) {
    QStringList lines;
    for (const QString& line : QString(text).remove(QLatin1Char('\f')).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines;
}

QString withoutBlanks(QString text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.remove(blanks);
}

// The pages that hold a picture, in order.
QList<int> picturePages(const QString& pdf) {
    QList<int> pages;
    const QStringList rows =
        runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split('\n');
    for (qsizetype i = 2; i < rows.size(); ++i) {
        bool ok = false;
        const int page =
            rows[i].section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty).toInt(&ok);
        if (ok && !pages.contains(page))
            pages.append(page);
    }
    return pages;
}

QImage pictureOfPage(const QString& pdf, int page, const QString& folder) {
    const QString n = QString::number(page);
    const QString prefix = QDir(folder).filePath(QStringLiteral("picture") + n);
    runTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), QStringLiteral("-f"), n,
                                          QStringLiteral("-l"), n, pdf, prefix});
    return QImage(prefix + QStringLiteral("-000.png"));
}

ColorScheme sampleScheme(const TestWorld& world) {
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    scheme.ThemeName = QStringLiteral("Studio");
    for (int slot = 0; slot <= 12; ++slot) {
        scheme.font(FontAttr::Face, slot) = SchemeValue::text(QStringLiteral("TIMES NEW ROMAN"));
        scheme.font(FontAttr::Size, slot) = SchemeValue::integer(10 + slot);
        scheme.font(FontAttr::Style, slot) = SchemeValue::integer(slot % 4);
        scheme.color(ColorAttr::Back, slot) = rgbValue(255, 255, slot);
        scheme.color(ColorAttr::Fore, slot) = rgbValue(0, 0, 128);
    }
    for (int slot = 0; slot <= 18; ++slot)
        scheme.image(slot) = world.path(QStringLiteral("Themes/Studio/picture%1.gif").arg(slot));
    scheme.image(1).clear(); // a theme that sets no banner picture
    return scheme;
}

// A main window like frmMain's: a client area with the preview at its design left.
struct PrintWindow {
    QMainWindow window;
    QWidget* clientArea = nullptr;
    PreviewPage* picDisplay = nullptr;

    PrintWindow() {
        clientArea = new QWidget;
        clientArea->setAutoFillBackground(true);
        QPalette palette = clientArea->palette();
        palette.setColor(QPalette::Window, Qt::white);
        clientArea->setPalette(palette);
        window.setCentralWidget(clientArea);
        picDisplay = new PreviewPage(clientArea);
        window.resize(700, 500);
    }
};

// The lines the report prints, as the PDF's text shows them.
QStringList expectedLines(const ColorScheme& scheme) {
    QStringList lines;
    for (const ReportLine& line : reportLines(scheme)) {
        if (!line.text.trimmed().isEmpty())
            lines.append(line.text.trimmed());
    }
    return lines;
}
} // namespace

class TestPrint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    // Each copy is the report as one document, then the window's picture as another;
    // in a PDF file every document starts on a page of its own.
    void copiesAlternateReportAndPicture_data() {
        QTest::addColumn<int>("copies");
        QTest::newRow("one copy") << 1;
        QTest::newRow("three copies") << 3;
    }
    void copiesAlternateReportAndPicture() {
        QFETCH(int, copies);
        TestWorld world;
        world.setUpGlobals();
        const ColorScheme scheme = sampleScheme(world);
        PrintWindow w;
        w.window.show();
        ScriptedDialogs cdbMain;
        cdbMain.answerPrinter(copies);
        const QString pdf = world.path(QStringLiteral("report.pdf"));
        cdbMain.printer().setOutputFileName(pdf);
        QtPrinter printer(cdbMain.printer());

        printScheme(w.window, *w.picDisplay, cdbMain, printer, scheme);

        QVERIFY2(world.prompt.messages.isEmpty(), qPrintable(world.prompt.messages.join('\n')));
        const int pages = pageCount(pdf);
        QCOMPARE(pages % copies, 0);
        const int perCopy = pages / copies;
        QVERIFY(perCopy >= 2);
        QList<int> expectedPictures;
        for (int copy = 1; copy <= copies; ++copy)
            expectedPictures.append(copy * perCopy);
        QCOMPARE(picturePages(pdf), expectedPictures);

        const QStringList expected = expectedLines(scheme);
        for (int copy = 0; copy < copies; ++copy) {
            QString report;
            for (int page = copy * perCopy + 1; page < (copy + 1) * perCopy; ++page)
                report += pageText(pdf, page);
            QCOMPARE(textLines(report), expected);
            QVERIFY(textLines(pageText(pdf, (copy + 1) * perCopy)).isEmpty());
        }
    }

    void reportLinesReadAsTheSchemeSays() {
        TestWorld world;
        world.setUpGlobals();
        const ColorScheme scheme = sampleScheme(world);
        PrintWindow w;
        w.window.show();
        ScriptedDialogs cdbMain;
        cdbMain.answerPrinter(1);
        const QString pdf = world.path(QStringLiteral("report.pdf"));
        cdbMain.printer().setOutputFileName(pdf);
        QtPrinter printer(cdbMain.printer());

        printScheme(w.window, *w.picDisplay, cdbMain, printer, scheme);

        const QString text = pageText(pdf, 1);
        const QStringList lines = textLines(text);
        QCOMPARE(lines.value(0), QStringLiteral("FILE INFORMATION"));
        QCOMPARE(lines.value(1), QStringLiteral("Application Name: Tintora"));
        QCOMPARE(lines.value(2), QStringLiteral("Program Version: 0001.0000.0000"));
        QCOMPARE(lines.value(3), QStringLiteral("Program Author: tester"));
        QCOMPARE(lines.value(4), QStringLiteral("Theme: Studio"));
        QCOMPARE(lines.value(5), QStringLiteral("BACKGROUND"));
        const qsizetype banner = lines.indexOf(QStringLiteral("BANNER"));
        QVERIFY(banner > 0);
        QCOMPARE(lines.value(banner + 1), QStringLiteral("Image:"));
        QCOMPARE(lines.value(banner + 2), QStringLiteral("Font: Times new roman"));
        QCOMPARE(lines.value(banner + 3), QStringLiteral("FontSize: 10"));
        QCOMPARE(lines.value(banner + 4), QStringLiteral("FontStyle: 0"));
        QCOMPARE(lines.value(banner + 5), QStringLiteral("BackColor: 65535"));

        // The attribute lines are indented; each section end leaves two empty lines.
        const QStringList raw = text.split(QLatin1Char('\n'));
        const qsizetype theme =
            raw.indexOf(QRegularExpression(QStringLiteral("^\\s+Theme: Studio$")));
        QVERIFY(theme > 0);
        QVERIFY(raw[theme - 1].startsWith(QLatin1Char(' ')));
        QCOMPARE(raw.value(theme + 1), QString());
        QCOMPARE(raw.value(theme + 2), QString());
        QCOMPARE(raw.value(theme + 3), QStringLiteral("BACKGROUND"));
    }

    // Printing maximises the window and moves the preview to the left edge for the
    // picture, then puts both back as they were.
    void windowAndPreviewRestored_data() {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("normal") << false;
        QTest::newRow("maximised") << true;
    }
    void windowAndPreviewRestored() {
        QFETCH(bool, maximised);
        TestWorld world;
        world.setUpGlobals();
        const ColorScheme scheme = sampleScheme(world);
        PrintWindow w;
        if (maximised)
            w.window.showMaximized();
        else
            w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QSize normalSize = w.window.size();
        const int normalClientWidth = w.clientArea->width();
        const QPoint designPosition = w.picDisplay->pos();
        QCOMPARE(designPosition.x(), twipsToPixels(PicDisplayDesignLeft));
        ScriptedDialogs cdbMain;
        cdbMain.answerPrinter(1);
        const QString pdf = world.path(QStringLiteral("report.pdf"));
        cdbMain.printer().setOutputFileName(pdf);
        QtPrinter printer(cdbMain.printer());

        printScheme(w.window, *w.picDisplay, cdbMain, printer, scheme);

        QCOMPARE(w.window.isMaximized(), maximised);
        QCOMPARE(w.picDisplay->pos(), designPosition);
        if (!maximised)
            QTRY_COMPARE(w.window.size(), normalSize);

        // The picture is the maximised client area with the grey preview at its left.
        const QList<int> pictures = picturePages(pdf);
        QCOMPARE(pictures.size(), 1);
        const QImage picture = pictureOfPage(pdf, pictures.front(), world.dir.path());
        QVERIFY(!picture.isNull());
        if (!maximised)
            QVERIFY(picture.width() > normalClientWidth);
        QCOMPARE(QColor(picture.pixel(3, 3)), QColor(128, 128, 128));
        QCOMPARE(QColor(picture.pixel(picture.width() - 3, 3)), QColor(Qt::white));
    }

    void cancelPrintsNothingAndSaysNothing() {
        TestWorld world;
        world.setUpGlobals();
        const ColorScheme scheme = sampleScheme(world);
        PrintWindow w;
        w.window.show();
        const QPoint designPosition = w.picDisplay->pos();
        ScriptedDialogs cdbMain;
        cdbMain.answerCancel(ScriptedDialogs::Kind::Printer);
        const QString pdf = world.path(QStringLiteral("report.pdf"));
        cdbMain.printer().setOutputFileName(pdf);
        QtPrinter printer(cdbMain.printer());

        printScheme(w.window, *w.picDisplay, cdbMain, printer, scheme);

        QCOMPARE(cdbMain.calls.size(), 1);
        QVERIFY(world.prompt.messages.isEmpty());
        QVERIFY(world.prompt.informed.isEmpty());
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY(!w.window.isMaximized());
        QCOMPARE(w.picDisplay->pos(), designPosition);
    }

    void emptyFaceNameShowsErrorAndPrintsEmptyFont() {
        TestWorld world;
        world.setUpGlobals();
        ColorScheme scheme = sampleScheme(world);
        scheme.font(FontAttr::Face, 3) = SchemeValue::text(QString()); // HEADING2
        PrintWindow w;
        w.window.show();
        ScriptedDialogs cdbMain;
        cdbMain.answerPrinter(1);
        const QString pdf = world.path(QStringLiteral("report.pdf"));
        cdbMain.printer().setOutputFileName(pdf);
        QtPrinter printer(cdbMain.printer());
        world.prompt.script({ErrorPrompt::Answer::Ignore});

        printScheme(w.window, *w.picDisplay, cdbMain, printer, scheme);

        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY(world.prompt.messages.front().contains(QStringLiteral("Err#5 - ")));
        QString report;
        for (int page = 1; page < pageCount(pdf); ++page)
            report += pageText(pdf, page);
        const QStringList lines = textLines(report);
        const qsizetype heading2 = lines.indexOf(QStringLiteral("HEADING2"));
        QVERIFY(heading2 > 0);
        QCOMPARE(lines.value(heading2 + 1), QStringLiteral("Font:"));
        QCOMPARE(lines.value(heading2 + 2), QStringLiteral("FontSize: 13"));
        QCOMPARE(lines.count(QStringLiteral("Font: Times new roman")), 12);
    }

    // On a small page the report runs over many pages and its long lines wrap;
    // nothing is lost, repeated or reordered on the way.
    void longReportContinuesOnNextPages() {
        TestWorld world;
        world.setUpGlobals();
        ColorScheme scheme = sampleScheme(world);
        scheme.image(0) = world.path(QStringLiteral("Themes/Studio/") +
                                     QString(120, QLatin1Char('b')) + QStringLiteral(".gif"));
        PrintWindow w;
        w.window.show();
        ScriptedDialogs cdbMain;
        cdbMain.answerPrinter(1);
        const QString pdf = world.path(QStringLiteral("small.pdf"));
        QPrinter& device = cdbMain.printer();
        device.setOutputFileName(pdf);
        device.setPageSize(QPageSize(QSizeF(90, 110), QPageSize::Millimeter,
                                     QStringLiteral("small"), QPageSize::ExactMatch));
        device.setPageMargins(QMarginsF(0, 0, 0, 0));
        QtPrinter printer(device);

        printScheme(w.window, *w.picDisplay, cdbMain, printer, scheme);

        QVERIFY(world.prompt.messages.isEmpty());
        const int pages = pageCount(pdf);
        QVERIFY2(pages > 6, qPrintable(QString::number(pages)));
        QCOMPARE(picturePages(pdf), QList<int>{pages});
        QString report;
        for (int page = 1; page < pages; ++page) {
            const QString text = pageText(pdf, page);
            QVERIFY2(!textLines(text).isEmpty(),
                     qPrintable(QStringLiteral("page %1 empty").arg(page)));
            report += text;
        }
        QCOMPARE(withoutBlanks(report), withoutBlanks(expectedLines(scheme).join(QString())));
    }

    // A printer that cannot start is reported once per document, and the window is
    // left as it was.
    void printerThatCannotStartIsReportedOncePerDocument() {
        TestWorld world;
        world.setUpGlobals();
        const ColorScheme scheme = sampleScheme(world);
        PrintWindow w;
        w.window.show();
        const QPoint designPosition = w.picDisplay->pos();
        ScriptedDialogs cdbMain;
        cdbMain.answerPrinter(2);
        const QString pdf = world.path(QStringLiteral("missing/report.pdf"));
        cdbMain.printer().setOutputFileName(pdf);
        QtPrinter printer(cdbMain.printer());

        printScheme(w.window, *w.picDisplay, cdbMain, printer, scheme);

        QCOMPARE(world.prompt.messages.size(), 4);
        for (const QString& message : world.prompt.messages)
            QVERIFY(message.contains(QStringLiteral("Err#57 - Device I/O error")));
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY(!w.window.isMaximized());
        QCOMPARE(w.picDisplay->pos(), designPosition);
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
