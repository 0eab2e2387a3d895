#include "support/TestSupport.h"
#include "support/ThemeFixtures.h"

#include "contrast/AuditFormat.h"
#include "contrast/ContrastAudit.h"
#include "framework/DataFolder.h"
#include "theme/ChooseTheme.h"
#include "theme/DrawnFont.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"
#include "widgets/WindowUtil.h"

#include <QFontInfo>
#include <QTest>

// Every bundled theme, as a new user meets it: read by the four readers, drawn on the
// preview page and audited at AA with each setting of the two preview options. The
// themes are found in the bundled Themes folder, so a new one is covered at once.
class TestBundledThemeAudit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }

    void passesAtAA_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("showBackground");
        QTest::addColumn<bool>("opaqueLabels");
        for (const QString& folder : bundledThemeFolders())
            for (const bool background : {false, true})
                for (const bool opaque : {false, true})
                    QTest::addRow("%s%s%s", qPrintable(folder), background ? " background" : "",
                                  opaque ? " opaque" : "")
                        << folder << background << opaque;
    }

    void passesAtAA() {
        QFETCH(QString, folder);
        QFETCH(bool, showBackground);
        QFETCH(bool, opaqueLabels);
        TestWorld world;
        QVERIFY(copyBundledTheme(world.themesDir(), folder));
        ColorScheme scheme;
        scheme.fillFontSizeTable();
        chooseTheme(scheme, world.themesDir(), bundledThemeCaption(folder));
        QCOMPARE(world.prompt.messages, QStringList());

        PreviewPage page;
        page.setBackgroundPictureVisible(showBackground);
        page.setOverPictureLabelsTransparent(!opaqueLabels);
        QCOMPARE(page.DisplayRefresh(scheme), QStringList());
        const ContrastAudit audit = auditScheme(scheme, PreviewBackdrops(page), ContrastLevel::AA);
        QCOMPARE(audit.checks.size() >= 12, true);
        int texts = 0;
        for (const ContrastCheck& check : audit.checks) {
            if (check.advice)
                continue;
            ++texts;
            QVERIFY2(check.pass, qPrintable(auditLine(check)));
        }
        QCOMPARE(texts, 12);
    }

    // The face the preview draws for each theme's fonts is one of Debian's Liberation or
    // DejaVu faces (not a stand-in of some other kind), and a monospace theme gets a
    // fixed-pitch one.
    void fontsResolveToDebianFaces_data() {
        QTest::addColumn<QString>("folder");
        for (const QString& folder : bundledThemeFolders())
            QTest::newRow(qPrintable(folder)) << folder;
    }

    void fontsResolveToDebianFaces() {
        QFETCH(QString, folder);
        TestWorld world;
        ColorScheme scheme;
        scheme.fillFontSizeTable();
        chooseTheme(scheme, DataFolder::themesDir(bundledDataFolder()),
                    bundledThemeCaption(folder));
        QCOMPARE(world.prompt.messages, QStringList());
        for (int slot = 0; slot <= 12; ++slot) {
            const QString face = scheme.font(FontAttr::Face, slot).toText();
            const QFontInfo drawn(QFont(drawnFamily(face)));
            QVERIFY2(drawn.family().startsWith(QLatin1String("Liberation")) ||
                         drawn.family().startsWith(QLatin1String("DejaVu")),
                     qPrintable(face + QStringLiteral(" is drawn as ") + drawn.family()));
            if (face == QLatin1String("Courier New"))
                QVERIFY2(drawn.fixedPitch(), qPrintable(drawn.family()));
        }
    }
};

QTEST_MAIN(TestBundledThemeAudit)
#include "test_bundled_theme_audit.moc"
