#include "ExportFixtures.h"
#include "export/CssExport.h"
#include "export/CssImport.h"
#include "export/ExportNames.h"
#include "export/PicturePlan.h"
#include "export/ThemeExport.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "support/ThemeFixtures.h"
#include "support/UnusualFiles.h"
#include "ui/preview/PreviewPictures.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

// What an export must never do, whatever the scheme names or the folder holds: publish
// a file that is not a picture, write outside the chosen folder, report a cut copy as
// written, wait on a pipe or copy without limit.
namespace {

bool exportCssTo(const ColorScheme& scheme, const QString& path,
                 ExistingOutput existing = ExistingOutput::Keep) {
    Procedure proc(QStringLiteral("frmMain.mnuFileExportCss_Click"));
    return exportCss(proc, scheme, path, existing, PreviewPictures::isPicture);
}

bool exportThemeTo(TestWorld& world, const ColorScheme& scheme, const QString& name) {
    Procedure proc(QStringLiteral("frmMain.mnuFileExportTheme_Click"));
    return exportTheme(proc, scheme, world.themesDir(), name, ExistingOutput::Keep,
                       PreviewPictures::isPicture);
}

// A scheme whose only picture is the banner's, at `path`.
ColorScheme bannerScheme(const QString& path) {
    ColorScheme scheme = studioScheme();
    scheme.SchemeImages.fill(QString());
    scheme.image(themeElement(Element::BANNER).imageSlot) = path;
    return scheme;
}

int modeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777)
                                                                      : -1;
}

QString studioPicture() {
    return bundledDataFolder() + QStringLiteral("/Themes/Studio/qback.gif");
}

} // namespace

