#pragma once

#include <array>

class PreviewItem;

// The controls of the preview page, named and indexed as in the window design. Arrays
// whose design indices start at 1 (bullets, headings) leave member 0 empty. The page
// owns them as its Qt children; its layout reads and moves them through this.
struct PreviewControls {
    PreviewItem* imgDisplayBackground = nullptr;
    std::array<PreviewItem*, 8> lblDisplayItemName{};
    std::array<PreviewItem*, 20> imgWebImage{};
    PreviewItem* lblDisplayBanner = nullptr;
    PreviewItem* lblDisplayButton = nullptr;
    PreviewItem* lblDisplayButtonPressed = nullptr;
    std::array<PreviewItem*, 4> lblDisplayBullet{};
    std::array<PreviewItem*, 4> lblQuickLinks{};
    std::array<PreviewItem*, 4> lblSelQuickLinks{};
    std::array<PreviewItem*, 7> lblDisplayHeading{};
    PreviewItem* lblDisplayRegText = nullptr;
    PreviewItem* lblDisplayRegLink = nullptr;
    PreviewItem* lblDisplayFollLink = nullptr;
    PreviewItem* lblDisplayActLink = nullptr;
    std::array<PreviewItem*, 3> lblDisplayGlobNavButtons{};
    std::array<PreviewItem*, 2> lblVertNavButtons{};
};
