#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <span>
#include <vector>

// The contrast rule of the accessibility audit: the luminance contrast ratio of two
// colours, the ratio a text needs at a level, and the ratio over a picture.

enum class ContrastLevel { AA, AAA };

QString contrastLevelText(ContrastLevel level); // "AA", "AAA"
// "AA" or "AAA", as the user types it (any case); nullopt for anything else.
std::optional<ContrastLevel> contrastLevelFromText(QStringView text);

// (L1 + 0.05) / (L2 + 0.05), L1 the lighter relative luminance; 1..21.
double contrastRatio(double luminanceA, double luminanceB);
double contrastRatio(qint32 colorA, qint32 colorB);

// Large text: at least 18 pt, or at least 14 pt when bold.
bool isLargeText(float points, bool bold);
// 4.5 (3 large) at AA, 7 (4.5 large) at AAA. A check passes when its ratio is at
// least this, never rounded: 2.999 does not pass 3.
double requiredRatio(ContrastLevel level, bool largeText);

// What the preview draws behind one label's text: a plain colour (the page, or the
// label's own back colour when it is opaque), or the pixels of a picture under the
// label's text box. Held as its distinct colours with their pixel counts, so that a
// check or a Make It Pass search costs little however large the box.
class Backdrop {
public:
    struct ColorCount {
        qint32 color;
        qint64 count;
    };

    static Backdrop plain(qint32 color);
    // Colour values r + 256 g + 65536 b. No pixels at all give plain black: a box
    // beside its picture should be handed in as the plain colour around it.
    static Backdrop picture(std::span<const qint32> pixels);

    bool isPicture() const { return picture_; }
    // In colour order; one entry for a plain colour.
    const std::vector<ColorCount>& colors() const { return colors_; }
    qint64 pixelCount() const { return pixels_; }

private:
    Backdrop() = default;

    std::vector<ColorCount> colors_;
    qint64 pixels_ = 0;
    bool picture_ = false;
};

// The contrast of a text colour over what lies behind it. Over a picture, `typical`
// is the ratio that 95 % of the pixels reach, so that a thin border or a few
// anti-aliased pixels do not decide it, and `lowest` the ratio of the worst pixel;
// over a plain colour both are the one ratio. The colours are the backdrop colours
// that give these ratios.
struct Contrast {
    double typical = 1;
    double lowest = 1;
    qint32 typicalColor = 0;
    qint32 lowestColor = 0;
    bool overPicture = false;
};
Contrast contrastOver(qint32 text, const Backdrop& backdrop);
// Over several backdrops (a row's text drawn in several places): the backdrop with
// the lowest typical ratio, the lowest ratio of all, and whether any is a picture. No
// backdrop at all gives ratio 1.
Contrast contrastOver(qint32 text, std::span<const Backdrop> backdrops);
