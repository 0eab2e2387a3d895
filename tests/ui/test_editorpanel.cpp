#include "framework/RuntimeError.h"
#include "support/Controls.h"
#include "support/TestSupport.h"
#include "theme/ColorScheme.h"
#include "ui/editor/ColorSwatch.h"
#include "ui/editor/EditorOptions.h"
#include "ui/editor/EditorPanel.h"

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

// The panel on a window on the screen, where clicks reach it.
struct ShownPanel {
    QWidget client;
    EditorPanel panel{&client};

    ShownPanel() {
        client.resize(400, 400);
        client.show();
    }
};

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
ColorSwatch* background(const EditorPanel& panel, int row) {
    return control<ColorSwatch>(panel, "lblBGColorSelect", row);
}

ColorSwatch* textColor(const EditorPanel& panel, int row) {
    return control<ColorSwatch>(panel, "lblFGColorSelect", row);
}

QPushButton* fontButton(const EditorPanel& panel, int row) {
    return control<QPushButton>(panel, "cmdFontSelect", row);
}
} // namespace

class TestEditorPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void designValues() {
        QWidget client;
        EditorPanel panel(&client);
        for (int row = 0; row < EditorRowCount; ++row) {
            QCOMPARE(control<QLabel>(panel, "lblItemName", row)->text(), RowCaptions[row]);
            QVERIFY(control<QLabel>(panel, "lblItemName", row)->alignment() & Qt::AlignRight);
            QCOMPARE(background(panel, row)->colorValue(), 0xFFFFFF);
            QCOMPARE(background(panel, row)->focusPolicy(), Qt::StrongFocus);
            QCOMPARE(fontButton(panel, row)->text(), QStringLiteral("MS Sans Serif"));
            if (row > 0) {
                QCOMPARE(textColor(panel, row)->colorValue(), 0);
                QCOMPARE(textColor(panel, row)->focusPolicy(), Qt::StrongFocus);
                QCOMPARE(fontButton(panel, row)->font().underline(), row >= 9 && row <= 11);
                QCOMPARE(fontButton(panel, row)->font().pointSizeF(), 8.25);
            }
        }
        QVERIFY(!panel.findChild<ColorSwatch*>(QStringLiteral("lblFGColorSelect_0")));

        QPushButton* unused = fontButton(panel, 0);
        QVERIFY(unused->isHidden());
        QVERIFY(!unused->isEnabled());
        QVERIFY(unused->font().bold() && unused->font().italic());

        QCOMPARE(control<QLabel>(panel, "lblTitle", 0)->text(), QStringLiteral("ITEM NAME"));
        QCOMPARE(control<QLabel>(panel, "lblTitle", 1)->text(), QStringLiteral("FONT"));
        QVERIFY(control<QLabel>(panel, "lblTitle", 1)->font().bold() &&
                control<QLabel>(panel, "lblTitle", 1)->font().underline());

        QCOMPARE(control<QCheckBox>(panel, "Check1")->text(), QStringLiteral("Show Bckgnd Image"));
        QCOMPARE(control<QCheckBox>(panel, "Check1")->checkState(), Qt::Unchecked);
        QCOMPARE(control<QCheckBox>(panel, "chkUseSame", 0)->text(),
                 QStringLiteral("Copy FontName"));
        QCOMPARE(control<QCheckBox>(panel, "chkUseSame", 0)->checkState(), Qt::Unchecked);
        QCOMPARE(control<QCheckBox>(panel, "chkUseSame", 1)->text(),
                 QStringLiteral("Copy Background"));
        QCOMPARE(control<QCheckBox>(panel, "chkUseSame", 1)->checkState(), Qt::Unchecked);
        QCOMPARE(control<QCheckBox>(panel, "chkUseSame", 1)->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(control<QCheckBox>(panel, "chkTransLabels")->text(),
                 QStringLiteral("Transparant Labels"));
        QCOMPARE(control<QCheckBox>(panel, "chkTransLabels")->checkState(), Qt::Checked);
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
        QCOMPARE(fontButton(panel, 5)->text(), caption);
        QCOMPARE(fontButton(panel, 4)->text(), QStringLiteral("Arial - 10"));
        QCOMPARE(fontButton(panel, 5)->font().family(), QStringLiteral("Arial"));
        QVERIFY(world.prompt.messages.isEmpty());
    }

    void styleCodesSetBoldAndItalicOnly() {
        TestWorld world;
        QWidget client;
        EditorPanel panel(&client);
        ColorScheme scheme = namedScheme();
        QPushButton* link = fontButton(panel, 9); // Hyperlink row, underlined by design
        auto show = [&](SchemeValue style) {
            scheme.font(FontAttr::Style, 8) = style;
            panel.SetFontsAndColors(scheme);
            return std::pair{link->font().bold(), link->font().italic()};
        };
        QCOMPARE(show(SchemeValue::integer(3)), std::pair(true, true));
        // An empty style, as "FontStyle=" in a scheme file gives it, is regular, as
        // the preview shows it.
        QCOMPARE(show(SchemeValue::text(QString())), std::pair(false, false));
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
        for (int row = 0; row < EditorRowCount; ++row)
            background(panel, row)->setColorValue(rgbValue(1, 2, 3));
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
            QCOMPARE(background(panel, row)->colorValue(), white);
        QCOMPARE(background(panel, 12)->colorValue(), grey);
        for (int row = 1; row <= 12; ++row)
            QCOMPARE(textColor(panel, row)->colorValue(), rgbValue(0, 0, (row - 1) * 10));

        // Rows 0 and 1 show the one page background.
        scheme.pageBackground() = rgbValue(10, 20, 30);
        panel.SetFontsAndColors(scheme);
        QCOMPARE(background(panel, 0)->colorValue(), rgbValue(10, 20, 30));
        QCOMPARE(background(panel, 1)->colorValue(), rgbValue(10, 20, 30));
        QCOMPARE(background(panel, 2)->colorValue(), white);
    }

