#include "EditWindow.h"
#include "contrast/AuditFormat.h"
#include "contrast/ContrastAudit.h"
#include "scheme/SchemeReport.h"
#include "support/Controls.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "theme/ColorScheme.h"
#include "ui/dialogs/PrintCommand.h"
#include "ui/dialogs/Printer.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"
#include "ui/window/frmMain.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
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

// The non-empty lines of the text of the pages, trimmed, each run of blanks one space
// (the PDF's text does not keep the spaces that pad the contrast table's columns).
QStringList textLines(const QString& text) {
    QStringList lines;
    for (const QString& line : QString(text).remove(QLatin1Char('\f')).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines.append(line.simplified());
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

// One print run: globals as at start-up, a scheme with every kind of value, a main
// window like frmMain's (a white client area with the preview at its design left)
// and a scripted printer dialog that prints to a PDF file in the temporary folder.
struct PrintRun {
    TestWorld world;
    ColorScheme scheme;
    QMainWindow window;
    QWidget* clientArea = new QWidget;
    PreviewPage* picDisplay = new PreviewPage(clientArea);
    ScriptedDialogs cdbMain;
    QString pdf = world.path(QStringLiteral("report.pdf"));

    PrintRun() {
        scheme.fillFontSizeTable();
        scheme.ThemeName = QStringLiteral("Studio");
        for (int slot = 0; slot <= 12; ++slot) {
            scheme.font(FontAttr::Face, slot) =
                SchemeValue::text(QStringLiteral("TIMES NEW ROMAN"));
            scheme.font(FontAttr::Size, slot) = SchemeValue::integer(10 + slot);
            scheme.font(FontAttr::Style, slot) = SchemeValue::integer(slot % 4);
            scheme.color(ColorAttr::Back, slot) = rgbValue(255, 255, slot);
            scheme.color(ColorAttr::Fore, slot) = rgbValue(0, 0, 128);
        }
        for (int slot = 0; slot <= 18; ++slot)
            scheme.image(slot) = world.path(QStringLiteral("Themes/Studio/pic%1.gif").arg(slot));
        scheme.image(1).clear(); // a theme that sets no banner picture

        clientArea->setAutoFillBackground(true);
        QPalette palette = clientArea->palette();
        palette.setColor(QPalette::Window, Qt::white);
        clientArea->setPalette(palette);
        window.setCentralWidget(clientArea);
        window.resize(700, 500);
        window.show();
        cdbMain.printer().setOutputFileName(pdf);
    }

    void print(int copies) {
        cdbMain.answerPrinter(copies);
        QtPrinter printer(cdbMain.printer());
        printScheme(*clientArea, cdbMain, printer, scheme, testFileInformation(), audit());
    }

    // The contrast table's audit: on the plain page, which is enough for the print path.
    ContrastAudit audit() const { return auditScheme(scheme, PlainBackdrops(), ContrastLevel::AA); }

    // The text of the pages before the last one (the last copy's picture).
    QString reportText() const {
        QString text;
        for (int page = 1; page < pageCount(pdf); ++page)
            text += pageText(pdf, page);
        return text;
    }

    // The lines the report prints, as the PDF's text shows them.
    QStringList expectedLines() const {
        QStringList lines;
        for (const ReportLine& line :
             reportLines(scheme, testFileInformation()) + contrastReportLines(audit())) {
            if (!line.text.trimmed().isEmpty())
                lines.append(line.text.simplified());
        }
        return lines;
    }
};
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
        PrintRun run;
        run.print(copies);

        QVERIFY2(run.world.prompt.messages.isEmpty(),
                 qPrintable(run.world.prompt.messages.join('\n')));
        const int pages = pageCount(run.pdf);
        QCOMPARE(pages % copies, 0);
        const int perCopy = pages / copies;
        QVERIFY(perCopy >= 2);
        QList<int> expectedPictures;
        for (int copy = 1; copy <= copies; ++copy)
            expectedPictures.append(copy * perCopy);
        QCOMPARE(picturePages(run.pdf), expectedPictures);
        for (int copy = 0; copy < copies; ++copy) {
            QString report;
            for (int page = copy * perCopy + 1; page < (copy + 1) * perCopy; ++page)
                report += pageText(run.pdf, page);
            QCOMPARE(textLines(report), run.expectedLines());
            QVERIFY(textLines(pageText(run.pdf, (copy + 1) * perCopy)).isEmpty());
        }
    }

    void reportLinesReadAsTheSchemeSays() {
        PrintRun run;
        run.print(1);

        const QString text = pageText(run.pdf, 1);
        const QStringList lines = textLines(text);
        const QStringList head{QStringLiteral("FILE INFORMATION"),
                               QStringLiteral("Application Name: Tintora"),
                               QStringLiteral("Program Version: 0001.0000.0000"),
                               QStringLiteral("Program Author: tester"),
                               QStringLiteral("Theme: Studio"),
                               QStringLiteral("BACKGROUND")};
        QCOMPARE(lines.mid(0, head.size()), head);
        const qsizetype banner = lines.indexOf(QStringLiteral("BANNER"));
        QVERIFY(banner > 0);
        const QStringList bannerLines{
            QStringLiteral("Image:"), QStringLiteral("Font: Times new roman"),
            QStringLiteral("FontSize: 10"), QStringLiteral("FontStyle: 0"),
            QStringLiteral("BackColor: 65535")};
        QCOMPARE(lines.mid(banner + 1, bannerLines.size()), bannerLines);

        // Attribute lines are indented; each section end leaves two empty lines.
        const QStringList raw = text.split(QLatin1Char('\n'));
        const qsizetype theme =
            raw.indexOf(QRegularExpression(QStringLiteral("^\\s+Theme: Studio$")));
        QVERIFY(theme > 0);
        QCOMPARE(raw.mid(theme + 1, 3),
                 (QStringList{QString(), QString(), QStringLiteral("BACKGROUND")}));
    }

    // The picture is the client area as laid out, editor and preview side by side; the
    // window is neither maximised nor moved for it, whatever its state.
    void pictureShowsTheClientAreaAsLaidOut_data() {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("normal") << false;
        QTest::newRow("maximised") << true;
    }
    void pictureShowsTheClientAreaAsLaidOut() {
        QFETCH(bool, maximised);
        PrintRun run;
        if (maximised)
            run.window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&run.window));
        QTRY_COMPARE(run.window.isMaximized(), maximised);
        const QRect geometry = run.window.geometry();
        const QPoint designPosition = run.picDisplay->pos();
        QCOMPARE(designPosition.x(), twipsToPixels(4560));
        run.print(1);

        QCOMPARE(run.window.isMaximized(), maximised);
        QCOMPARE(run.window.geometry(), geometry);
        QCOMPARE(run.picDisplay->pos(), designPosition);
        const QList<int> pictures = picturePages(run.pdf);
        QCOMPARE(pictures.size(), 1);
        const QImage picture = pictureOfPage(run.pdf, pictures.front(), run.world.dir.path());
        QCOMPARE(picture.size(), run.clientArea->size());
        // White client area on the left, the grey preview at its design left.
        QCOMPARE(QColor(picture.pixel(3, 3)), QColor(Qt::white));
        QCOMPARE(QColor(picture.pixel(designPosition.x() + 3, 3)), QColor(128, 128, 128));
        QCOMPARE(QColor(picture.pixel(designPosition.x() - 3, 3)), QColor(Qt::white));
    }

    void cancelPrintsNothingAndSaysNothing() {
        PrintRun run;
        const QPoint designPosition = run.picDisplay->pos();
        run.cdbMain.answerCancel(ScriptedDialogs::Kind::Printer);
        QtPrinter printer(run.cdbMain.printer());
        printScheme(*run.clientArea, run.cdbMain, printer, run.scheme, testFileInformation(),
                    run.audit());

        QCOMPARE(run.cdbMain.calls.size(), 1);
        QVERIFY(run.world.prompt.messages.isEmpty());
        QVERIFY(run.world.prompt.informed.isEmpty());
        QVERIFY(!QFileInfo::exists(run.pdf));
        QVERIFY(!run.window.isMaximized());
        QCOMPARE(run.picDisplay->pos(), designPosition);
    }

    void emptyFaceNameShowsErrorAndPrintsEmptyFont() {
        PrintRun run;
        run.scheme.font(FontAttr::Face, 3) = SchemeValue::text(QString()); // HEADING2
        run.world.prompt.script({ErrorPrompt::Answer::Ignore});
        run.print(1);

        QCOMPARE(run.world.prompt.messages.size(), 1);
        QVERIFY(run.world.prompt.messages.front().contains(QStringLiteral("Err#5 - ")));
        const QStringList lines = textLines(run.reportText());
        const qsizetype heading2 = lines.indexOf(QStringLiteral("HEADING2"));
        QVERIFY(heading2 > 0);
        QCOMPARE(lines.mid(heading2 + 1, 2),
                 (QStringList{QStringLiteral("Font:"), QStringLiteral("FontSize: 13")}));
        QCOMPARE(lines.count(QStringLiteral("Font: Times new roman")), 12);
    }

    // On a small page the report runs over many pages and its long lines wrap;
    // nothing is lost, repeated or reordered on the way.
    void longReportContinuesOnNextPages() {
        PrintRun run;
        run.scheme.image(0) =
            run.world.path(QString(120, QLatin1Char('b')) + QStringLiteral(".gif"));
        QPrinter& device = run.cdbMain.printer();
        device.setPageSize(QPageSize(QSizeF(90, 110), QPageSize::Millimeter,
                                     QStringLiteral("small"), QPageSize::ExactMatch));
        device.setPageMargins(QMarginsF(0, 0, 0, 0));
        run.print(1);

        QVERIFY(run.world.prompt.messages.isEmpty());
        const int pages = pageCount(run.pdf);
        QVERIFY2(pages > 6, qPrintable(QString::number(pages)));
        QCOMPARE(picturePages(run.pdf), QList<int>{pages});
        for (int page = 1; page < pages; ++page)
            QVERIFY2(!textLines(pageText(run.pdf, page)).isEmpty(),
                     qPrintable(QString::number(page)));
        QCOMPARE(withoutBlanks(run.reportText()),
                 withoutBlanks(run.expectedLines().join(QString())));
    }

    // A section, and the contrast table, is kept on one page: every page after the
    // first starts with a section's title, and no page holds a lone line.
    void sectionsAreKeptOnOnePage() {
        PrintRun run;
        run.print(1);
        QVERIFY(run.world.prompt.messages.isEmpty());
        QStringList titles;
        QStringList table;
        const QList<ReportLine> contrastLines = contrastReportLines(run.audit());
        for (const ReportLine& line :
             reportLines(run.scheme, testFileInformation()) + contrastLines)
            if (line.kind == ReportLine::Kind::SectionTitle)
                titles.append(line.text.simplified());
        for (const ReportLine& line : contrastLines)
            if (!line.text.trimmed().isEmpty())
                table.append(line.text.simplified());
        const int pages = pageCount(run.pdf);
        QVERIFY2(pages > 3, qPrintable(QString::number(pages)));
        for (int page = 1; page < pages; ++page) {
            const QStringList lines = textLines(pageText(run.pdf, page));
            QVERIFY2(lines.size() > 1, qPrintable(QString::number(page)));
            QVERIFY2(titles.contains(lines.first()), qPrintable(lines.first()));
            if (lines.contains(table.first()))
                QCOMPARE(lines.mid(lines.indexOf(table.first())), table);
        }
    }

    // A printer that cannot start is reported once per document, and the window is
    // left as it was.
    void printerThatCannotStartIsReportedOncePerDocument() {
        PrintRun run;
        const QPoint designPosition = run.picDisplay->pos();
        run.pdf = run.world.path(QStringLiteral("missing/report.pdf"));
        run.cdbMain.printer().setOutputFileName(run.pdf);
        run.print(2);

        QCOMPARE(run.world.prompt.messages.size(), 4);
        for (const QString& message : run.world.prompt.messages) {
            QVERIFY(message.contains(QStringLiteral("Err#57 - Device I/O error")));
            QVERIFY(message.contains(QStringLiteral("|frmMain.mnuFilePrint_Click\r")));
        }
        QVERIFY(!QFileInfo::exists(run.pdf));
        QVERIFY(!run.window.isMaximized());
        QCOMPARE(run.picDisplay->pos(), designPosition);
    }

    // A PDF file cut off by a full disk is told from a complete one.
    void cutOffPdfFileIsNoticed() {
        PrintRun run;
        run.print(1);
        QVERIFY(pdfFileComplete(run.pdf));
        const QByteArray whole = readFile(run.pdf);
        const QString cut = run.world.path(QStringLiteral("cut.pdf"));
        writeFile(cut, whole.left(whole.size() - 200));
        QVERIFY(!pdfFileComplete(cut));
        writeFile(cut, QByteArray());
        QVERIFY(!pdfFileComplete(cut));
    }

    // The contrast table is printed at the level View > Contrast Level chose.
    void mainWindowPrintsContrastAtChosenLevel() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        frmMain& window = w.main;
        ScriptedDialogs& cdbMain = *w.dialogs;
        const QString pdf = world.path(QStringLiteral("aaa.pdf"));
        cdbMain.printer().setOutputFileName(pdf);
        cdbMain.answerPrinter(1);

        control<QAction>(window, "mnuViewLevelAAA")->trigger();
        control<QAction>(window, "mnuFilePrint")->trigger();

        QVERIFY2(world.prompt.messages.isEmpty(), qPrintable(world.prompt.messages.join('\n')));
        QString report;
        for (int page = 1; page < pageCount(pdf); ++page)
            report += pageText(pdf, page);
        const QStringList lines = textLines(report);
        QVERIFY(lines.contains(QStringLiteral("CONTRAST AAA")));
        QVERIFY(!lines.contains(QStringLiteral("CONTRAST AA")));
    }

    // A scheme with variants prints each variant's colours and contrast table after
    // the Light ones, whichever variant the window shows.
    void mainWindowPrintsEveryVariant() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString pdf = world.path(QStringLiteral("variants.pdf"));
        w.dialogs->printer().setOutputFileName(pdf);
        w.dialogs->answerPrinter(1);
        w.command("mnuEditMakeDarkVariant")->trigger();
        w.command("mnuEditMakeContrastVariant")->trigger();
        QTest::keySequence(&w.main, QKeySequence(QStringLiteral("Ctrl+2")));

        w.command("mnuFilePrint")->trigger();
        QString report;
        for (int page = 1; page < pageCount(pdf); ++page)
            report += pageText(pdf, page);
        const QStringList lines = textLines(report);
        const auto at = [&](const char* title) {
            return lines.indexOf(QString::fromLatin1(title));
        };
        QVERIFY(at("BODY") < at("DARK BODY"));
        QVERIFY(at("DARK BODY") < at("CONTRAST BODY"));
        QVERIFY(at("CONTRAST BODY") < at("CONTRAST AA"));
        QVERIFY(at("CONTRAST AA") < at("CONTRAST AA (DARK)"));
        QVERIFY(at("CONTRAST AA (DARK)") < at("CONTRAST AAA (HIGH CONTRAST)"));
        const auto bodyLine = [&](int from) {
            for (int i = from; i < lines.size(); ++i)
                if (lines[i].startsWith(QStringLiteral("BODY ")))
                    return lines[i];
            return QString();
        };
        const ColorScheme& scheme = w.scheme();
        const int body = themeElement(Element::BODY).colorSlot;
        QVERIFY(bodyLine(at("CONTRAST AA"))
                    .contains(colorHex(scheme.SchemeColors[ColorAttr::Fore][body])));
        QVERIFY(bodyLine(at("CONTRAST AA (DARK)"))
                    .contains(colorHex((*scheme.DarkColors)[ColorAttr::Fore][body])));
        QVERIFY(bodyLine(at("CONTRAST AAA (HIGH CONTRAST)"))
                    .contains(colorHex((*scheme.ContrastColors)[ColorAttr::Fore][body])));
    }

    // With a simulation in force the picture is printed simulated, and its page says so
    // under it; without one the picture stands alone.
    void simulatedPictureIsLabelled_data() {
        QTest::addColumn<QString>("simulation");
        QTest::addColumn<QString>("caption");
        QTest::newRow("deuteranopia")
            << "mnuViewSimulateDeuteranopia"
            << "Simulating deuteranopia: this picture shows the window as a person with that "
               "colour vision sees it. The report gives the real colours.";
        QTest::newRow("normal") << "mnuViewSimulateNormal" << QString();
    }
    void simulatedPictureIsLabelled() {
        QFETCH(QString, simulation);
        QFETCH(QString, caption);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const QString pdf = world.path(QStringLiteral("simulated.pdf"));
        w.dialogs->printer().setOutputFileName(pdf);
        w.dialogs->answerPrinter(1);
        control<QAction>(w.main, simulation.toLatin1().constData())->trigger();
        control<QAction>(w.main, "mnuFilePrint")->trigger();

        const int pages = pageCount(pdf);
        QCOMPARE(picturePages(pdf), QList<int>{pages});
        QCOMPARE(textLines(pageText(pdf, pages)).join(QLatin1Char(' ')), caption);
    }

    // The File menu's Print in the main window, on the bundled Default theme.
    void mainWindowPrintsReportAndPicture() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        frmMain& window = w.main;
        ScriptedDialogs& cdbMain = *w.dialogs;
        const QSize size = window.size();
        const QString pdf = world.path(QStringLiteral("main.pdf"));
        cdbMain.printer().setOutputFileName(pdf);
        cdbMain.answerPrinter(1);

        control<QAction>(window, "mnuFilePrint")->trigger();

        QVERIFY2(world.prompt.messages.isEmpty(), qPrintable(world.prompt.messages.join('\n')));
        const int pages = pageCount(pdf);
        QCOMPARE(picturePages(pdf), QList<int>{pages});
        QString report;
        for (int page = 1; page < pages; ++page)
            report += pageText(pdf, page);
        const QStringList lines = textLines(report);
        QCOMPARE(lines.value(1), QStringLiteral("Application Name: Tintora"));
        QVERIFY(lines.contains(QStringLiteral("Theme: ") + window.scheme().ThemeName));
        auto* picDisplay = control<PreviewPage>(window, "picDisplay");
        // The report ends with the contrast table over what the preview draws: the
        // banner text over its picture.
        QStringList table;
        for (const ReportLine& line : contrastReportLines(
                 auditScheme(window.scheme(), PreviewBackdrops(*picDisplay), ContrastLevel::AA)))
            if (!line.text.trimmed().isEmpty())
                table.append(line.text.simplified());
        QCOMPARE(lines.mid(lines.size() - table.size()), table);
        QCOMPARE(table.value(0), QStringLiteral("CONTRAST AA"));
        QVERIFY2(table.value(2).startsWith(QStringLiteral("BANNER #E85D3F #323B51 ")) &&
                     table.value(2).contains(QStringLiteral("PASS (picture, lowest ")),
                 qPrintable(table.value(2)));
        QCOMPARE(picDisplay->x(), twipsToPixels(EditorPanel::RightEdge));
        QVERIFY(!window.isMaximized());
        QCOMPARE(window.size(), size);
        // The whole of the editor and the preview, not a maximised window.
        const QImage picture = pictureOfPage(pdf, pages, world.dir.path());
        QVERIFY(picture.width() >= picDisplay->x() + picDisplay->width());
        QVERIFY(picture.height() >= picDisplay->height());
        // The page's own colour at the preview's left, give or take the PDF's rounding.
        const QColor page = picDisplay->palette().color(QPalette::Window);
        const QColor printed(picture.pixel(picDisplay->x() + 3, 3));
        QVERIFY(qAbs(printed.red() - page.red()) <= 2 &&
                qAbs(printed.green() - page.green()) <= 2 &&
                qAbs(printed.blue() - page.blue()) <= 2);
    }
};

QTEST_MAIN(TestPrint)
#include "test_print.moc"
