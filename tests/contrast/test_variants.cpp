// Making the Dark and High contrast variants: the hue rule, the levels every row
// reaches (on Studio and on seeded random schemes, plain and over a picture), locks,
// and Make It Pass keeping locked colours.
#include "ContrastFixtures.h"
#include "contrast/ColorSpace.h"
#include "contrast/MakeAllPass.h"
#include "contrast/MakeVariant.h"
#include "support/ThemeFixtures.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

OkLch lchOf(qint32 color) {
    return toOkLch(toOkLab(toLinear(color)));
}

double hueDegreesApart(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 2 * Pi);
    return std::min(d, 2 * Pi - d) * 180 / Pi;
}

// A random scheme (the shared one) with about one colour in eight locked.
ColorScheme randomLockedScheme(quint32 seed) {
    ColorScheme s = randomScheme(seed);
    QRandomGenerator random(seed ^ 0x5EEDu);
    for (int slot = 0; slot <= 12; ++slot)
        for (const int attr : {ColorAttr::Back, ColorAttr::Fore})
            s.setLocked(attr, slot, random.bounded(8) == 0);
    return s;
}

const std::vector<int>& colorSlotsOfElements() {
    static const std::vector<int> slots = [] {
        std::vector<int> v;
        for (int slot = 0; slot <= 12; ++slot)
            v.push_back(slot);
        return v;
    }();
    return slots;
}

// Every rule a made variant keeps, checked on one scheme; the first broken one is
// returned for the failure message, empty when all hold.
QString brokenRule(const ColorScheme& light, Variant variant, const BackdropSource& backdrops) {
    const VariantMade made = makeVariant(light, variant, backdrops);
    ColorScheme shown = light;
    shown.setColors(variant, made.colors);
    shown = shown.shownAs(variant);
    for (const int slot : colorSlotsOfElements())
        for (const int attr : {ColorAttr::Back, ColorAttr::Fore}) {
            const qint32 was = light.color(attr, slot);
            const qint32 now = shown.color(attr, slot);
            const QString where = QStringLiteral("slot %1 attr %2: %3 -> %4")
                                      .arg(slot)
                                      .arg(attr)
                                      .arg(was, 6, 16, QLatin1Char('0'))
                                      .arg(now, 6, 16, QLatin1Char('0'));
            if (light.isLocked(attr, slot)) {
                if (now != was)
                    return QStringLiteral("locked colour changed, ") + where;
                continue;
            }
            const OkLch before = lchOf(was);
            const OkLch after = lchOf(now);
            if (after.C > NeutralChroma && hueDegreesApart(before.h, after.h) > HueTolerance)
                return QStringLiteral("hue turned, ") + where;
            // Rounding to 8 bits may add a hair of chroma, never more.
            if (after.C > before.C + 0.004)
                return QStringLiteral("chroma grew, ") + where;
        }
    const ContrastLevel level = variantLevel(variant);
    size_t failing = 0;
    for (int row = 1; row < EditorRowCount; ++row) {
        const Element element = elementForRow(row)->element;
        if (checkRow(shown, backdrops, level, element).pass)
            continue;
        // A row left failing is named, and no single text colour would pass there, or
        // a lock is to blame.
        if (failing >= made.failing.size() || made.failing[failing].element != element)
            return QStringLiteral("row %1 fails unnamed").arg(row);
        const RowLeftFailing& named = made.failing[failing++];
        const bool anyColourPasses = makeRowPass(shown, backdrops, level, element).outcome !=
                                     PassingColor::Outcome::Impossible;
        if (anyColourPasses && !named.textLocked && !named.backdropLocked)
            return QStringLiteral("row %1 fails though a colour would pass").arg(row);
    }
    if (failing != made.failing.size())
        return QStringLiteral("a passing row is named");
    const VariantMade again = makeVariant(light, variant, backdrops);
    if (again.colors != made.colors)
        return QStringLiteral("not deterministic");
    return {};
}

} // namespace