    void clicksNameTheirRowAndLoadingEmitsNothing() {
        TestWorld world;
        ShownPanel shown;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.client));
        EditorPanel& panel = shown.panel;
        QSignalSpy bg(&panel, &EditorPanel::bgColorClicked);
        QSignalSpy fg(&panel, &EditorPanel::fgColorClicked);
        QSignalSpy font(&panel, &EditorPanel::fontClicked);

        panel.SetFontsAndColors(namedScheme());
        QCOMPARE(bg.count() + fg.count() + font.count(), 0);

        QTest::mouseClick(background(panel, 0), Qt::LeftButton);
        QTest::mouseClick(background(panel, 5), Qt::LeftButton);
        QTest::mouseClick(textColor(panel, 7), Qt::LeftButton);
        QTest::mouseClick(fontButton(panel, 12), Qt::LeftButton);
        QTest::mouseClick(background(panel, 3), Qt::RightButton);
        QCOMPARE(bg.count(), 2);
        QCOMPARE(bg.at(0).at(0).toInt(), 0);
        QCOMPARE(bg.at(1).at(0).toInt(), 5);
        QCOMPARE(fg.count(), 1);
        QCOMPARE(fg.at(0).at(0).toInt(), 7);
        QCOMPARE(font.count(), 1);
        QCOMPARE(font.at(0).at(0).toInt(), 12);
    }

    void previewOptionClicksCarryTheNewState() {
        TestWorld world;
        ShownPanel shown;
        QVERIFY(QTest::qWaitForWindowExposed(&shown.client));
        EditorPanel& panel = shown.panel;
        QSignalSpy picture(&panel.options(), &EditorOptions::backgroundPictureClicked);
        QSignalSpy transparent(&panel.options(), &EditorOptions::transparentLabelsClicked);
        auto* Check1 = control<QCheckBox>(panel, "Check1");
        auto* chkTransLabels = control<QCheckBox>(panel, "chkTransLabels");

        QTest::mouseClick(Check1, Qt::LeftButton);
        QTest::mouseClick(chkTransLabels, Qt::LeftButton);
        QTest::mouseClick(Check1, Qt::LeftButton);
        QCOMPARE(picture.count(), 2);
        QCOMPARE(picture.at(0).at(0).value<Qt::CheckState>(), Qt::Checked);
        QCOMPARE(picture.at(1).at(0).value<Qt::CheckState>(), Qt::Unchecked);
        QCOMPARE(transparent.count(), 1);
        QCOMPARE(transparent.at(0).at(0).value<Qt::CheckState>(), Qt::Unchecked);
        // A state set by code is no click.
        Check1->setChecked(true);
        QCOMPARE(picture.count(), 2);
    }

    void copyBoxesWidenAChoice() {
        TestWorld world;
        QWidget client;
        EditorPanel panel(&client);
        auto* copyFontName = control<QCheckBox>(panel, "chkUseSame", 0);
        auto* copyBackground = control<QCheckBox>(panel, "chkUseSame", 1);

        // "Copy FontName" is for one font choice only.
        QVERIFY(!panel.options().takeCopyFontToEveryRow());
        copyFontName->setChecked(true);
        QVERIFY(panel.options().takeCopyFontToEveryRow());
        QVERIFY(!copyFontName->isChecked());
        QVERIFY(!panel.options().takeCopyFontToEveryRow());

        // "Copy Background" stays as the user set it.
        QVERIFY(!panel.options().copyBackgroundToEveryRow());
        copyBackground->setChecked(true);
        QVERIFY(panel.options().copyBackgroundToEveryRow());
        QVERIFY(panel.options().copyBackgroundToEveryRow());
        panel.showBackgroundInEveryRow(rgbValue(4, 5, 6));
        for (int row = 0; row < EditorRowCount; ++row)
            QCOMPARE(panel.colorShown(row, EditorPanel::Swatch::Background), rgbValue(4, 5, 6));
        for (int row = 1; row < EditorRowCount; ++row)
            QCOMPARE(panel.colorShown(row, EditorPanel::Swatch::Text), 0);
    }

    void rowsWithoutTheControlAreError9_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("what");
        QTest::newRow("text colour of the Background row") << 0 << 1;
        QTest::newRow("background of row 13") << 13 << 0;
        QTest::newRow("text colour of row -1") << -1 << 1;
        QTest::newRow("font of row 13") << 13 << 2;
    }
    void rowsWithoutTheControlAreError9() {
        QFETCH(int, row);
        QFETCH(int, what);
        QWidget client;
        EditorPanel panel(&client);
        int number = 0;
        try {
            if (what == 0)
                panel.showColor(row, EditorPanel::Swatch::Background, 1);
            else if (what == 1)
                panel.colorShown(row, EditorPanel::Swatch::Text);
            else
                panel.fontShown(row);
        } catch (const RuntimeError& error) {
            number = error.number();
        }
        QCOMPARE(number, Err::SubscriptOutOfRange);
    }
};

QTEST_MAIN(TestEditorPanel)
#include "test_editorpanel.moc"
