#include "PreviewFixture.h"
#include "support/Controls.h"
#include "support/SpecialFiles.h"
#include "support/TestSupport.h"

#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "ui/EditorPanel.h"
#include "ui/PreviewItem.h"
#include "ui/PreviewPage.h"
#include "ui/frmMain.h"
#include "widgets/WindowUtil.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
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
        const QDir studio(qEnvironmentVariable("TINTORA_SOURCE_DIR") +
                          QStringLiteral("/data/Themes/Studio"));
        QDir().mkpath(world.path(QStringLiteral("Themes/Studio")));
        for (const QString& file : studio.entryList(QDir::Files))
            QVERIFY(QFile::copy(studio.filePath(file),
                                world.path(QStringLiteral("Themes/Studio/") + file)));

        frmMain window;
        window.mnuThemesItem_Click(0);
        control<QCheckBox>(window, "Check1")->click();
        control<QCheckBox>(window, "chkTransLabels")->click();
        QVERIFY2(world.prompt.messages.isEmpty(), qPrintable(world.prompt.messages.value(0)));
        const QImage shown = control<QWidget>(window, "picDisplay")
                                 ->grab()
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);

        const QString out = world.path(QStringLiteral("studio.png"));
        const Run run =
            render(world.dir.path(),
                   {QStringLiteral("--data-dir"), world.dir.path(),
                    QStringLiteral("--show-background"), QStringLiteral("--opaque-labels"),
                    QStringLiteral("-o"), out, QStringLiteral("Default")});
        QVERIFY2(run.status == 0, run.err.constData());
        QVERIFY(QImage(out).convertToFormat(QImage::Format_RGB32) == shown);
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