Q_DECLARE_METATYPE(ColorScheme)

class TestVariants : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rulesHold_data() {
        QTest::addColumn<ColorScheme>("scheme");
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("bannerPicture");
        for (const Variant v : {Variant::Dark, Variant::Contrast}) {
            const char* name = v == Variant::Dark ? "dark" : "contrast";
            QTest::addRow("%s studio", name) << studioScheme() << int(v) << false;
            QTest::addRow("%s studio over a banner picture", name)
                << studioScheme() << int(v) << true;
            for (quint32 seed = 1; seed <= 40; ++seed)
                QTest::addRow("%s random %u", name, seed)
                    << randomLockedScheme(seed) << int(v) << (seed % 3 == 0);
        }
    }
    void rulesHold() {
        QFETCH(ColorScheme, scheme);
        QFETCH(int, variant);
        QFETCH(bool, bannerPicture);
        const QString broken = bannerPicture
                                   ? brokenRule(scheme, Variant(variant), BannerPicture())
                                   : brokenRule(scheme, Variant(variant), PlainBackdrops());
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }

    // Studio's variants pass with nothing left over: its page goes dark and its text
    // light in Dark, and High contrast moves every text further from the page.
    void studioVariants() {
        const ColorScheme studio = studioScheme();
        std::vector<RowLeftFailing> dark{{}}, contrast{{}};
        const ColorScheme made = withVariantsMade(studio, PlainBackdrops(), &dark, &contrast);
        QVERIFY(dark.empty());
        QVERIFY(contrast.empty());
        const ColorScheme shownDark = made.shownAs(Variant::Dark);
        QVERIFY(lchOf(shownDark.pageBackground()).L < 0.3);
        const ColorScheme shownContrast = made.shownAs(Variant::Contrast);
        for (int row = 2; row < EditorRowCount; ++row) {
            const int slot = elementForRow(row)->colorSlot;
            QVERIFY(lchOf(shownDark.color(ColorAttr::Fore, slot)).L > 0.6);
            QVERIFY(contrastRatio(shownContrast.color(ColorAttr::Fore, slot),
                                  shownContrast.pageBackground()) >=
                    contrastRatio(studio.color(ColorAttr::Fore, slot), studio.pageBackground()));
        }
        const ContrastAudit darkAudit =
            auditVariant(made, Variant::Dark, PlainBackdrops(), ContrastLevel::AA);
        QCOMPARE(darkAudit.variant, Variant::Dark);
        QVERIFY(darkAudit.passes());
        QCOMPARE(darkAudit.checks.front().background, shownDark.pageBackground());
        QVERIFY(
            auditVariant(made, Variant::Contrast, PlainBackdrops(), ContrastLevel::AAA).passes());
    }

    // The global navigation text, no row of the editor, lies over its buttons' light
    // picture: in Dark it stays dark there rather than turning light like the page's.
    void textOverALightPictureStaysDark() {
        struct LightButtons : BackdropSource {
            std::vector<Backdrop> backdropsFor(const ColorScheme& scheme,
                                               Element element) const override {
                if (element == Element::GLOBALBUTTONS)
                    return {Backdrop::picture(
                        framedPicture(80, 20, hexColor("#F4B942"), hexColor("#C98A10")))};
                return PlainBackdrops().backdropsFor(scheme, element);
            }
        };
        ColorScheme s = plainPage();
        const int buttons = themeElement(Element::GLOBALBUTTONS).colorSlot;
        s.color(ColorAttr::Fore, buttons) = hexColor("#2B3348");
        const auto lightness = [](qint32 c) { return toOkLab(toLinear(c)).L; };
        QVERIFY(lightness(makeVariant(s, Variant::Dark, PlainBackdrops())
                              .colors[ColorAttr::Fore][buttons]) > 0.5);
        QCOMPARE(makeVariant(s, Variant::Dark, LightButtons()).colors[ColorAttr::Fore][buttons],
                 hexColor("#2B3348"));
    }

    // Navigation text drawn over a navy and a teal button: in High contrast it goes the
    // way that reads over both as well as can be (white), not towards black because the
    // teal is the lighter of the two.
    void textOverButtonsGoesTheWayThatReadsBest() {
        struct TwoButtons : BackdropSource {
            std::vector<Backdrop> backdropsFor(const ColorScheme& scheme,
                                               Element element) const override {
                if (element == Element::NAVBUTTONS)
                    return {Backdrop::picture(
                                framedPicture(80, 20, hexColor("#2B3348"), hexColor("#2B3348"))),
                            Backdrop::picture(
                                framedPicture(80, 20, hexColor("#2A9D84"), hexColor("#2A9D84")))};
                return PlainBackdrops().backdropsFor(scheme, element);
            }
        };
        ColorScheme s = plainPage();
        const int navigation = themeElement(Element::NAVBUTTONS).colorSlot;
        s.color(ColorAttr::Fore, navigation) = rgbValue(255, 255, 255);
        const qint32 made =
            makeVariant(s, Variant::Contrast, TwoButtons()).colors[ColorAttr::Fore][navigation];
        QVERIFY(toOkLab(toLinear(made)).L > 0.9);
    }

    // A locked page colour keeps Dark's page white: the text stays dark to pass on it,
    // and a locked text that cannot pass is named with its lock.
    void locksAreKeptAndNamed() {
        ColorScheme s = plainPage();
        s.setLocked(ColorAttr::Back, 0, true);
        const VariantMade dark = makeVariant(s, Variant::Dark, PlainBackdrops());
        QCOMPARE(dark.colors[ColorAttr::Back][0], rgbValue(255, 255, 255));
        QVERIFY(dark.failing.empty());

        s.pageBackground() = hexColor("#777777");
        const int body = themeElement(Element::BODY).colorSlot;
        s.setLocked(ColorAttr::Fore, body, true);
        const VariantMade contrast = makeVariant(s, Variant::Contrast, PlainBackdrops());
        QCOMPARE(contrast.colors[ColorAttr::Fore][body], 0);
        QVERIFY(!contrast.failing.empty());
        for (const RowLeftFailing& row : contrast.failing) {
            QVERIFY(row.backdropLocked);
            QCOMPARE(row.textLocked, row.element == Element::BODY);
        }
    }

    // Make It Pass and Make All Pass leave a locked text colour as it is and say so.
    void makeItPassKeepsLocks() {
        ColorScheme s = plainPage();
        const int body = themeElement(Element::BODY).colorSlot;
        const int heading = themeElement(Element::HEADING1).colorSlot;
        s.color(ColorAttr::Fore, body) = hexColor("#AAAAAA");
        s.color(ColorAttr::Fore, heading) = hexColor("#BBBBBB");
        s.setLocked(ColorAttr::Fore, body, true);

        const PassingColor one = makeRowPass(s, PlainBackdrops(), ContrastLevel::AA, Element::BODY);
        QCOMPARE(one.outcome, PassingColor::Outcome::Impossible);
        QVERIFY(one.locked);
        QCOMPARE(one.color, hexColor("#AAAAAA"));

        const AllPassResult all = makeAllPass(s, PlainBackdrops(), ContrastLevel::AA);
        QCOMPARE(all.locked, std::vector<Element>{Element::BODY});
        QVERIFY(all.impossible.empty());
        QCOMPARE(all.changed, std::vector<Element>{Element::HEADING1});
        QCOMPARE(all.scheme.color(ColorAttr::Fore, body), hexColor("#AAAAAA"));

        s.color(ColorAttr::Fore, body) = 0;
        QCOMPARE(makeRowPass(s, PlainBackdrops(), ContrastLevel::AA, Element::BODY).outcome,
                 PassingColor::Outcome::AlreadyPasses);
    }
};

QTEST_GUILESS_MAIN(TestVariants)
#include "test_variants.moc"
