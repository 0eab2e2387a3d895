#include "PreviewFixture.h"
#include "support/Controls.h"
#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"
#include "support/UnusualFiles.h"

#include "contrast/AuditFormat.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/VisionEffect.h"
#include "ui/window/frmMain.h"
#include "widgets/WindowUtil.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

using Run = ProgramRun;

Run render(const QString& workDir, const QStringList& args) {
    return runProgram(QStringLiteral(TINTORA_CLI_PATH), workDir,
                      QStringList{QStringLiteral("render")} + args);
}

Run audit(const QString& workDir, const QStringList& args) {
    return runProgram(QStringLiteral(TINTORA_CLI_PATH), workDir,
                      QStringList{QStringLiteral("audit")} + args);
}

// The Default theme as render draws it with the background picture and opaque labels.
QImage renderedDefault(const TestWorld& world) {
    const QString out = world.path(QStringLiteral("studio.png"));
    const Run run = render(world.dir.path(),
                           {QStringLiteral("--data-dir"), world.dir.path(),
                            QStringLiteral("--show-background"), QStringLiteral("--opaque-labels"),
                            QStringLiteral("-o"), out, QStringLiteral("Default")});
    if (run.status != 0)
        qWarning("render failed: %s", run.err.constData());
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

// Writes a scheme file as Save does.
void save(const ColorScheme& scheme, const QString& path) {
    Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
    QVERIFY(writeSchemeFile(proc, scheme, testFileInformation(), path));
}

ColorScheme open(const QString& path) {
    ColorScheme opened;
    opened.fillFontSizeTable();
    Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
    if (!readSchemeFile(proc, opened, path).complete)
        qWarning("the scheme file was not read completely");
    return opened;
}

// A page without pictures: black text on white, and the body text in `body`.
ColorScheme plainPage(const QString& folder, qint32 body) {
    PreviewFixture theme(folder);
    for (int slot = 0; slot <= 18; ++slot)
        theme.scheme.image(slot).clear();
    theme.scheme.pageBackground() = rgbValue(255, 255, 255);
    for (int slot = 0; slot <= 12; ++slot)
        theme.scheme.color(ColorAttr::Fore, slot) = 0;
    theme.scheme.color(ColorAttr::Fore, 1) = body;
    return theme.scheme;
}

// A theme with pictures and fonts well beyond the design sizes.
void makeLarge(PreviewFixture& theme) {
    theme.replacePicture(Element::BANNER, {760, 120}, QColor(30, 60, 140));
    theme.replacePicture(Element::BTNHOMENORM, {180, 40}, QColor(200, 120, 20));
    theme.replacePicture(Element::VIRTNAVBTNPUSH, {240, 48}, QColor(20, 140, 60));
    theme.setFont(Element::BANNER, QStringLiteral("Times New Roman"), 48, 3);
    theme.setFont(Element::HEADING1, QStringLiteral("Arial"), 36, 2);
    theme.setFont(Element::HEADING4, QStringLiteral("Courier New"), 30, 1);
    theme.setFont(Element::NAVBUTTONS, QStringLiteral("Arial"), 18, 2);
    theme.setFont(Element::BODY, QStringLiteral("Arial"), 20, 0);
}

} // namespace

