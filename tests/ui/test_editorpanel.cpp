#include "support/TestSupport.h"
#include "theme/ColorScheme.h"
#include "ui/ColorSwatch.h"
#include "ui/EditorPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
const QStringList RowCaptions{QStringLiteral("Background"),
                              QStringLiteral("Banner Text"),
                              QStringLiteral("Body"),
                              QStringLiteral("Heading 1"),
                              QStringLiteral("Heading 2"),
                              QStringLiteral("Heading 3"),
                              QStringLiteral("Heading 4"),
                              QStringLiteral("Heading 5"),
                              QStringLiteral("Heading 6"),
                              QStringLiteral("Hyperlink"),
                              QStringLiteral("Hyperlink (Followed)"),
                              QStringLiteral("Hyperlink (Active)"),
                              QStringLiteral("Navigation Text")};

// A scheme with a face and size in every editor font slot.
ColorScheme namedScheme() {
    ColorScheme scheme;
    scheme.fillFontSizeTable();
    for (int slot = 0; slot <= 11; ++slot) {
        scheme.font(FontAttr::Face, slot) = SchemeValue::text(QStringLiteral("Arial"));
        scheme.font(FontAttr::Size, slot) = SchemeValue::text(QStringLiteral("10"));
        scheme.font(FontAttr::Style, slot) = SchemeValue::integer(0);
    }
    return scheme;
}
} // namespace

class TestEditorPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void designValues() {
        QWidget client;
        EditorPanel panel(&client);
        for (int row = 0; row < EditorRowCount; ++row) {
            const auto i = static_cast<std::size_t>(row);
            QCOMPARE(panel.lblItemName[i]->text(), RowCaptions[row]);
            QVERIFY(panel.lblItemName[i]->alignment() & Qt::AlignRight);
            QCOMPARE(panel.lblBGColorSelect[i]->colorValue(), 0xFFFFFF);
            QCOMPARE(panel.lblBGColorSelect[i]->focusPolicy(), Qt::NoFocus);
            QCOMPARE(panel.cmdFontSelect[i]->text(), QStringLiteral("MS Sans Serif"));
            if (row > 0) {
                QCOMPARE(panel.lblFGColorSelect[i]->colorValue(), 0);
                QCOMPARE(panel.lblFGColorSelect[i]->focusPolicy(), Qt::NoFocus);
                QCOMPARE(panel.cmdFontSelect[i]->font().underline(), row >= 9 && row <= 11);
                QCOMPARE(panel.cmdFontSelect[i]->font().pointSizeF(), 8.25);
            }
        }
        QVERIFY(panel.lblFGColorSelect[0] == nullptr);
        const QStringList tags{"28", "12", "18", "16", "14", "18",
                               "16", "14", "12", "12", "12", "12"};
        for (int row = 1; row < EditorRowCount; ++row)
            QCOMPARE(panel.cmdFontSelect[static_cast<std::size_t>(row)]->property("Tag").toString(),
                     tags[row - 1]);

        QPushButton* unused = panel.cmdFontSelect[0];
        QVERIFY(unused->isHidden());
        QVERIFY(!unused->isEnabled());
        QVERIFY(unused->font().bold() && unused->font().italic());

        QCOMPARE(panel.lblTitle[0]->text(), QStringLiteral("ITEM NAME"));
        QCOMPARE(panel.lblTitle[1]->text(), QStringLiteral("FONT"));
        QVERIFY(panel.lblTitle[1]->font().bold() && panel.lblTitle[1]->font().underline());

        QCOMPARE(panel.Check1->text(), QStringLiteral("Show Bckgnd Image"));
        QCOMPARE(panel.Check1->checkState(), Qt::Unchecked);
        QCOMPARE(panel.chkUseSame[0]->text(), QStringLiteral("Copy FontName"));
        QCOMPARE(panel.chkUseSame[0]->checkState(), Qt::Unchecked);
        QCOMPARE(panel.chkUseSame[1]->text(), QStringLiteral("Copy Background"));
        QCOMPARE(panel.chkUseSame[1]->checkState(), Qt::Unchecked);
        QCOMPARE(panel.chkUseSame[1]->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(panel.chkTransLabels->text(), QStringLiteral("Transparant Labels"));
        QCOMPARE(panel.chkTransLabels->checkState(), Qt::Checked);
    }

