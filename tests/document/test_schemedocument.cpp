// The scheme document on its own, without a window: its steps, the changed flag and
// the caption's rules.
#include "document/SchemeDocument.h"

#include <QSignalSpy>
#include <QTest>

namespace {
ColorScheme withBackground(qint32 color) {
    ColorScheme scheme;
    scheme.pageBackground() = color;
    return scheme;
}
} // namespace

class TestSchemeDocument : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstThemeStartsTheHistory() {
        SchemeDocument document;
        QSignalSpy shown(&document, &SchemeDocument::schemeChanged);
        document.chooseTheme(QStringLiteral("Ocean"), withBackground(0x112233));
        QCOMPARE(document.undoStack().count(), 0);
        QCOMPARE(document.scheme().pageBackground(), 0x112233);
        QCOMPARE(document.base().pageBackground(), 0x112233);
        QCOMPARE(document.baseName(), QStringLiteral("the theme Ocean"));
        QVERIFY(!document.isChanged());
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).value<SchemeDocument::Redraw>(),
                 SchemeDocument::Redraw::PanelAndPreview);
    }

    void editIsOneStepThatUndoGivesBack() {
        SchemeDocument document;
        document.chooseTheme(QStringLiteral("Ocean"), withBackground(1));
        document.apply(QStringLiteral("Page colour"), withBackground(2));
        QCOMPARE(document.scheme().pageBackground(), 2);
        QCOMPARE(document.base().pageBackground(), 1);
        QVERIFY(document.isChanged());
        QCOMPARE(document.undoStack().undoText(), QStringLiteral("Page colour"));

        document.undoStack().undo();
        QCOMPARE(document.scheme().pageBackground(), 1);
        QVERIFY(!document.isChanged());
        document.undoStack().redo();
        QCOMPARE(document.scheme().pageBackground(), 2);
        QVERIFY(document.isChanged());
    }

    void savedPointClearsTheFlagWhenReachedAgain() {
        SchemeDocument document;
        document.chooseTheme(QStringLiteral("Ocean"), withBackground(1));
        document.setFileName(QStringLiteral("/tmp/blue.tna"));
        document.apply(QStringLiteral("one"), withBackground(2));
        document.markSaved();
        QVERIFY(!document.isChanged());
        document.apply(QStringLiteral("two"), withBackground(3));
        QVERIFY(document.isChanged());
        document.undoStack().undo();
        QVERIFY(!document.isChanged());
        // Before the save is changed too: the file holds the saved values.
        document.undoStack().undo();
        QVERIFY(document.isChanged());
    }

    void themeOverAFileLeavesTheFlagAndKeepsTheEditsOneUndoAway() {
        SchemeDocument document;
        document.open(QStringLiteral("/tmp/blue.tna"), withBackground(1), QStringLiteral("blue"));
        document.apply(QStringLiteral("edit"), withBackground(2));
        document.chooseTheme(QStringLiteral("Ocean"), withBackground(5));
        QCOMPARE(document.undoStack().undoText(), QStringLiteral("Theme Ocean"));
        QCOMPARE(document.fileName(), QStringLiteral("/tmp/blue.tna"));
        QVERIFY(document.isChanged());
        document.undoStack().undo();
        QCOMPARE(document.scheme().pageBackground(), 2);
        QCOMPARE(document.base().pageBackground(), 1);
    }

    // An edit of the variant shown changes that variant only, keeps the locks, and its
    // undo shows that variant again; a variant the scheme lacks is not shown.
    void editsOfTheVariantShown() {
        SchemeDocument document;
        ColorScheme theme = withBackground(1);
        ColorScheme::ColorTable dark{};
        dark[ColorAttr::Back][0] = 10;
        theme.setColors(Variant::Dark, dark);
        theme.setLocked(ColorAttr::Fore, 3, true);
        document.chooseTheme(QStringLiteral("Ocean"), theme);
        QSignalSpy shown(&document, &SchemeDocument::schemeChanged);

        document.showVariant(Variant::Contrast);
        QCOMPARE(document.shownVariant(), Variant::Light);
        QCOMPARE(shown.count(), 0);
        document.showVariant(Variant::Dark);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(document.shown().pageBackground(), 10);
        QCOMPARE(document.caption(), QStringLiteral("TNA \u2014 Dark"));

        ColorScheme edited = document.shown();
        edited.pageBackground() = 11;
        edited.setLocked(ColorAttr::Fore, 3, false);
        document.applyShown(QStringLiteral("Page colour"), edited);
        QCOMPARE(document.scheme().pageBackground(), 1);
        QCOMPARE(document.scheme().DarkColors->at(ColorAttr::Back).at(0), 11);
        QVERIFY(document.scheme().isLocked(ColorAttr::Fore, 3));
        QCOMPARE(document.caption(), QStringLiteral("TNA: Untitled \u2014 Dark *"));

        document.showVariant(Variant::Light);
        document.undoStack().undo();
        QCOMPARE(document.shownVariant(), Variant::Dark);
        QCOMPARE(document.shown().pageBackground(), 10);
        document.showVariant(Variant::Light);
        document.undoStack().redo();
        QCOMPARE(document.shownVariant(), Variant::Dark);
        QCOMPARE(document.shown().pageBackground(), 11);
    }

    void caption_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("nameAfter");
        QTest::newRow("untitled") << QString() << QString() << false
                                  << QStringLiteral("TNA: Untitled") << QStringLiteral("Untitled");
        QTest::newRow("untitled, edited")
            << QString() << QString() << true << QStringLiteral("TNA: Untitled *")
            << QStringLiteral("Untitled");
        QTest::newRow("a file") << QStringLiteral("/tmp/blue.tna") << QStringLiteral("blue")
                                << false << QStringLiteral("TNA: blue") << QStringLiteral("blue");
        QTest::newRow("a file, edited")
            << QStringLiteral("/tmp/blue.tna") << QStringLiteral("blue") << true
            << QStringLiteral("TNA: blue *") << QStringLiteral("blue");
    }

    void caption() {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(bool, edited);
        QFETCH(QString, caption);
        QFETCH(QString, nameAfter);
        SchemeDocument document;
        QCOMPARE(document.caption(), QStringLiteral("TNA"));
        document.chooseTheme(QStringLiteral("Ocean"), withBackground(1));
        document.setFileName(file);
        QCOMPARE(document.hasFile(), !file.isEmpty());
        if (edited)
            document.apply(QStringLiteral("edit"), withBackground(2));
        QSignalSpy told(&document, &SchemeDocument::captionChanged);
        document.setCaptionName(name);
        // An empty name is filled in, in the variable passed too.
        QCOMPARE(name, nameAfter);
        QCOMPARE(document.caption(), caption);
        QCOMPARE(told.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSchemeDocument)
#include "test_schemedocument.moc"
