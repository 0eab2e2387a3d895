#include "EditWindow.h"
#include "framework/Procedure.h"
#include "scheme/SchemeFile.h"
#include "support/Controls.h"
#include "support/ModalSteps.h"
#include "ui/dialogs/DialogService.h"
#include "ui/dialogs/FontDialog.h"
#include "ui/editor/ColorSwatch.h"
#include "ui/editor/ContrastMark.h"
#include "ui/editor/EditorPanel.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewPage.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontInfo>
#include <QPushButton>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

Q_DECLARE_METATYPE(SchemeValue)

namespace {
QColor pageColor(const frmMain& main) {
    return control<QWidget>(main, "picDisplay")->palette().color(QPalette::Window);
}

ColorSwatch* background(const frmMain& main, int row) {
    return control<ColorSwatch>(main, "lblBGColorSelect", row);
}

ColorSwatch* textColor(const frmMain& main, int row) {
    return control<ColorSwatch>(main, "lblFGColorSelect", row);
}

QPushButton* fontButton(const frmMain& main, int row) {
    return control<QPushButton>(main, "cmdFontSelect", row);
}

QCheckBox* copyBox(const frmMain& main, int index) {
    return control<QCheckBox>(main, "chkUseSame", index);
}
} // namespace

class TestEditing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fontChoiceInRow3() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QPushButton* button = fontButton(w.main, 3);
        const QFont before = button->font();
        const float sizeBefore = w.scheme().font(FontAttr::Size, 2).toSingle();
        const SchemeValue bodyFace = w.scheme().font(FontAttr::Face, 1);

        w.dialogs->answerFont(QStringLiteral("TIMES NEW ROMAN"), 14, true, true);
        QTest::mouseClick(button, Qt::LeftButton);

        // The dialog started from the button's font and the element's size.
        const DialogProperties& shown = w.dialogs->calls.at(0).shownWith;
        QCOMPARE(shown.FontName, before.family());
        QCOMPARE(shown.FontBold, before.bold());
        QCOMPARE(shown.FontItalic, before.italic());
        QCOMPARE(shown.FontSize, sizeBefore);

        QCOMPARE(w.scheme().font(FontAttr::Face, 2).toText(), QStringLiteral("Times new roman"));
        QCOMPARE(w.scheme().font(FontAttr::Size, 2).kind(), SchemeValue::Kind::Single);
        QCOMPARE(w.scheme().font(FontAttr::Size, 2).toSingle(), 14.0f);
        QCOMPARE(w.scheme().font(FontAttr::Style, 2), SchemeValue::integer(3));
        QCOMPARE(button->text(), QStringLiteral("Times new roman - 14"));
        QVERIFY(button->font().bold() && button->font().italic());
        QCOMPARE(control<QWidget>(w.main, "lblDisplayHeading", 1)->font().family(),
                 QStringLiteral("Times new roman"));
        QCOMPARE(w.scheme().font(FontAttr::Face, 1), bodyFace);
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled *"));
        QCOMPARE(w.scheme().SchemeFileName, QStringLiteral("Untitled"));
        QVERIFY(control<QAction>(w.main, "mnuFileSave")->isEnabled());
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void copyFontNameGoesToEveryRowOnce() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const SchemeValue globalFace = w.scheme().font(FontAttr::Face, 12);
        QCheckBox* copy = copyBox(w.main, 0);
        QTest::mouseClick(copy, Qt::LeftButton);
        QVERIFY(copy->isChecked());

        w.dialogs->answerFont(QStringLiteral("courier NEW"), 10.5f, false, true);
        QTest::mouseClick(fontButton(w.main, 7), Qt::LeftButton);
        for (int slot = 0; slot < 12; ++slot) {
            QCOMPARE(w.scheme().font(FontAttr::Face, slot).toText(), QStringLiteral("Courier new"));
            QCOMPARE(w.scheme().font(FontAttr::Size, slot).toSingle(), 10.5f);
            QCOMPARE(w.scheme().font(FontAttr::Style, slot), SchemeValue::integer(1));
            QCOMPARE(fontButton(w.main, slot + 1)->text(), QStringLiteral("Courier new - 10.5"));
        }
        QCOMPARE(w.scheme().font(FontAttr::Face, 12), globalFace);
        QVERIFY(!copy->isChecked());

        // The next choice is for its own row only.
        w.dialogs->answerFont(QStringLiteral("Arial"), 12, false, false);
        QTest::mouseClick(fontButton(w.main, 2), Qt::LeftButton);
        QCOMPARE(w.scheme().font(FontAttr::Face, 1).toText(), QStringLiteral("Arial"));
        QCOMPARE(w.scheme().font(FontAttr::Face, 0).toText(), QStringLiteral("Courier new"));
    }

    void backgroundInRow5IsThePageBackground() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const qint32 heading3Back = w.scheme().color(ColorAttr::Back, 4);
        const int row0Before = background(w.main, 0)->colorValue();
        const qint32 chosen = rgbValue(10, 200, 30);
        QVERIFY(chosen != heading3Back && chosen != row0Before);

        w.dialogs->answerColor(chosen);
        QTest::mouseClick(background(w.main, 5), Qt::LeftButton);
        QCOMPARE(w.dialogs->calls.at(0).shownWith.Color, heading3Back);

        QCOMPARE(w.scheme().pageBackground(), chosen);
        QCOMPARE(w.scheme().color(ColorAttr::Back, 4), heading3Back);
        QCOMPARE(background(w.main, 5)->colorValue(), chosen);
        QCOMPARE(background(w.main, 0)->colorValue(), row0Before);
        QCOMPARE(pageColor(w.main), QColor(10, 200, 30));
        QCOMPARE(w.main.windowTitle(), QStringLiteral("TNA: Untitled *"));

        // The panel's refresh shows the stored values again (F5 goes to the active window).
        QVERIFY(QTest::qWaitForWindowActive(&w.main));
        QTest::keyClick(&w.main, Qt::Key_F5);
        QCOMPARE(background(w.main, 5)->colorValue(), heading3Back);
        QCOMPARE(background(w.main, 0)->colorValue(), chosen);
        QCOMPARE(background(w.main, 1)->colorValue(), chosen);
    }

    void copyBackgroundPaintsEverySwatchAndStoresOnce() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const ColorScheme before = w.scheme();
        QTest::mouseClick(copyBox(w.main, 1), Qt::LeftButton);
        const qint32 chosen = rgbValue(1, 2, 3);

        w.dialogs->answerColor(chosen);
        QTest::mouseClick(background(w.main, 9), Qt::LeftButton);
        for (int row = 0; row < EditorRowCount; ++row)
            QCOMPARE(background(w.main, row)->colorValue(), chosen);
        QCOMPARE(w.scheme().pageBackground(), chosen);
        for (int slot = 1; slot <= 12; ++slot)
            QCOMPARE(w.scheme().color(ColorAttr::Back, slot), before.color(ColorAttr::Back, slot));
        QVERIFY(copyBox(w.main, 1)->isChecked());
    }

    void textColourGoesToTheRowsElement() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const qint32 chosen = rgbValue(200, 0, 0);
        w.dialogs->answerColor(chosen);
        QTest::mouseClick(textColor(w.main, 2), Qt::LeftButton);
        QCOMPARE(w.scheme().color(ColorAttr::Fore, 1), chosen);
        QCOMPARE(textColor(w.main, 2)->colorValue(), chosen);
        QCOMPARE(
            control<QWidget>(w.main, "lblDisplayRegText")->palette().color(QPalette::WindowText),
            QColor(200, 0, 0));
        QVERIFY(w.scheme().SchemeChanged);
    }

    void cancelledDialogChangesNothing_data() {
        QTest::addColumn<int>("control");
        QTest::newRow("background") << 0;
        QTest::newRow("text colour") << 1;
        QTest::newRow("font") << 2;
    }
    void cancelledDialogChangesNothing() {
        QFETCH(int, control);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        QTest::mouseClick(copyBox(w.main, 0), Qt::LeftButton);
        QTest::mouseClick(copyBox(w.main, 1), Qt::LeftButton);
        const QStringList before = schemeFileLines(w.scheme(), testFileInformation());
        const QString title = w.main.windowTitle();
        QWidget* targets[] = {background(w.main, 4), textColor(w.main, 4), fontButton(w.main, 4)};

        w.dialogs->answerCancel(control == 2 ? Kind::Font : Kind::Color);
        QTest::mouseClick(targets[control], Qt::LeftButton);
        QCOMPARE(w.dialogs->calls.size(), 1);
        QCOMPARE(schemeFileLines(w.scheme(), testFileInformation()), before);
        QVERIFY(!w.scheme().SchemeChanged);
        QCOMPARE(w.scheme().SchemeFileName, QString());
        QCOMPARE(w.main.windowTitle(), title);
        QVERIFY(!::control<QAction>(w.main, "mnuFileSave")->isEnabled());
        QVERIFY(copyBox(w.main, 0)->isChecked());
        QCOMPARE(background(w.main, 0)->colorValue(), w.scheme().pageBackground());
        QCOMPARE(textColor(w.main, 4)->colorValue(), w.scheme().color(ColorAttr::Fore, 3));
        QCOMPARE(world.prompt.messages, QStringList());
    }

    // OK on what a swatch or a font button shows already is no change: the scheme keeps
    // its values as written, is not marked changed and gets no undo step. A face that
    // differs only in letter case is the same face.
    void okWithoutAChangeIsNoChange_data() {
        QTest::addColumn<int>("control");
        QTest::addColumn<bool>("otherCase");
        QTest::newRow("background") << 0 << false;
        QTest::newRow("text colour") << 1 << false;
        QTest::newRow("font") << 2 << false;
        QTest::newRow("font in capitals") << 2 << true;
    }
    void okWithoutAChangeIsNoChange() {
        QFETCH(int, control);
        QFETCH(bool, otherCase);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const int slot = 3; // editor row 4
        const ColorScheme& scheme = w.scheme();
        if (control == 0)
            w.dialogs->answerColor(scheme.pageBackground());
        else if (control == 1)
            w.dialogs->answerColor(scheme.color(ColorAttr::Fore, slot));
        else {
            const QString face = scheme.font(FontAttr::Face, slot).toText();
            const int style = scheme.font(FontAttr::Style, slot).toInteger();
            w.dialogs->answerFont(otherCase ? face.toUpper() : face,
                                  scheme.font(FontAttr::Size, slot).toSingle(), style >= 2,
                                  style % 2 == 1);
        }
        const QStringList before = schemeFileLines(scheme, testFileInformation());
        const QString title = w.main.windowTitle();
        QWidget* targets[] = {background(w.main, 4), textColor(w.main, 4), fontButton(w.main, 4)};
        QTest::mouseClick(targets[control], Qt::LeftButton);
        QCOMPARE(w.dialogs->calls.size(), 1);
        QCOMPARE(w.dialogs->pending(), 0);
        QCOMPARE(schemeFileLines(w.scheme(), testFileInformation()), before);
        QVERIFY(!w.scheme().SchemeChanged);
        QCOMPARE(w.main.windowTitle(), title);
        QVERIFY(!::control<QAction>(w.main, "mnuEditUndo")->isEnabled());
        QVERIFY(!::control<QAction>(w.main, "mnuFileSave")->isEnabled());
    }

    // With the real dialog: a size typed with a fraction, in a language that writes a
    // decimal comma, is stored, shown and written as that size.
    void fractionalSizeFromTheRealFontDialog() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        w.main.setDialogService(std::make_unique<QtDialogService>(&w.main));
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ModalSteps steps;
        steps
            .then<FontDialog>([](FontDialog* d) {
                auto* size = d->findChild<QDoubleSpinBox*>(QStringLiteral("fontSize"));
                size->setFocus();
                size->selectAll();
                QTest::keyClicks(size, QStringLiteral("10,5"));
                d->accept();
            })
            .start();
        QTest::mouseClick(fontButton(w.main, 3), Qt::LeftButton);
        QLocale::setDefault(before);

        QCOMPARE(steps.done(), 1);
        QCOMPARE(w.scheme().font(FontAttr::Size, 2).toSingle(), 10.5f);
        QVERIFY(fontButton(w.main, 3)->text().endsWith(QStringLiteral(" - 10.5")));
        QCOMPARE(::control<QWidget>(w.main, "lblDisplayHeading", 1)->font().pointSizeF(), 10.5);
        const QString path = world.path(QStringLiteral("sizes.tna"));
        {
            Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
            QVERIFY(writeSchemeFile(proc, w.scheme(), testFileInformation(), path));
        }
        QVERIFY(readFile(path).contains("\tFontSize: 10.5\r\n"));
        ColorScheme opened;
        {
            Procedure proc(QStringLiteral("frmMain.mnuFileOpen_Click"));
            QVERIFY(readSchemeFile(proc, opened, path).complete);
        }
        QCOMPARE(opened.font(FontAttr::Size, 2).toSingle(), 10.5f);
        QCOMPARE(world.prompt.messages, QStringList());
    }

    // The editor's button and the preview make a font from the same values by one
    // rule: the family without its quotes (the scheme keeps them), the face from
    // FontStyle with an empty value as regular and an unknown code as no change.
    void buttonAndPreviewMakeTheSameFont_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<SchemeValue>("firstStyle");
        QTest::addColumn<SchemeValue>("style");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        const SchemeValue regular = SchemeValue::integer(0);
        QTest::newRow("quoted first family")
            << "'Liberation Serif'" << regular << regular << "Liberation Serif" << false << false;
        QTest::newRow("double quotes")
            << "\"Liberation Mono\"" << regular << regular << "Liberation Mono" << false << false;
        QTest::newRow("blanks around")
            << " Liberation Serif " << regular << regular << "Liberation Serif" << false << false;
        QTest::newRow("empty style from a file")
            << "Liberation Sans" << SchemeValue::integer(2) << SchemeValue::text(QString())
            << "Liberation Sans" << false << false;
        QTest::newRow("style as text")
            << "Liberation Sans" << regular << SchemeValue::text(QStringLiteral("3"))
            << "Liberation Sans" << true << true;
        QTest::newRow("unknown code keeps the face")
            << "Liberation Sans" << SchemeValue::integer(1) << SchemeValue::integer(7)
            << "Liberation Sans" << false << true;
    }
    void buttonAndPreviewMakeTheSameFont() {
        QFETCH(QString, face);
        QFETCH(SchemeValue, firstStyle);
        QFETCH(SchemeValue, style);
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const int body = themeElement(Element::BODY).fontSlot;
        w.scheme().font(FontAttr::Face, body) = SchemeValue::text(face);
        w.scheme().font(FontAttr::Style, body) = firstStyle;
        QTest::keyClick(&w.main, Qt::Key_F5);
        w.scheme().font(FontAttr::Style, body) = style;
        QTest::keyClick(&w.main, Qt::Key_F5);

        const QFont button = fontButton(w.main, 2)->font();
        const QFont label = ::control<QWidget>(w.main, "lblDisplayRegText")->font();
        for (const QFont& font : {button, label}) {
            QCOMPARE(font.family(), family);
            QCOMPARE(QFontInfo(font).family(), family);
            QCOMPARE(font.bold(), bold);
            QCOMPARE(font.italic(), italic);
        }
        QCOMPARE(w.scheme().font(FontAttr::Face, body).toText(), face);
        QCOMPARE(world.prompt.messages, QStringList());
    }

    void sizeThatIsNoNumberIsTheFontHandlersError() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        w.scheme().font(FontAttr::Size, 1) = SchemeValue::text(QStringLiteral("large"));
        world.prompt.script({ErrorPrompt::Answer::Ignore});
        w.dialogs->answerFont(QStringLiteral("Verdana"), 9, false, false);
        QTest::mouseClick(fontButton(w.main, 2), Qt::LeftButton);
        QCOMPARE(world.prompt.messages.size(), 1);
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("Err#13")));
        QVERIFY(world.prompt.messages[0].contains(QStringLiteral("frmMain.cmdFontSelect_Click")));
        // After Ignore the dialog still runs and its choice is stored.
        QCOMPARE(w.scheme().font(FontAttr::Size, 1).toSingle(), 9.0f);
        QCOMPARE(w.scheme().font(FontAttr::Face, 1).toText(), QStringLiteral("Verdana"));
    }

    // Each text row's contrast mark follows every edit at once: a text colour, a font
    // that makes the text large, a preview option that changes what lies behind it.
    void contrastMarksFollowEachEdit() {
        TestWorld world;
        world.setUpGlobals();
        EditWindow w(world);
        const auto mark = [&](int row) {
            return control<ContrastMark>(w.main, "lblContrast", row);
        };
        // Studio: dark body text on its pale page, coral banner text on its picture.
        QCOMPARE(mark(2)->passes(), true);
        QCOMPARE(mark(2)->text(), QStringLiteral("10.93"));
        QCOMPARE(mark(1)->passes(), true);
        QVERIFY(mark(1)->toolTip().contains(QStringLiteral("over a picture")));

        w.dialogs->answerColor(rgbValue(0x77, 0x77, 0x77));
        QTest::mouseClick(textColor(w.main, 2), Qt::LeftButton);
        QCOMPARE(mark(2)->passes(), false);
        QCOMPARE(mark(2)->text(), QStringLiteral("4.19"));
        QCOMPARE(mark(2)->toolTip(), QStringLiteral("Body: fails AA\n"
                                                    "4.19:1, needs 4.5:1\n"
                                                    "Text #777777 on #FAF7F1\n"
                                                    "10 pt, not bold: normal text (large text is "
                                                    "at least 18 pt, or 14 pt bold)"));

        w.dialogs->answerFont(QStringLiteral("Verdana"), 24, false, false);
        QTest::mouseClick(fontButton(w.main, 2), Qt::LeftButton);
        QCOMPARE(mark(2)->passes(), true);
        QVERIFY(mark(2)->toolTip().contains(QStringLiteral("4.19:1, needs 3:1")));
        QVERIFY(mark(2)->toolTip().contains(QStringLiteral("24 pt, not bold: large text")));

        // White banner text reads on the banner picture; opaque, the banner label lies on
        // its own colour, the page's, where it does not.
        w.dialogs->answerColor(rgbValue(0xFF, 0xFF, 0xFF));
        QTest::mouseClick(textColor(w.main, 1), Qt::LeftButton);
        QCOMPARE(mark(1)->passes(), true);
        QTest::mouseClick(control<QCheckBox>(w.main, "chkTransLabels"), Qt::LeftButton);
        QCOMPARE(mark(1)->passes(), false);
        QVERIFY(mark(1)->toolTip().contains(QStringLiteral("Text #FFFFFF on #FAF7F1")));
        QTest::mouseClick(control<QCheckBox>(w.main, "chkTransLabels"), Qt::LeftButton);
        QCOMPARE(mark(1)->passes(), true);
        QCOMPARE(world.prompt.messages, QStringList());
    }
};

QTEST_MAIN(TestEditing)
#include "test_editing.moc"
