#include "contrast/ContrastRule.h"

#include "contrast/ColorSpace.h"

#include <algorithm>

QString contrastLevelText(ContrastLevel level) {
    return level == ContrastLevel::AAA ? QStringLiteral("AAA") : QStringLiteral("AA");
}

std::optional<ContrastLevel> contrastLevelFromText(QStringView text) {
    if (text.compare(QLatin1String("AA"), Qt::CaseInsensitive) == 0)
        return ContrastLevel::AA;
    if (text.compare(QLatin1String("AAA"), Qt::CaseInsensitive) == 0)
        return ContrastLevel::AAA;
    return std::nullopt;
}

double contrastRatio(double luminanceA, double luminanceB) {
    const double lighter = std::max(luminanceA, luminanceB);
    const double darker = std::min(luminanceA, luminanceB);
    return (lighter + 0.05) / (darker + 0.05);
}

double contrastRatio(qint32 colorA, qint32 colorB) {
    return contrastRatio(relativeLuminance(colorA), relativeLuminance(colorB));
}

bool isLargeText(float points, bool bold) {
    return points >= 18.0f || (bold && points >= 14.0f);
}

double requiredRatio(ContrastLevel level, bool largeText) {
    if (level == ContrastLevel::AAA)
        return largeText ? 4.5 : 7.0;
    return largeText ? 3.0 : 4.5;
}

namespace {

// Counts the colours of a picture in an open-addressed table; pictures have few
// distinct colours and long runs of one, so most pixels only extend a run.
std::vector<Backdrop::ColorCount> countColors(std::span<const qint32> pixels) {
    constexpr qint32 Free = -1;
    std::vector<Backdrop::ColorCount> table(64, {Free, 0});
    std::size_t used = 0;
    const auto add = [&](qint32 color, qint64 count) {
        const std::size_t mask = table.size() - 1;
        std::size_t i = (static_cast<std::size_t>(color) * 2654435761u) & mask;
        while (table[i].color != Free && table[i].color != color)
            i = (i + 1) & mask;
        used += table[i].color == Free;
        table[i] = {color, table[i].count + count};
    };
    for (std::size_t start = 0; start < pixels.size();) {
        const qint32 color = pixels[start] & 0xFFFFFF;
        std::size_t end = start + 1;
        while (end < pixels.size() && (pixels[end] & 0xFFFFFF) == color)
            ++end;
        if (2 * (used + 1) > table.size()) {
            std::vector<Backdrop::ColorCount> old(table.size() * 2, {Free, 0});
            old.swap(table);
            used = 0;
            for (const Backdrop::ColorCount& c : old)
                if (c.color != Free)
                    add(c.color, c.count);
        }
        add(color, static_cast<qint64>(end - start));
        start = end;
    }
    std::erase_if(table, [](const Backdrop::ColorCount& c) { return c.color == Free; });
    std::sort(table.begin(), table.end(),
              [](const auto& a, const auto& b) { return a.color < b.color; });
    return table;
}

} // namespace

Backdrop Backdrop::plain(qint32 color) {
    Backdrop b;
    b.colors_ = {{color & 0xFFFFFF, 1}};
    b.pixels_ = 1;
    return b;
}

Backdrop Backdrop::picture(std::span<const qint32> pixels) {
    if (pixels.empty())
        return plain(0);
    Backdrop b;
    b.colors_ = countColors(pixels);
    b.pixels_ = static_cast<qint64>(pixels.size());
    b.picture_ = true;
    return b;
}

Contrast contrastOver(qint32 text, const Backdrop& backdrop) {
    const double textLuminance = relativeLuminance(text);
    struct Entry {
        double ratio;
        qint32 color;
        qint64 count;
    };
    std::vector<Entry> entries;
    entries.reserve(backdrop.colors().size());
    for (const Backdrop::ColorCount& c : backdrop.colors())
        entries.push_back(
            {contrastRatio(textLuminance, relativeLuminance(c.color)), c.color, c.count});
    // Ascending by ratio, then colour, so that the colour reported is deterministic.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.ratio != b.ratio ? a.ratio < b.ratio : a.color < b.color;
    });
    // The ratio of the pixel of rank floor(5 % of n) from the lowest: at least 95 % of
    // the pixels reach it.
    const qint64 rank = backdrop.pixelCount() * 5 / 100;
    qint64 below = 0;
    auto typical = entries.begin();
    while (below + typical->count <= rank)
        below += (typical++)->count;
    return {typical->ratio, entries.front().ratio, typical->color, entries.front().color,
            backdrop.isPicture()};
}

Contrast contrastOver(qint32 text, std::span<const Backdrop> backdrops) {
    std::optional<Contrast> result;
    for (const Backdrop& backdrop : backdrops) {
        const Contrast c = contrastOver(text, backdrop);
        if (!result) {
            result = c;
            continue;
        }
        const double lowest = std::min(result->lowest, c.lowest);
        const qint32 lowestColor = c.lowest < result->lowest ? c.lowestColor : result->lowestColor;
        const bool overPicture = result->overPicture || c.overPicture;
        if (c.typical < result->typical)
            result = c;
        result->lowest = lowest;
        result->lowestColor = lowestColor;
        result->overPicture = overPicture;
    }
    return result.value_or(Contrast{});
}