    void captionsFromTextAndNumberSizes_data() {
        QTest::addColumn<SchemeValue>("size");
        QTest::addColumn<QString>("caption");
        QTest::newRow("text 10") << SchemeValue::text(QStringLiteral("10"))
                                 << QStringLiteral("Arial - 10");
        QTest::newRow("number 12") << SchemeValue::integer(12) << QStringLiteral("Arial - 12");
        QTest::newRow("single 10.5")
            << SchemeValue::single(10.5f) << QStringLiteral("Arial - 10.5");
        QTest::newRow("never set") << SchemeValue() << QStringLiteral("Arial - ");
    }
    void captionsFromTextAndNumberSizes() {
        QFETCH(SchemeValue, size);
        QFETCH(QString, caption);
        TestWorld world;
        QWidget client;
        EditorPanel panel(&client);
        ColorScheme scheme = namedScheme();
        scheme.font(FontAttr::Size, 4) = size; // row 5, Heading 3
        panel.SetFontsAndColors(scheme);
        QCOMPARE(panel.cmdFontSelect[5]->text(), caption);
        QCOMPARE(panel.cmdFontSelect[4]->text(), QStringLiteral("Arial - 10"));
        QCOMPARE(panel.cmdFontSelect[5]->font().family(), QStringLiteral("Arial"));
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void styleCodesSetBoldAndItalicOnly() {
        TestWorld world;
        QWidget client;
        EditorPanel panel(&client);
        ColorScheme scheme = namedScheme();
        QPushButton* link = panel.cmdFontSelect[9]; // Hyperlink row, underlined by design
        auto show = [&](SchemeValue style) {
            scheme.font(FontAttr::Style, 8) = style;
            panel.SetFontsAndColors(scheme);
            return std::pair{link->font().bold(), link->font().italic()};
        };
        QCOMPARE(show(SchemeValue::integer(3)), std::pair(true, true));
        QCOMPARE(show(SchemeValue::integer(0)), std::pair(false, false));
        QCOMPARE(show(SchemeValue::text(QStringLiteral("1"))), std::pair(false, true));
        QCOMPARE(show(SchemeValue::integer(2)), std::pair(true, false));
        // Codes outside 0..3, and texts that are no number, leave the button as it was.
        QCOMPARE(show(SchemeValue::integer(7)), std::pair(true, false));
        QCOMPARE(show(SchemeValue::text(QStringLiteral("bold"))), std::pair(true, false));
        QCOMPARE(show(SchemeValue::single(1.5f)), std::pair(true, false));
        QVERIFY(link->font().underline());
        QCOMPARE(link->font().pointSizeF(), 8.25);
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void swatchesShowTheScheme() {
        // As after a theme whose body rule has a white background and whose BUTTON
        // rule gives the navigation buttons a background of their own: every editor
        // element and the page background white, the navigation text grey.
        TestWorld world;
        QWidget client;
        EditorPanel panel(&client);
        for (auto* swatch : panel.lblBGColorSelect)
            swatch->setColorValue(rgbValue(1, 2, 3));
        ColorScheme scheme = namedScheme();
        const qint32 white = rgbValue(255, 255, 255);
        const qint32 grey = rgbValue(192, 192, 192);
        for (int slot = 0; slot <= 11; ++slot) {
            scheme.color(ColorAttr::Back, slot) = white;
            scheme.color(ColorAttr::Fore, slot) = rgbValue(0, 0, slot * 10);
        }
        scheme.color(ColorAttr::Back, 11) = grey;
        panel.SetFontsAndColors(scheme);
        for (int row = 0; row <= 11; ++row)
            QCOMPARE(panel.lblBGColorSelect[static_cast<std::size_t>(row)]->colorValue(), white);
        QCOMPARE(panel.lblBGColorSelect[12]->colorValue(), grey);
        for (int row = 1; row <= 12; ++row)
            QCOMPARE(panel.lblFGColorSelect[static_cast<std::size_t>(row)]->colorValue(),
                     rgbValue(0, 0, (row - 1) * 10));

        // Rows 0 and 1 show the one page background.
        scheme.pageBackground() = rgbValue(10, 20, 30);
        panel.SetFontsAndColors(scheme);
        QCOMPARE(panel.lblBGColorSelect[0]->colorValue(), rgbValue(10, 20, 30));
        QCOMPARE(panel.lblBGColorSelect[1]->colorValue(), rgbValue(10, 20, 30));
        QCOMPARE(panel.lblBGColorSelect[2]->colorValue(), white);
    }

    void clicksNameTheirRowAndLoadingEmitsNothing() {
        TestWorld world;
        QWidget client;
        EditorPanel panel(&client);
        client.resize(400, 400);
        client.show();
        QVERIFY(QTest::qWaitForWindowExposed(&client));
        QSignalSpy bg(&panel, &EditorPanel::bgColorClicked);
        QSignalSpy fg(&panel, &EditorPanel::fgColorClicked);
        QSignalSpy font(&panel, &EditorPanel::fontClicked);

        panel.SetFontsAndColors(namedScheme());
        QCOMPARE(bg.count() + fg.count() + font.count(), 0);

        QTest::mouseClick(panel.lblBGColorSelect[0], Qt::LeftButton);
        QTest::mouseClick(panel.lblBGColorSelect[5], Qt::LeftButton);
        QTest::mouseClick(panel.lblFGColorSelect[7], Qt::LeftButton);
        QTest::mouseClick(panel.cmdFontSelect[12], Qt::LeftButton);
        QTest::mouseClick(panel.lblBGColorSelect[3], Qt::RightButton);
        QCOMPARE(bg.count(), 2);
        QCOMPARE(bg.at(0).at(0).toInt(), 0);
        QCOMPARE(bg.at(1).at(0).toInt(), 5);
        QCOMPARE(fg.count(), 1);
        QCOMPARE(fg.at(0).at(0).toInt(), 7);
        QCOMPARE(font.count(), 1);
        QCOMPARE(font.at(0).at(0).toInt(), 12);
    }
};

QTEST_MAIN(TestEditorPanel)
#include "test_editorpanel.moc"