class TestExportHazards : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What the banner's picture value names decides whether a copy is made, and how
    // readable it is: only a picture, found without leaving its folder through a link,
    // and never readable by more people than the source.
    void onlyPicturesAreCopied_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error"); // 0: copied
        QTest::addColumn<int>("mode");
        QTest::newRow("picture") << "picture" << 0 << 0644;
        QTest::newRow("private picture") << "private picture" << 0 << 0600;
        QTest::newRow("private text") << "private text" << Err::InvalidPicture << -1;
        QTest::newRow("link out of its folder") << "link out" << Err::PathFileAccess << -1;
        QTest::newRow("link within its folder") << "link within" << 0 << 0644;
        QTest::newRow("sparse 1 GiB") << "sparse" << Err::FileTooLarge << -1;
        QTest::newRow("pipe") << "pipe" << Err::PathFileAccess << -1;
    }
    void onlyPicturesAreCopied() {
        QFETCH(QString, kind);
        QFETCH(int, error);
        QFETCH(int, mode);
        TestWorld world;
        const mode_t oldMask = ::umask(022);
        QDir().mkpath(world.path("pics/sub"));
        QDir().mkpath(world.path("secret"));
        QDir().mkpath(world.path("site"));
        const QByteArray gif = readFile(studioPicture());
        const QString picture = world.path("pics/banner.gif");
        if (kind == QLatin1String("picture"))
            writeFile(picture, gif);
        else if (kind == QLatin1String("private picture"))
            QVERIFY(makePrivateFile(picture, gif));
        else if (kind == QLatin1String("private text"))
            QVERIFY(makePrivateFile(picture, "ssh-ed25519 AAAA secret\n"));
        else if (kind == QLatin1String("link out"))
            QVERIFY(makePrivateFile(world.path("secret/key.gif"), gif) &&
                    QFile::link(world.path("secret/key.gif"), picture));
        else if (kind == QLatin1String("link within"))
            writeFile(world.path("pics/sub/b.gif"), gif);
        else if (kind == QLatin1String("sparse"))
            QVERIFY(makeSparseFile(picture, qint64(1) << 30));
        else
            QVERIFY(makePipe(picture));
        if (kind == QLatin1String("link within"))
            QVERIFY(QFile::link(world.path("pics/sub/b.gif"), picture));

        QVERIFY(returnsAtOnce([&] { exportCssTo(bannerScheme(picture), world.path("site/a.css")); },
                              picture));
        ::umask(oldMask);
        QCOMPARE(errorNumbers(world.prompt), error ? QList<int>{error} : QList<int>{});
        QCOMPARE(modeOf(world.path("site/banner.gif")), mode);
        if (error)
            QVERIFY(world.prompt.messages.first().contains(world.path("pics/banner.gif")));
        // The theme export refuses what the style sheet's does.
        QVERIFY(exportThemeTo(world, bannerScheme(picture), QStringLiteral("Out")));
        QCOMPARE(QFileInfo::exists(world.themesDir() + "/Out/banner.gif"), error == 0);
    }

    // A downloaded bundle whose picture is a link to a private file, or lies in a
    // sub-folder that is a link to a private folder, imported and exported as a theme
    // and as a style sheet, carries no private picture along.
    void importedLinkIsNotExported_data() {
        QTest::addColumn<QString>("url");
        QTest::newRow("picture is a link") << "banner.gif";
        QTest::newRow("sub-folder is a link") << "img/banner.gif";
    }
    void importedLinkIsNotExported() {
        QFETCH(QString, url);
        TestWorld world;
        QDir().mkpath(world.path("private"));
        QDir().mkpath(world.path("bundle"));
        QDir().mkpath(world.path("site"));
        QVERIFY(makePrivateFile(world.path("private/banner.gif"), readFile(studioPicture())));
        QVERIFY(QFile::link(world.path("private/banner.gif"), world.path("bundle/banner.gif")));
        QVERIFY(QFile::link(world.path("private"), world.path("bundle/img")));
        writeFile(world.path("bundle/site.css"),
                  ":root { --tintora-banner-image: url(" + url.toUtf8() + "); }");
        Procedure proc(QStringLiteral("frmMain.mnuFileImportCss_Click"));
        const std::optional<ColorScheme> imported =
            importCss(proc, bannerScheme(QString()), world.path("bundle/site.css"));
        QVERIFY(imported);
        QVERIFY(exportThemeTo(world, *imported, QStringLiteral("Downloaded")));
        exportCssTo(*imported, world.path("site/a.css"));
        QVERIFY(!QFileInfo::exists(world.themesDir() + "/Downloaded/banner.gif"));
        QVERIFY(!QFileInfo::exists(world.path("site/banner.gif")));
        const QList<int> errors = errorNumbers(world.prompt);
        QVERIFY(!errors.isEmpty());
        QCOMPARE(errors, QList<int>(errors.size(), Err::PathFileAccess));
    }

    // An escaped line end in a CSS value is refused, and a line end a value holds for
    // any other reason never reaches the scheme file as one: saving and opening again
    // gives no attribute the scheme did not have.
    void noValueAddsLinesToASchemeFile() {
        TestWorld world;
        writeFile(world.path("a.css"),
                  ":root { --tintora-body-font: \"24\\d \\a \\9 Image: /etc/shadow\"; }");
        Procedure proc(QStringLiteral("frmMain.mnuFileImportCss_Click"));
        const ColorScheme before = studioScheme();
        const std::optional<ColorScheme> imported = importCss(proc, before, world.path("a.css"));
        QVERIFY(imported);
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::InvalidPropertyValue});
        QVERIFY(imported->SchemeFonts == before.SchemeFonts);

        ColorScheme odd = studioScheme();
        odd.font(FontAttr::Face, 0) = SchemeValue::text(QStringLiteral("24\r\n\tImage: /etc/x"));
        const QString file = world.path("odd.tna");
        QVERIFY(writeSchemeFile(proc, odd, testFileInformation(), file));
        const QByteArray bytes = readFile(file);
        QCOMPARE(bytes.count("\r\n"), schemeFileLines(odd, testFileInformation()).size());
        ColorScheme back = studioScheme();
        readSchemeFile(proc, back, file);
        QVERIFY(back.SchemeImages == odd.SchemeImages);
    }

    // A write that fails when the data reaches the disk (here the file size limit, as a
    // full disk or quota) is reported, naming the copy being written, and leaves no
    // partial file: the theme is written without the picture, and a style sheet that
    // cannot be written takes its copies with it.
    void failedWritesLeaveNothing() {
        TestWorld world;
        QDir().mkpath(world.path("site"));
        QVERIFY(makePictureFile(world.path("pics/big.png"), 64 * 1024));
        const ColorScheme big = bannerScheme(world.path("pics/big.png"));
        const ColorScheme small = bannerScheme(studioPicture());
        const qint64 sheetSize = cssStyleSheet(small, PicturePlan(small, {})).size();
        const qint64 pictureSize = QFileInfo(studioPicture()).size();
        QVERIFY(pictureSize < 8 * 1024 && sheetSize > 8 * 1024);
        {
            const FileSizeLimit limit(8 * 1024);
            QVERIFY(exportThemeTo(world, big, QStringLiteral("Cut")));
            QVERIFY(!exportCssTo(small, world.path("site/a.css")));
        }
        QCOMPARE(errorNumbers(world.prompt), (QList<int>{Err::DiskFull, Err::DiskFull}));
        QVERIFY(world.prompt.messages.first().contains(world.themesDir() + "/Cut/big.png"));
        QVERIFY(world.prompt.messages.last().contains(world.path("site/a.css")));
        QVERIFY(!entriesUnder(world.themesDir()).contains("Cut/big.png"));
        QCOMPARE(entriesUnder(world.path("site")), QSet<QString>());
        // A rerun with room to spare takes the plain name: nothing was left to avoid.
        QVERIFY(exportCssTo(small, world.path("site/a.css")));
        QVERIFY(readFile(world.path("site/a.css")).contains("url(\"qback.gif\")"));
    }

    // A link beside the sheet, even one leading nowhere, is never written through: the
    // copy takes a name of its own.
    void linksBesideTheSheetAreNotFollowed() {
        TestWorld world;
        QDir().mkpath(world.path("site"));
        QDir().mkpath(world.path("elsewhere"));
        QVERIFY(QFile::link(world.path("elsewhere/banner.gif"), world.path("site/banner.gif")));
        QVERIFY(exportCssTo(bannerScheme(studioPicture()), world.path("site/a.css")));
        QVERIFY(!QFileInfo::exists(world.path("elsewhere/banner.gif")));
        QVERIFY(readFile(world.path("site/a.css")).contains("url(\"qback.gif\")"));

        // In a folder the program fills, a link is replaced, never followed.
        writeFile(world.path("elsewhere/kept.txt"), "kept");
        QVERIFY(QFile::link(world.path("elsewhere/kept.txt"), world.path("site/out.txt")));
        saveFileBytes(world.path("site/out.txt"), "new", OutputPlace::InFolder);
        QCOMPARE(readFile(world.path("elsewhere/kept.txt")), QByteArray("kept"));
        QVERIFY(!QFileInfo(world.path("site/out.txt")).isSymLink());
    }

    // A pipe as the output is refused at once, for a file the user named as for one in
    // a folder the program fills; a character device the user named is written.
    void pipesAreRefusedAtOnce() {
        TestWorld world;
        const QString pipe = world.path("out.css");
        QVERIFY(makePipe(pipe));
        QVERIFY(returnsAtOnce([&] { exportCssTo(studioScheme(), pipe, ExistingOutput::Replace); },
                              pipe));
        QCOMPARE(errorNumbers(world.prompt), QList<int>{Err::PathFileAccess});
        QCOMPARE(entriesUnder(world.path(".")), QSet<QString>{"out.css"});
        Procedure proc(QStringLiteral("frmMain.mnuFileSaveAs_Click"));
        QVERIFY(returnsAtOnce(
            [&] { writeSchemeFile(proc, studioScheme(), testFileInformation(), pipe); }, pipe));
        QCOMPARE(errorNumbers(world.prompt),
                 (QList<int>{Err::PathFileAccess, Err::PathFileAccess}));
        saveFileBytes(QStringLiteral("/dev/null"), "x");
    }

    // A name another export takes between planning and copying is left to it: the copy
    // takes the next free name, and the plan names that one from then on.
    void namesTakenMeanwhileAreLeftAlone() {
        TestWorld world;
        QDir().mkpath(world.path("site"));
        const ColorScheme scheme = bannerScheme(studioPicture());
        PicturePlan plan(scheme, {QStringLiteral("a.css")}, world.path("site"));
        const int slot = themeElement(Element::BANNER).imageSlot;
        QCOMPARE(plan.nameFor(slot), QStringLiteral("qback.gif"));
        writeFile(world.path("site/qback.gif"), "the other export's picture");
        Procedure proc(QStringLiteral("frmMain.mnuFileExportCss_Click"));
        QVERIFY(plan.copyInto(proc, world.path("site"), PreviewPictures::isPicture));
        QCOMPARE(readFile(world.path("site/qback.gif")), QByteArray("the other export's picture"));
        QCOMPARE(plan.nameFor(slot), QStringLiteral("qback-2.gif"));
        QCOMPARE(readFile(world.path("site/qback-2.gif")), readFile(studioPicture()));
        QVERIFY(world.prompt.messages.isEmpty());
    }

    // Thousands of pictures of one name each get a name of their own, in order.
    void collidingNamesAreNumberedInOrder() {
        FreeNames names({QStringLiteral("theme.css")});
        QCOMPARE(names.free(QStringLiteral("Theme.css")), QStringLiteral("Theme-2.css"));
        QSet<QString> given;
        for (int i = 1; i <= 2000; ++i) {
            const QString name = names.free(QStringLiteral("banner.gif"));
            QCOMPARE(name, i == 1 ? QStringLiteral("banner.gif")
                                  : QStringLiteral("banner-%1.gif").arg(i));
            names.take(name);
        }
        names.take(QStringLiteral("RULE-2.gif"));
        names.take(QStringLiteral("rule.gif"));
        QCOMPARE(names.free(QStringLiteral("rule.gif")), QStringLiteral("rule-3.gif"));
    }
};

QTEST_GUILESS_MAIN(TestExportHazards)
#include "test_export_hazards.moc"