class TestPreviewRender : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    void renderEqualsTheWindowsPage_data() {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QStringList>("flags");
        QTest::newRow("design sizes") << false << QStringList{};
        QTest::newRow("both options")
            << false
            << QStringList{QStringLiteral("--show-background"), QStringLiteral("--opaque-labels")};
        QTest::newRow("large pictures and fonts")
            << true << QStringList{QStringLiteral("--opaque-labels")};
    }
    void renderEqualsTheWindowsPage() {
        QFETCH(bool, large);
        QFETCH(QStringList, flags);
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Render")));
        if (large)
            makeLarge(theme);
        const QString schemePath = world.path(QStringLiteral("render.tna"));
        {
            Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
            QVERIFY(writeSchemeFile(proc, theme.scheme, testFileInformation(), schemePath));
        }

        const QString out = world.path(QStringLiteral("out.png"));
        const Run run =
            render(world.dir.path(),
                   QStringList{QStringLiteral("--data-dir"), world.dir.path(),
                               QStringLiteral("--from"), schemePath, QStringLiteral("-o"), out} +
                       flags);
        QVERIFY2(run.status == 0, run.err.constData());

        // The window's page, given the scheme as Open reads it and the same options.
        ColorScheme opened;
        opened.fillFontSizeTable();
        {
            Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
            QVERIFY(readSchemeFile(proc, opened, schemePath).complete);
        }
        QWidget window;
        auto* page = new PreviewPage(&window);
        page->setBackgroundPictureVisible(flags.contains(QStringLiteral("--show-background")));
        page->setOverPictureLabelsTransparent(!flags.contains(QStringLiteral("--opaque-labels")));
        page->DisplayRefresh(opened);
        QVERIFY(world.prompt.messages.isEmpty());

        const QImage expected = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage rendered = QImage(out).convertToFormat(QImage::Format_RGB32);
        if (const QByteArray keep = qgetenv("TINTORA_RENDER_KEEP"); !keep.isEmpty())
            rendered.save(QString::fromLocal8Bit(keep) + QLatin1Char('/') +
                          QString::fromLatin1(QTest::currentDataTag())
                              .replace(QLatin1Char(' '), QLatin1Char('-')) +
                          QStringLiteral(".png"));
        QCOMPARE(rendered.size(), page->size());
        QVERIFY(rendered == expected);
        // The banner picture is drawn where the layout put it (its top rows lie
        // above the banner label).
        const PreviewItem* bannerPicture = item(*page, "imgWebImage", 0);
        const QRect banner = bannerPicture->geometry();
        QCOMPARE(rendered.pixelColor(banner.topLeft() + QPoint(3, 1)),
                 bannerPicture->pixmap().toImage().pixelColor(3, 1));
    }

    void renderEqualsTheMainWindowsPreview() {
        TestWorld world;
        world.setUpGlobals();
        QVERIFY(copyStudioTheme(world.path(QStringLiteral("Themes"))));

        frmMain window;
        window.themes().mnuThemesItem_Click(0);
        control<QCheckBox>(window, "Check1")->click();
        control<QCheckBox>(window, "chkTransLabels")->click();
        QVERIFY2(world.prompt.messages.isEmpty(), qPrintable(world.prompt.messages.value(0)));
        const QImage shown = control<QWidget>(window, "picDisplay")
                                 ->grab()
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(renderedDefault(world), shown);
    }

    // Resizing, maximising and zooming the window change where and how large the
    // preview shows, never its drawing: back at 100 % the window shows what render
    // writes, pixel for pixel.
    void resizeAndZoomKeepTheDrawing() {
        TestWorld world;
        world.setUpGlobals();
        QVERIFY(copyStudioTheme(world.path(QStringLiteral("Themes"))));
        frmMain window;
        window.showWithDefaultTheme();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        control<QCheckBox>(window, "Check1")->click();
        control<QCheckBox>(window, "chkTransLabels")->click();
        const QImage rendered = renderedDefault(world);
        auto* pointer = control<QWidget>(window, "previewPointer");
        auto* clientArea = control<QWidget>(window, "clientArea");
        const auto shownAtActualSize = [&] {
            // What the window shows where the preview is, outlines and all.
            return clientArea->grab(pointer->geometry())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(shownAtActualSize(), rendered);

        control<QAction>(window, "mnuViewZoomIn")->trigger();
        control<QAction>(window, "mnuViewZoomIn")->trigger();
        QVERIFY(pointer->width() > rendered.width());
        window.resize(700, 500);
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        control<QAction>(window, "mnuViewActualSize")->trigger();
        QCOMPARE(pointer->size(), rendered.size());
        QCOMPARE(shownAtActualSize(), rendered);
        window.showNormal();
        QTRY_VERIFY(!window.isMaximized());
        QCOMPARE(shownAtActualSize(), rendered);
        QVERIFY2(world.prompt.messages.isEmpty(), qPrintable(world.prompt.messages.value(0)));
    }

    // render --simulate draws the window's page as the deficiency shows it.
    void renderSimulated_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("deficiency");
        QTest::newRow("normal") << "normal" << int(Deficiency::Normal);
        QTest::newRow("protanopia") << "protanopia" << int(Deficiency::Protanopia);
        QTest::newRow("deuteranopia") << "deuteranopia" << int(Deficiency::Deuteranopia);
        QTest::newRow("tritanopia") << "tritanopia" << int(Deficiency::Tritanopia);
        QTest::newRow("achromatopsia") << "ACHROMATOPSIA" << int(Deficiency::Achromatopsia);
    }
    void renderSimulated() {
        QFETCH(QString, kind);
        QFETCH(int, deficiency);
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Seen")));
        theme.replacePicture(Element::BANNER, {600, 64}, QColor(255, 0, 0));
        const QString schemePath = world.path(QStringLiteral("seen.tna"));
        save(theme.scheme, schemePath);
        const QString out = world.path(QStringLiteral("seen.png"));
        const Run run =
            render(world.dir.path(),
                   {QStringLiteral("--from"), schemePath, QStringLiteral("--show-background"),
                    QStringLiteral("--simulate"), kind, QStringLiteral("-o"), out});
        QVERIFY2(run.status == 0, run.err.constData());

        QWidget window;
        auto* page = new PreviewPage(&window);
        page->setBackgroundPictureVisible(true);
        page->DisplayRefresh(open(schemePath));
        QImage expected = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
        simulateImage(expected, Deficiency(deficiency));
        const QImage rendered = QImage(out).convertToFormat(QImage::Format_RGB32);
        QVERIFY(rendered == expected);
        const QPoint inBanner = item(*page, "imgWebImage", 0)->geometry().topLeft() + QPoint(9, 2);
        QCOMPARE(valueFromColor(rendered.pixelColor(inBanner)),
                 simulateColor(rgbValue(255, 0, 0), Deficiency(deficiency)));
    }

    // audit prints the checks over what the page draws, as the window's page gives
    // them, with both options.
    void auditReadsTheDrawnPage() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Audit")));
        theme.replacePicture(Element::BANNER, {600, 64}, QColor(0x2B, 0x33, 0x48));
        theme.scheme.color(ColorAttr::Fore, 0) = rgbValue(255, 255, 255);
        const QString schemePath = world.path(QStringLiteral("audit.tna"));
        save(theme.scheme, schemePath);
        for (const bool options : {false, true}) {
            QStringList args{QStringLiteral("--from"), schemePath};
            if (options)
                args << QStringLiteral("--show-background") << QStringLiteral("--opaque-labels");
            const Run run = audit(world.dir.path(), args);
            QVERIFY2(run.status == 0 || run.status == 3, run.err.constData());

            QWidget window;
            auto* page = new PreviewPage(&window);
            page->setBackgroundPictureVisible(options);
            page->setOverPictureLabelsTransparent(!options);
            const ColorScheme opened = open(schemePath);
            page->DisplayRefresh(opened);
            const ContrastAudit expected =
                auditScheme(opened, PreviewBackdrops(*page), ContrastLevel::AA);
            QCOMPARE(QString::fromUtf8(run.out),
                     auditText(expected).join(QLatin1Char('\n')) + QLatin1Char('\n'));
            QCOMPARE(run.status, auditExitStatus(expected));
            // Transparent, the banner text lies on its navy picture; opaque, on its own
            // colour, which is the page's.
            const QString banner = QString::fromUtf8(run.out.left(run.out.indexOf('\n')));
            QVERIFY2(banner.startsWith(options ? QStringLiteral("BANNER #FFFFFF on #FAF0E6 ")
                                               : QStringLiteral("BANNER #FFFFFF on #2B3348 ")),
                     qPrintable(banner));
            QCOMPARE(banner.contains(QStringLiteral(" lowest ")), !options);
        }
    }

    void auditStatusesAndFormats_data() {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("line");
        const QString black = QStringLiteral("#000000");
        QTest::newRow("#777777 fails AA") << "#777777" << black << QStringList{} << 3
                                          << "BODY #777777 on #FFFFFF ratio 4.48 needs 4.50 FAIL";
        QTest::newRow("#767676 passes AA") << "#767676" << black << QStringList{} << 0
                                           << "BODY #767676 on #FFFFFF ratio 4.54 needs 4.50 PASS";
        QTest::newRow("#767676 fails AAA")
            << "#767676" << black << QStringList{"--level", "aaa"} << 3
            << "BODY #767676 on #FFFFFF ratio 4.54 needs 7.00 FAIL";
        QTest::newRow("only advice fails")
            << black << "#0000EE" << QStringList{} << 0
            << "REGULARLINK #0000EE vs BODY #000000 ratio 2.23 needs 3.00 FAIL (advice)";
        QTest::newRow("json") << "#777777" << black << QStringList{"--format", "json"} << 3
                              << QString();
        QTest::newRow("unknown level")
            << "#777777" << black << QStringList{"--level", "A"} << 1 << QString();
        QTest::newRow("unknown format")
            << "#777777" << black << QStringList{"--format", "xml"} << 1 << QString();
        QTest::newRow("no output option")
            << "#777777" << black << QStringList{"-o", "x"} << 1 << QString();
        QTest::newRow("no such theme")
            << "#777777" << black << QStringList{"Nowhere"} << 1 << QString();
    }
    void auditStatusesAndFormats() {
        QFETCH(QString, body);
        QFETCH(QString, link);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, line);
        TestWorld world;
        const auto value = [](const QString& hex) {
            const uint rgb = hex.mid(1).toUInt(nullptr, 16);
            return rgbValue(int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
        };
        ColorScheme scheme = plainPage(world.path(QStringLiteral("Themes/Plain")), value(body));
        scheme.color(ColorAttr::Fore, 8) = value(link);
        const QString schemePath = world.path(QStringLiteral("plain.tna"));
        save(scheme, schemePath);
        const Run run =
            audit(world.dir.path(), QStringList{QStringLiteral("--data-dir"), world.dir.path(),
                                                QStringLiteral("--from"), schemePath} +
                                        args);
        QCOMPARE(run.status, status);
        if (status == 1) {
            QVERIFY(run.out.isEmpty());
            QVERIFY2(run.err.startsWith("tintora-cli: "), run.err.constData());
            return;
        }
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        if (!line.isEmpty()) {
            const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
            QVERIFY2(lines.contains(line), run.out.constData());
            QCOMPARE(lines.size(), 16); // twelve rows, three links, the last line end
            return;
        }
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(run.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(root.value(u"level").toString(), QStringLiteral("AA"));
        const QJsonArray checks = root.value(u"checks").toArray();
        QCOMPARE(checks.size(), 15);
        const QJsonObject bodyCheck = checks[1].toObject();
        QCOMPARE(bodyCheck.value(u"section").toString(), QStringLiteral("BODY"));
        QCOMPARE(bodyCheck.value(u"ratio").toDouble(), 4.48);
        QCOMPARE(bodyCheck.value(u"required").toDouble(), 4.5);
        QCOMPARE(bodyCheck.value(u"pass").toBool(), false);
        QCOMPARE(checks[12].toObject().value(u"advice").toBool(), true);
    }

    void auditOfAThemeWithMissingPictures() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Gaps")));
        QFile::remove(theme.picturePath(Element::BTNUPNORM));
        const QString schemePath = world.path(QStringLiteral("gaps.tna"));
        save(theme.scheme, schemePath);
        const Run run = audit(world.dir.path(), {QStringLiteral("--from"), schemePath});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains(theme.picturePath(Element::BTNUPNORM).toUtf8()));
        // The checks are printed all the same.
        QVERIFY(run.out.startsWith("BANNER "));
        QVERIFY(run.out.count('\n') >= 15);
    }

    void missingPicturesAndBadUsage() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Gaps")));
        QFile::remove(theme.picturePath(Element::HORIZRULE));
        const QString schemePath = world.path(QStringLiteral("gaps.tna"));
        {
            Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
            QVERIFY(writeSchemeFile(proc, theme.scheme, testFileInformation(), schemePath));
        }
        const QString out = world.path(QStringLiteral("gaps.png"));
        Run run = render(world.dir.path(),
                         {QStringLiteral("--from"), schemePath, QStringLiteral("-o"), out});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains("This theme didn't load correctly"));
        QVERIFY(run.err.contains(theme.picturePath(Element::HORIZRULE).toUtf8()));
        QVERIFY(!QImage(out).isNull());

        run = render(world.dir.path(), {QStringLiteral("--from"), schemePath});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("-o"));

        run = render(world.dir.path(),
                     {QStringLiteral("--from"), schemePath, QStringLiteral("--simulate"),
                      QStringLiteral("protan"), QStringLiteral("-o"), out});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("--simulate takes normal, protanopia"));

        // A folder is made where one is missing, never where a file stands.
        writeFile(world.path(QStringLiteral("no")), "a file");
        run = render(world.dir.path(), {QStringLiteral("--from"), schemePath, QStringLiteral("-o"),
                                        world.path(QStringLiteral("no/such/folder/x.png"))});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains("x.png: Path not found (error 76)"), run.err.constData());
    }

    // The picture is written as a scheme file is saved: a pipe or device in place
    // (never replaced by an ordinary file), a write error reported as one.
    void pictureToPipeOrDevice_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("full device") << "full";
    }
    void pictureToPipeOrDevice() {
        QFETCH(QString, kind);
        TestWorld world;
        world.setUpGlobals();
        PreviewFixture theme(world.path(QStringLiteral("Themes/Odd")));
        const QString schemePath = world.path(QStringLiteral("odd.tna"));
        {
            Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
            QVERIFY(writeSchemeFile(proc, theme.scheme, testFileInformation(), schemePath));
        }
        const QString out = world.path(QStringLiteral("out.png"));
        if (kind == QLatin1String("pipe"))
            QVERIFY(makePipe(out));
        else if (!makeFullDevice(out))
            QSKIP("device nodes cannot be made here");
        // A reader that never blocks, so the picture can be written while it drains.
        const int fd = kind == QLatin1String("pipe")
                           ? ::open(QFile::encodeName(out).constData(), O_RDONLY | O_NONBLOCK)
                           : -1;
        QProcess process;
        startProgram(process, QStringLiteral(TINTORA_CLI_PATH), world.dir.path(),
                     {QStringLiteral("render"), QStringLiteral("--from"), schemePath,
                      QStringLiteral("-o"), out});
        QByteArray received;
        char buffer[4096];
        for (;;) {
            const bool finished = process.waitForFinished(20);
            if (fd >= 0)
                for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
                    received.append(buffer, got);
            if (finished || process.state() == QProcess::NotRunning)
                break;
        }
        if (fd >= 0)
            ::close(fd);
        const QByteArray err = process.readAllStandardError();
        QVERIFY2(QFileInfo::exists(out) && !QFileInfo(out).isFile(), "the output was replaced");
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(process.exitCode(), 0);
            QVERIFY(!QImage::fromData(received, "PNG").isNull());
        } else {
            QCOMPARE(process.exitCode(), 1);
            QVERIFY2(err.contains("out.png: Disk full (error 61)"), err.constData());
        }
    }
};

QTEST_MAIN(TestPreviewRender)
#include "test_preview_render.moc"
