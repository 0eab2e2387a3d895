#include "PreviewFixture.h"
#include "support/TestSupport.h"

#include "framework/Globals.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/PreviewPictures.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

QColor back(const PreviewItem* item) {
    return item->palette().color(QPalette::Window);
}

// Every control of the page with its twips geometry, for before/after comparisons.
QList<PreviewItem*> allItems(const PreviewPage& page) {
    return page.findChildren<PreviewItem*>(Qt::FindDirectChildrenOnly);
}

float bottom(const PreviewItem* item) {
    return item->Top() + item->Height();
}

// Checks that a label is centred on a picture, in the pixels it is shown at, to
// half a pixel.
void verifyCentred(const PreviewItem* label, const PreviewItem* picture) {
    const QRectF l = label->geometry();
    const QRectF p = picture->geometry();
    QVERIFY2(std::abs(l.center().y() - p.center().y()) <= 0.5 + 1e-9,
             qPrintable(label->objectName() + QStringLiteral(" vertically")));
    QVERIFY2(std::abs(l.center().x() - p.center().x()) <= 0.5 + 1e-9,
             qPrintable(label->objectName() + QStringLiteral(" horizontally")));
    QCOMPARE(label->Width(), picture->Width());
}

// A picture file of the given size that is cheap to make at any size (one bit a
// pixel), however much it would take decoded in full colour.
void writeMonoPicture(const QString& path, QSize size) {
    QImage image(size, QImage::Format_Mono);
    image.fill(1);
    QVERIFY(image.save(path, "PNG"));
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    void designState() {
        TestWorld world;
        PreviewPage page;
        QCOMPARE(page.objectName(), QStringLiteral("picDisplay"));
        QCOMPARE(page.geometry(), twipsRect(4560, 0, 9495, 11895));
        QCOMPARE(page.palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
        QVERIFY(item(page, "imgDisplayBackground")->isHidden());
        QVERIFY(item(page, "imgDisplayBackground")->hasScaledContents());
        // The background lies beneath every other control.
        QCOMPARE(allItems(page).first(), item(page, "imgDisplayBackground"));

        for (int i = 0; i < 8; ++i) {
            const PreviewItem* title = item(page, "lblDisplayItemName", i);
            QVERIFY(title->autoFillBackground());
            QCOMPARE(back(title), QColor(0xC0, 0xC0, 0xC0));
            QVERIFY(title->font().italic() && title->font().underline());
        }
        for (const PreviewItem* label :
             {item(page, "lblDisplayBanner"), item(page, "lblDisplayButton"),
              item(page, "lblQuickLinks", 3), item(page, "lblSelQuickLinks", 0),
              item(page, "lblDisplayGlobNavButtons", 2), item(page, "lblVertNavButtons", 1),
              item(page, "lblDisplayHeading", 4), item(page, "lblDisplayActLink")})
            QVERIFY2(!label->autoFillBackground(), qPrintable(label->objectName()));

        QCOMPARE(item(page, "lblDisplayBullet", 2)->geometry(), twipsRect(720, 3120, 1200, 270));
        // The design pictures are shown at their natural size until a theme is read.
        QCOMPARE(item(page, "imgWebImage", 0)->picture().size(), QSize(600, 64));
        QCOMPARE(item(page, "imgWebImage", 0)->geometry(), twipsRect(120, 480, 9000, 960));
        QCOMPARE(item(page, "imgWebImage", 14)->picture().size(), QSize(100, 22));
        QCOMPARE(item(page, "imgDisplayBackground")->picture().size(), QSize(629, 357));
        QCOMPARE(item(page, "imgWebImage", 9)->Left(), 3240.0f);
        QCOMPARE(item(page, "imgWebImage", 13)->Top(), 5760.0f);
        QCOMPARE(item(page, "lblDisplayHeading", 5)->Top(), 7680.0f);
        QCOMPARE(item(page, "lblDisplayGlobNavButtons", 1)->Left(), 1920.0f);
        QVERIFY(item(page, "lblDisplayRegLink")->font().underline());
        QVERIFY(item(page, "lblDisplayBanner")->alignment() & Qt::AlignHCenter);
        QCOMPARE(item(page, "lblDisplayBanner")->text(), QStringLiteral("Banner"));
        QCOMPARE(item(page, "lblDisplayHeading", 6)->text(), QStringLiteral("Heading 6 Style"));
        // The section titles keep their design font and fit it; the other labels keep
        // their design size until a refresh gives them their element's font.
        const PreviewItem* title = item(page, "lblDisplayItemName", 1);
        QCOMPARE(title->Width(),
                 pixelsToTwips(QFontMetrics(title->font())
                                   .horizontalAdvance(QStringLiteral("Horizontal Navigation"))));
        QCOMPARE(item(page, "lblDisplayBanner")->Width(), 1815.0f);
        QCOMPARE(item(page, "lblDisplayBanner")->Height(), 630.0f);
    }

    // Pictures no label covers, as they are drawn until a theme is read.
    void designPicturesArePainted() {
        TestWorld world;
        QWidget window;
        auto* page = new PreviewPage(&window);
        window.resize(page->size());
        const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const auto& [name, file] :
             {std::pair{"imgWebImage_3", "bullet1.gif"}, std::pair{"imgWebImage_5", "bullet3.gif"},
              std::pair{"imgWebImage_6", "rule.gif"}}) {
            const QImage design = QImage(QStringLiteral(":/placeholders/") + QLatin1String(file))
                                      .convertToFormat(QImage::Format_RGB32);
            const QRect where = item(*page, name)->geometry();
            QCOMPARE(where.size(), design.size());
            QVERIFY2(shown.copy(where) == design, name);
        }
    }

    void layoutInvariants() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Plain")));
        PreviewPage page;
        QCOMPARE(page.DisplayRefresh(theme.scheme), QStringList());
        QVERIFY(world.prompt.messages.isEmpty());

        // Pictures take their natural size; geometry is the twips rounded once.
        QCOMPARE(item(page, "imgWebImage", 0)->Width(), 9000.0f);
        QCOMPARE(item(page, "imgWebImage", 3)->Height(), 150.0f);
        for (const PreviewItem* control : allItems(page))
            QCOMPARE(control->geometry(), twipsRect(control->Left(), control->Top(),
                                                    control->Width(), control->Height()));

        const auto t = [&](int i) { return item(page, "lblDisplayItemName", i); };
        const auto img = [&](int i) { return item(page, "imgWebImage", i); };
        QCOMPARE(t(0)->Top(), 120.0f);
        QCOMPARE(img(0)->Top(), bottom(t(0)));
        QCOMPARE(t(1)->Top(), bottom(img(0)) + 120);
        QCOMPARE(img(1)->Top(), bottom(t(1)));
        QCOMPARE(img(2)->Top(), img(1)->Top());
        QCOMPARE(t(2)->Top(), bottom(img(1)) + 120);
        QCOMPARE(item(page, "lblDisplayBullet", 1)->Top(), bottom(t(2)));
        QCOMPARE(item(page, "lblDisplayBullet", 3)->Top(),
                 bottom(item(page, "lblDisplayBullet", 2)));
        for (std::size_t k = 1; k <= 3; ++k)
            QCOMPARE(img(k + 2)->Top(), item(page, "lblDisplayBullet", k)->Top());
        QCOMPARE(t(3)->Top(), bottom(item(page, "lblDisplayBullet", 3)) + 120);
        QCOMPARE(img(6)->Top(), bottom(t(3)));
        QCOMPARE(t(4)->Top(), bottom(img(6)) + 120);
        QCOMPARE(img(7)->Top(), bottom(t(4)));
        QCOMPARE(t(5)->Top(), bottom(img(7)) + 120);
        QCOMPARE(img(11)->Top(), bottom(t(5)));
        QCOMPARE(item(page, "lblDisplayHeading", 1)->Top(),
                 bottom(item(page, "lblSelQuickLinks", 0)) + 120);
        for (std::size_t k = 2; k <= 6; ++k)
            QCOMPARE(item(page, "lblDisplayHeading", k)->Top(),
                     bottom(item(page, "lblDisplayHeading", k - 1)));
        QCOMPARE(item(page, "lblDisplayRegText")->Top(),
                 bottom(item(page, "lblDisplayHeading", 6)));
        QCOMPARE(item(page, "lblDisplayRegLink")->Top(), bottom(item(page, "lblDisplayRegText")));
        QCOMPARE(item(page, "lblDisplayFollLink")->Top(), bottom(item(page, "lblDisplayRegLink")));
        QCOMPARE(item(page, "lblDisplayActLink")->Top(), bottom(item(page, "lblDisplayFollLink")));
        QCOMPARE(t(6)->Top(), bottom(item(page, "lblDisplayActLink")) + 120);
        QCOMPARE(img(15)->Top(), bottom(t(6)));
        QCOMPARE(t(7)->Top(), bottom(img(15)) + 120);
        QCOMPARE(img(18)->Top(), bottom(t(7)));
        QCOMPARE(img(19)->Top(), bottom(img(18)));
        QCOMPARE(img(19)->Left(), 120.0f);

        verifyCentred(item(page, "lblDisplayBanner"), img(0));
        verifyCentred(item(page, "lblDisplayButton"), img(1));
        verifyCentred(item(page, "lblDisplayButtonPressed"), img(2));
        for (std::size_t i = 0; i < 4; ++i) {
            verifyCentred(item(page, "lblQuickLinks", i), img(7 + i));
            verifyCentred(item(page, "lblSelQuickLinks", i), img(11 + i));
        }
        for (std::size_t i = 0; i < 3; ++i)
            verifyCentred(item(page, "lblDisplayGlobNavButtons", i), img(15 + i));
        verifyCentred(item(page, "lblVertNavButtons", 0), img(18));
        verifyCentred(item(page, "lblVertNavButtons", 1), img(19));

        QCOMPARE(page.Width(), item(page, "lblDisplayBanner")->Width() + 360);
        QCOMPARE(page.Height(), bottom(img(19)) + 240);
        QCOMPARE(page.size(), QSize(twipsToPixels(page.Width()), twipsToPixels(page.Height())));
        QCOMPARE(item(page, "imgDisplayBackground")->geometry(), QRect(QPoint(0, 0), page.size()));
        QCOMPARE(page.palette().color(QPalette::Window), QColor(250, 240, 230));
    }

    void fontsAndColoursReachTheLabels() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Fonts")));
        theme.setFont(Element::REGULARLINK, QStringLiteral("Times New Roman"), 14.5f, 1);
        theme.scheme.color(ColorAttr::Back, themeElement(Element::REGULARLINK).colorSlot) =
            rgbValue(1, 2, 3);
        theme.scheme.color(ColorAttr::Fore, themeElement(Element::REGULARLINK).colorSlot) =
            rgbValue(200, 100, 50);
        theme.scheme.font(FontAttr::Size, themeElement(Element::HEADING2).fontSlot) =
            SchemeValue::text(QStringLiteral("20"));
        const ColorScheme before = theme.scheme;
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);

        const QFont link = item(page, "lblDisplayRegLink")->font();
        QCOMPARE(link.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(link.pointSizeF(), 14.5);
        QVERIFY(link.italic() && !link.bold());
        QVERIFY2(link.underline(), "the design's underline is kept");
        QCOMPARE(back(item(page, "lblDisplayRegLink")), QColor(1, 2, 3));
        QCOMPARE(item(page, "lblDisplayRegLink")->palette().color(QPalette::WindowText),
                 QColor(200, 100, 50));
        QCOMPARE(item(page, "lblDisplayHeading", 2)->font().pointSizeF(), 20.0);
        QCOMPARE(item(page, "lblDisplayBanner")->font().pointSizeF(), 27.75);
        // Labels that size to their text follow the new font.
        const QFontMetrics metrics(link);
        QCOMPARE(item(page, "lblDisplayRegLink")->Width(),
                 pixelsToTwips(metrics.horizontalAdvance(QStringLiteral("Regular Hyperlink"))));
        QCOMPARE(item(page, "lblDisplayRegLink")->Height(), pixelsToTwips(metrics.height()));
        // Bullets keep their design size whatever the font.
        QCOMPARE(item(page, "lblDisplayBullet", 1)->Width(), 1200.0f);
        QCOMPARE(item(page, "lblDisplayBullet", 1)->Height(), 270.0f);
        QCOMPARE(theme.scheme.SchemeFonts, before.SchemeFonts);
        QCOMPARE(theme.scheme.SchemeImages, before.SchemeImages);
    }

    void badFontSizeIsReportedAndTheRestLaidOut_data() {
        QTest::addColumn<SchemeValue>("size");
        QTest::addColumn<QString>("error");
        QTest::newRow("not a number")
            << SchemeValue::text(QStringLiteral("large")) << QStringLiteral("Err#13");
        QTest::newRow("empty") << SchemeValue() << QStringLiteral("Err#13");
        QTest::newRow("zero") << SchemeValue::integer(0) << QStringLiteral("Err#380");
        QTest::newRow("negative") << SchemeValue::single(-4) << QStringLiteral("Err#380");
        QTest::newRow("beyond any page")
            << SchemeValue::integer(100000) << QStringLiteral("Err#380");
    }
    void badFontSizeIsReportedAndTheRestLaidOut() {
        QFETCH(SchemeValue, size);
        QFETCH(QString, error);
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Bad")));
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        const float pointsBefore = float(item(page, "lblDisplayHeading", 4)->font().pointSizeF());
        theme.scheme.font(FontAttr::Size, themeElement(Element::HEADING4).fontSlot) = size;
        page.DisplayRefresh(theme.scheme);
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY(world.prompt.messages[0].contains(error));
        QVERIFY(
            world.prompt.messages[0].contains(QStringLiteral("Task: Display Images: HEADINGS")));
        // Ignore skipped only the size: the label keeps its size and the rest is laid out.
        QCOMPARE(float(item(page, "lblDisplayHeading", 4)->font().pointSizeF()), pointsBefore);
        QCOMPARE(item(page, "lblDisplayItemName", 7)->Top(),
                 bottom(item(page, "imgWebImage", 15)) + 120);
    }

    void largerHeadingMovesOnlyWhatIsBelow() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Grow")));
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        const float oldHeight = item(page, "lblDisplayHeading", 3)->Height();
        const float headingTop = item(page, "lblDisplayHeading", 3)->Top();
        QHash<PreviewItem*, float> tops;
        for (PreviewItem* control : allItems(page))
            tops.insert(control, control->Top());

        theme.setFont(Element::HEADING3, QStringLiteral("Arial"), 40, 0);
        page.DisplayRefresh(theme.scheme);
        const float growth = item(page, "lblDisplayHeading", 3)->Height() - oldHeight;
        QVERIFY(growth > 300);
        const PreviewItem* background = item(page, "imgDisplayBackground");
        for (PreviewItem* control : allItems(page)) {
            if (control == background)
                continue;
            const float expected =
                tops[control] > headingTop ? tops[control] + growth : tops[control];
            QVERIFY2(control->Top() == expected, qPrintable(control->objectName()));
        }
        QCOMPARE(page.Height(), bottom(item(page, "imgWebImage", 19)) + 240);
    }

    void wideQuickLinkWidensItsLabel() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Wide")));
        theme.replacePicture(Element::BTNHOMENORM, {200, 20});
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        QCOMPARE(item(page, "imgWebImage", 8)->Width(), 3000.0f);
        QCOMPARE(item(page, "lblQuickLinks", 1)->Width(), 3000.0f);
        QCOMPARE(item(page, "lblQuickLinks", 1)->Left(), 1680.0f);
        // The next picture keeps its design Left, so the two overlap.
        QCOMPARE(item(page, "imgWebImage", 9)->Left(), 3240.0f);
        verifyCentred(item(page, "lblQuickLinks", 1), item(page, "imgWebImage", 8));
    }

    void emptyPathEmptiesTheSlotQuietly_data() {
        QTest::addColumn<int>("element");
        QTest::newRow("banner") << int(Element::BANNER);
        QTest::newRow("rule") << int(Element::HORIZRULE);
        QTest::newRow("global buttons") << int(Element::GLOBALBUTTONS);
        QTest::newRow("last vertical button") << int(Element::VIRTNAVBTNPUSH);
    }
    void emptyPathEmptiesTheSlotQuietly() {
        QFETCH(int, element);
        const auto e = static_cast<Element>(element);
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Empty")));
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        theme.scheme.image(themeElement(e).imageSlot).clear();
        QCOMPARE(page.DisplayRefresh(theme.scheme), QStringList());
        QVERIFY(world.prompt.messages.isEmpty());
        for (int i = 0; i < 20; ++i) {
            const bool emptied = PreviewPage::pictureElement(i) == e;
            QCOMPARE(item(page, "imgWebImage", i)->pixmap().isNull(), emptied);
        }
        QCOMPARE(page.Height(), bottom(item(page, "imgWebImage", 19)) + 240);
    }

    void fontStyleCodes_data() {
        QTest::addColumn<SchemeValue>("code");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        // The label is bold and italic before each row's refresh.
        QTest::newRow("0") << SchemeValue::integer(0) << false << false;
        QTest::newRow("empty") << SchemeValue() << false << false;
        QTest::newRow("1") << SchemeValue::integer(1) << false << true;
        QTest::newRow("2 as text") << SchemeValue::text(QStringLiteral("2")) << true << false;
        QTest::newRow("3") << SchemeValue::integer(3) << true << true;
        QTest::newRow("4") << SchemeValue::integer(4) << true << true;
        QTest::newRow("-1") << SchemeValue::integer(-1) << true << true;
        QTest::newRow("1.5") << SchemeValue::single(1.5f) << true << true;
        QTest::newRow("word") << SchemeValue::text(QStringLiteral("bold")) << true << true;
    }
    void fontStyleCodes() {
        QFETCH(SchemeValue, code);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Style")));
        theme.setFont(Element::BODY, QStringLiteral("Arial"), 12, 3);
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        theme.scheme.font(FontAttr::Style, themeElement(Element::BODY).fontSlot) = code;
        page.DisplayRefresh(theme.scheme);
        for (const PreviewItem* label :
             {item(page, "lblDisplayRegText"), item(page, "lblDisplayBullet", 2)}) {
            QCOMPARE(label->font().bold(), bold);
            QCOMPARE(label->font().italic(), italic);
        }
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void globalNavigationLabelsKeepTheirStyle() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Global")));
        theme.setFont(Element::GLOBALBUTTONS, QStringLiteral("Courier New"), 16, 3);
        theme.setFont(Element::NAVBUTTONS, QStringLiteral("Arial"), 12, 3);
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        for (int i = 0; i < 3; ++i) {
            const PreviewItem* label = item(page, "lblDisplayGlobNavButtons", i);
            QCOMPARE(label->font().family(), QStringLiteral("Courier New"));
            QCOMPARE(label->font().pointSizeF(), 16.0);
            QVERIFY(!label->font().bold() && !label->font().italic());
        }
        QVERIFY(item(page, "lblVertNavButtons", 0)->font().bold() &&
                item(page, "lblVertNavButtons", 0)->font().italic());
        // All three global pictures show the one picture.
        for (std::size_t i = 15; i <= 17; ++i)
            QCOMPARE(item(page, "imgWebImage", i)->pixmap().size(), QSize(95, 20));
    }

    void backgroundPicture() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Back")));
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        // Decoded no larger than the page it is stretched over.
        const QSize decoded = QSize(629, 357).boundedTo(page.size());
        QCOMPARE(item(page, "imgDisplayBackground")->pixmap().size(), decoded);

        // A missing background file keeps the picture shown, without a word.
        QString& path = theme.scheme.image(themeElement(Element::BACKGROUND).imageSlot);
        path = theme.folder + QStringLiteral("/nothing-here.gif");
        QCOMPARE(page.DisplayRefresh(theme.scheme), QStringList());
        QCOMPARE(item(page, "imgDisplayBackground")->pixmap().size(), decoded);
        QVERIFY(world.prompt.messages.isEmpty());

        // A theme without a background picture does not keep the previous one.
        path.clear();
        QCOMPARE(page.DisplayRefresh(theme.scheme), QStringList());
        QVERIFY(item(page, "imgDisplayBackground")->pixmap().isNull());
    }

    void missingPicturesAreToldOnceAfterTheLayout() {
        TestWorld world;
        world.setUpGlobals();
        PreviewFixture theme(world.path(QStringLiteral("Themes/Gaps")));
        PreviewPage page;
        QSignalSpy laidOut(&page, &PreviewPage::laidOut);
        QCOMPARE(page.DisplayRefresh(theme.scheme), QStringList());
        QCOMPARE(laidOut.count(), 1);
        QCOMPARE(item(page, "imgWebImage", 0)->pixmap().size(), QSize(600, 64));

        QFile::remove(theme.picturePath(Element::BANNER));
        QFile::remove(theme.picturePath(Element::GLOBALBUTTONS));
        writeFile(theme.picturePath(Element::BULLETLIST2), "not a picture at all");
        const QStringList missing = page.DisplayRefresh(theme.scheme);

        // The page tells what it could not show and leaves the telling to its owner.
        QCOMPARE(laidOut.count(), 2);
        QVERIFY2(world.prompt.messages.isEmpty(), "no error box for a missing picture");
        QVERIFY(world.prompt.informed.isEmpty());
        QCOMPARE(missing.size(), 3);
        QCOMPARE(missing.count(theme.picturePath(Element::BANNER)), 1);
        QCOMPARE(missing.count(theme.picturePath(Element::GLOBALBUTTONS)), 1);
        QCOMPARE(missing.filter(theme.picturePath(Element::BULLETLIST2)).size(), 1);
        const QStringList lines = missingPicturesMessage(missing).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("This theme didn't load correctly"));
        QCOMPARE(lines.value(1), QString());
        QCOMPARE(lines.mid(2), missing);
        // The slots keep the pictures they showed.
        QCOMPARE(item(page, "imgWebImage", 0)->pixmap().size(), QSize(600, 64));
        QCOMPARE(item(page, "imgWebImage", 17)->pixmap().size(), QSize(95, 20));
        QCOMPARE(item(page, "imgWebImage", 4)->pixmap().size(), QSize(8, 8));

        // Each refresh tells its own missing pictures once more.
        QCOMPARE(page.DisplayRefresh(theme.scheme), missing);
    }

    // The pictures of one theme are decoded no larger than they are drawn, and
    // together within a bound; a picture beyond it is reported as not loaded, as a
    // missing one is, and keeps what its slot showed.
    void picturesBeyondTheBoundAreNotLoaded() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Huge")));
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        // One picture alone beyond the bound; two that fit one at a time but not together.
        const QSize alone(4000, 4000);
        const QSize half(2400, 2000);
        QVERIFY(qint64(alone.width()) * alone.height() > PreviewPictures::PixelBudget);
        QVERIFY(2 * qint64(half.width()) * half.height() > PreviewPictures::PixelBudget);
        writeMonoPicture(theme.picturePath(Element::BANNER), alone);
        writeMonoPicture(theme.picturePath(Element::HORIZNAVBTNNORM), half);
        writeMonoPicture(theme.picturePath(Element::HORIZNAVBTNPUSH), half);
        const QStringList told = page.DisplayRefresh(theme.scheme);

        QVERIFY(world.prompt.messages.isEmpty());
        const QString tooLarge = QStringLiteral(" (too large to show)");
        QCOMPARE(told, (QStringList{theme.picturePath(Element::BANNER) + tooLarge,
                                    theme.picturePath(Element::HORIZNAVBTNPUSH) + tooLarge}));
        QCOMPARE(item(page, "imgWebImage", 0)->pixmap().size(), QSize(600, 64));
        QCOMPARE(item(page, "imgWebImage", 1)->pixmap().size(), half);
        QCOMPARE(item(page, "imgWebImage", 2)->pixmap().size(), QSize(141, 22));
    }

    // The background is stretched over the page: it is decoded at the page's size,
    // however large its file is, and so stays within the bound.
    void largeBackgroundIsDecodedAtThePageSize() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Wide")));
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        const QSize large(3000, 2800);
        QVERIFY(qint64(large.width()) * large.height() > PreviewPictures::PixelBudget);
        QImage image(large, QImage::Format_RGB888);
        image.fill(QColor(200, 30, 30));
        QVERIFY(image.save(theme.picturePath(Element::BACKGROUND), "PNG"));
        image = QImage();
        QCOMPARE(page.DisplayRefresh(theme.scheme), QStringList());
        const PreviewItem* background = item(page, "imgDisplayBackground");
        QCOMPARE(background->pixmap().size(), background->size());
        QCOMPARE(background->pixmap().toImage().pixelColor(10, 10), QColor(200, 30, 30));
    }

    // The background is decoded at the size the page takes with the scheme shown, not
    // the size the page had before: a page that grows or shrinks gets it sharp.
    void backgroundFollowsThePageSize() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Growing")));
        QImage image(QSize(3000, 2800), QImage::Format_RGB888);
        image.fill(QColor(30, 120, 200));
        QVERIFY(image.save(theme.picturePath(Element::BACKGROUND), "PNG"));
        image = QImage();
        PreviewPage page;
        const PreviewItem* background = item(page, "imgDisplayBackground");
        for (const QSize banner : {QSize(900, 200), QSize(400, 60)}) {
            theme.replacePicture(Element::BANNER, banner);
            const QSize before = page.size();
            QCOMPARE(page.DisplayRefresh(theme.scheme), QStringList());
            QVERIFY(page.size() != before);
            QCOMPARE(background->geometry(), QRect(QPoint(0, 0), page.size()));
            QCOMPARE(background->pixmap().size(), page.size());
        }
    }

    void pictureFilesThatLoad_data() {
        QTest::addColumn<bool>("gif");
        QTest::addColumn<QSize>("size");
        QTest::newRow("name in another case") << false << QSize(600, 6);
        QTest::newRow("GIF file") << true << QSize(1, 1);
    }
    void pictureFilesThatLoad() {
        QFETCH(bool, gif);
        QFETCH(QSize, size);
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Files")));
        QString& path = theme.scheme.image(themeElement(Element::HORIZRULE).imageSlot);
        if (gif) // a one-pixel GIF, byte for byte
            writeFile(path, QByteArray::fromHex("47494638396101000100800000ffffff00000021f904010000"
                                                "00002c00000000010001000002024401003b"));
        else
            path = theme.folder + QStringLiteral("/HorizRule.GIF");
        PreviewPage page;
        QCOMPARE(page.DisplayRefresh(theme.scheme), QStringList());
        QCOMPARE(item(page, "imgWebImage", 6)->pixmap().size(), size);
        QCOMPARE(item(page, "imgWebImage", 6)->Width(), pixelsToTwips(size.width()));
    }

    void changedFilesAreSeenAtTheNextRefresh() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Cache")));
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        QCOMPARE(item(page, "imgWebImage", 6)->Height(), 90.0f);

        theme.replacePicture(Element::HORIZRULE, {600, 12}, Qt::red);
        page.DisplayRefresh(theme.scheme);
        QCOMPARE(item(page, "imgWebImage", 6)->Height(), 180.0f);

        // The same size and a new content: the modification time tells.
        theme.replacePicture(Element::HORIZRULE, {600, 12}, Qt::blue);
        QFile file(theme.picturePath(Element::HORIZRULE));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                 QFileDevice::FileModificationTime));
        file.close();
        page.DisplayRefresh(theme.scheme);
        QCOMPARE(item(page, "imgWebImage", 6)->pixmap().toImage().pixelColor(5, 2),
                 QColor(Qt::blue));

        QFile::remove(theme.picturePath(Element::HORIZRULE));
        QCOMPARE(page.DisplayRefresh(theme.scheme),
                 QStringList{theme.picturePath(Element::HORIZRULE)});
    }

    void optionsSurviveRefreshesAndThemeChanges() {
        TestWorld world;
        PreviewFixture first(world.path(QStringLiteral("Themes/One")));
        PreviewFixture second(world.path(QStringLiteral("Themes/Two")));
        second.replacePicture(Element::BACKGROUND, {40, 30});
        PreviewPage page;
        page.show();
        page.DisplayRefresh(first.scheme);

        page.setOverPictureLabelsTransparent(false);
        page.setBackgroundPictureVisible(true);
        const std::array<const PreviewItem*, 7> switched{
            item(page, "lblDisplayBanner"),        item(page, "lblDisplayButton"),
            item(page, "lblDisplayButtonPressed"), item(page, "lblQuickLinks", 0),
            item(page, "lblQuickLinks", 1),        item(page, "lblQuickLinks", 2),
            item(page, "lblQuickLinks", 3)};
        const std::array<const PreviewItem*, 6> untouched{
            item(page, "lblSelQuickLinks", 0),  item(page, "lblDisplayGlobNavButtons", 1),
            item(page, "lblVertNavButtons", 0), item(page, "lblDisplayHeading", 1),
            item(page, "lblDisplayBullet", 1),  item(page, "lblDisplayRegLink")};

        for (const PreviewFixture* theme : {&first, &second, &first}) {
            page.DisplayRefresh(theme->scheme);
            for (const PreviewItem* label : switched)
                QVERIFY2(label->autoFillBackground(), qPrintable(label->objectName()));
            for (const PreviewItem* label : untouched)
                QVERIFY2(!label->autoFillBackground(), qPrintable(label->objectName()));
            QVERIFY(item(page, "imgDisplayBackground")->isVisible());
        }

        // A picture loaded while the background was hidden shows when it is shown again.
        page.setBackgroundPictureVisible(false);
        page.DisplayRefresh(second.scheme);
        QVERIFY(!item(page, "imgDisplayBackground")->isVisible());
        page.setBackgroundPictureVisible(true);
        QCOMPARE(item(page, "imgDisplayBackground")->pixmap().size(), QSize(40, 30));
        QVERIFY(item(page, "imgDisplayBackground")->isVisible());

        page.setOverPictureLabelsTransparent(true);
        page.DisplayRefresh(first.scheme);
        for (const PreviewItem* label : switched)
            QVERIFY(!label->autoFillBackground());
    }

    void opaqueLabelShowsItsBackColourInTheGrab() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Opaque")));
        theme.scheme.color(ColorAttr::Back, themeElement(Element::BANNER).colorSlot) =
            rgbValue(255, 0, 0);
        PreviewPage page;
        page.DisplayRefresh(theme.scheme);
        const QPoint corner = item(page, "lblDisplayBanner")->geometry().topLeft() + QPoint(2, 1);
        QVERIFY(page.grab().toImage().pixelColor(corner) != QColor(255, 0, 0));
        page.setOverPictureLabelsTransparent(false);
        QCOMPARE(page.grab().toImage().pixelColor(corner), QColor(255, 0, 0));
    }
};

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
