#include "PreviewFixture.h"
#include "support/TestSupport.h"

#include "contrast/ContrastAudit.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/VisionEffect.h"
#include "widgets/WindowUtil.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

qint32 valueOf(QColor color) {
    return valueFromColor(color);
}

// A picture of one colour with a band of another between `from` and `to` (columns,
// or rows when `rows`).
void writeBanded(const QString& path, QSize size, QColor outside, QColor band, int from, int to,
                 bool rows = false) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(outside);
    QPainter painter(&image);
    painter.fillRect(rows ? QRect(0, from, size.width(), to - from)
                          : QRect(from, 0, to - from, size.height()),
                     band);
    painter.end();
    QVERIFY(image.save(path, "PNG"));
}

// The colours of a backdrop, in colour order.
QList<qint32> coloursOf(const Backdrop& backdrop) {
    QList<qint32> colours;
    for (const Backdrop::ColorCount& c : backdrop.colors())
        colours.append(c.color);
    return colours;
}

const QColor Navy(0x2B, 0x33, 0x48);
const QColor Sand(0xE8, 0xD8, 0xA0);

} // namespace

class TestPreviewAudit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    // Behind the banner text lie the pixels of the banner picture under the text's box,
    // not those under the whole label, which is as wide as the picture.
    void bannerTextOverItsPicture() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Audit")));
        writeBanded(theme.picturePath(Element::BANNER), {600, 64}, Sand, Navy, 150, 450);
        PreviewPage page;
        QVERIFY(page.DisplayRefresh(theme.scheme).isEmpty());

        const PreviewItem* label = item(page, "lblDisplayBanner");
        const QRect box = label->textBox();
        QCOMPARE(label->width(), 600);
        QVERIFY2(box.width() > 50 && box.width() < 300, qPrintable(QString::number(box.width())));
        const std::vector<Backdrop> behind =
            PreviewBackdrops(page).backdropsFor(theme.scheme, Element::BANNER);
        QCOMPARE(behind.size(), std::size_t(1));
        QVERIFY(behind[0].isPicture());
        QCOMPARE(coloursOf(behind[0]), QList<qint32>{valueOf(Navy)});
        QCOMPARE(behind[0].pixelCount(), qint64(box.width()) * box.height());

        theme.scheme.color(ColorAttr::Fore, 0) = rgbValue(255, 255, 255);
        const ContrastCheck check =
            checkRow(theme.scheme, PreviewBackdrops(page), ContrastLevel::AA, Element::BANNER);
        QVERIFY(check.overPicture && check.pass);
        QCOMPARE(check.background, valueOf(Navy));
    }

    // Opaque, the labels over the banner and the first two rows of buttons lie on
    // their own colour; the selected quick links and the vertical buttons stay
    // transparent over their pictures.
    void opaqueLabelsLieOnTheirOwnColour() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Audit")));
        PreviewPage page;
        QVERIFY(page.DisplayRefresh(theme.scheme).isEmpty());
        const qint32 navBack = theme.scheme.color(ColorAttr::Back, 11);

        std::vector<Backdrop> nav =
            PreviewBackdrops(page).backdropsFor(theme.scheme, Element::NAVBUTTONS);
        QCOMPARE(nav.size(), std::size_t(12));
        for (const Backdrop& b : nav)
            QVERIFY(b.isPicture());

        page.setOverPictureLabelsTransparent(false);
        const PreviewBackdrops opaque(page);
        const std::vector<Backdrop> banner = opaque.backdropsFor(theme.scheme, Element::BANNER);
        QVERIFY(!banner.at(0).isPicture());
        QCOMPARE(coloursOf(banner.at(0)), QList<qint32>{theme.scheme.color(ColorAttr::Back, 0)});
        nav = opaque.backdropsFor(theme.scheme, Element::NAVBUTTONS);
        QCOMPARE(nav.size(), std::size_t(12));
        for (std::size_t i = 0; i < nav.size(); ++i) {
            // Two horizontal buttons and four quick links first, in the table's order.
            QCOMPARE(nav[i].isPicture(), i >= 6);
            if (i < 6)
                QCOMPARE(coloursOf(nav[i]), QList<qint32>{navBack});
        }
    }

    // The page's background picture lies behind the page text only while it is shown,
    // stretched over the page as drawn: its top half behind the bullets, its bottom
    // half behind the regular text.
    void backgroundPictureWhileShown() {
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Audit")));
        writeBanded(theme.picturePath(Element::BACKGROUND), {40, 40}, Sand, Navy, 20, 40, true);
        PreviewPage page;
        QVERIFY(page.DisplayRefresh(theme.scheme).isEmpty());
        const qint32 pageColour = theme.scheme.pageBackground();

        std::vector<Backdrop> body =
            PreviewBackdrops(page).backdropsFor(theme.scheme, Element::BODY);
        QCOMPARE(body.size(), std::size_t(4));
        for (const Backdrop& b : body) {
            QVERIFY(!b.isPicture());
            QCOMPARE(coloursOf(b), QList<qint32>{pageColour});
        }

        page.setBackgroundPictureVisible(true);
        body = PreviewBackdrops(page).backdropsFor(theme.scheme, Element::BODY);
        QCOMPARE(body.size(), std::size_t(4));
        for (std::size_t bullet = 0; bullet < 3; ++bullet) {
            QVERIFY(body[bullet].isPicture());
            QCOMPARE(coloursOf(body[bullet]), QList<qint32>{valueOf(Sand)});
        }
        QVERIFY(body[3].isPicture());
        QCOMPARE(coloursOf(body[3]), QList<qint32>{valueOf(Navy)});
        // Dark body text fails over the navy half.
        const ContrastCheck check =
            checkRow(theme.scheme, PreviewBackdrops(page), ContrastLevel::AA, Element::BODY);
        QVERIFY(check.overPicture && !check.pass);
        QCOMPARE(check.background, valueOf(Navy));

        page.setBackgroundPictureVisible(false);
        QVERIFY(!PreviewBackdrops(page).backdropsFor(theme.scheme, Element::BODY)[3].isPicture());
    }

    // The whole page as the deficiency shows it, pictures included, while the audit
    // still reads the real colours and refreshes go on.
    void simulationDrawsThePageAsSeen_data() {
        QTest::addColumn<int>("deficiency");
        QTest::addColumn<QString>("red");
        QTest::newRow("protanopia") << int(Deficiency::Protanopia) << "#6D5F00";
        QTest::newRow("deuteranopia") << int(Deficiency::Deuteranopia) << "#A39000";
        QTest::newRow("tritanopia") << int(Deficiency::Tritanopia) << "#FF000F";
        QTest::newRow("achromatopsia") << int(Deficiency::Achromatopsia) << "#7F7F7F";
    }
    void simulationDrawsThePageAsSeen() {
        QFETCH(int, deficiency);
        QFETCH(QString, red);
        TestWorld world;
        PreviewFixture theme(world.path(QStringLiteral("Themes/Audit")));
        theme.replacePicture(Element::BANNER, {600, 64}, QColor(255, 0, 0));
        PreviewPage page;
        QVERIFY(page.DisplayRefresh(theme.scheme).isEmpty());
        const QImage normal = page.grab().toImage().convertToFormat(QImage::Format_RGB32);

        page.setSimulation(Deficiency(deficiency));
        QCOMPARE(page.simulation(), Deficiency(deficiency));
        const QImage seen = page.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint inBanner = item(page, "imgWebImage", 0)->geometry().topLeft() + QPoint(20, 3);
        QCOMPARE(QColor(seen.pixel(inBanner)), QColor(red));
        QImage expected = normal;
        simulateImage(expected, Deficiency(deficiency));
        QVERIFY(seen == expected);
        QCOMPARE(coloursOf(PreviewBackdrops(page).backdropsFor(theme.scheme, Element::BANNER)[0]),
                 QList<qint32>{rgbValue(255, 0, 0)});

        theme.scheme.pageBackground() = rgbValue(0, 255, 0);
        QVERIFY(page.DisplayRefresh(theme.scheme).isEmpty());
        const QPoint corner(page.width() - 2, page.height() - 2);
        QCOMPARE(valueOf(QColor(page.grab().toImage().pixel(corner))),
                 simulateColor(rgbValue(0, 255, 0), Deficiency(deficiency)));

        page.setSimulation(Deficiency::Normal);
        QCOMPARE(QColor(page.grab().toImage().pixel(corner)), QColor(0, 255, 0));
        QCOMPARE(QColor(page.grab().toImage().pixel(inBanner)), QColor(255, 0, 0));
    }
};

QTEST_MAIN(TestPreviewAudit)
#include "test_preview_audit.moc"
