#include "ui/PreviewPage.h"

#include "ui/Twips.h"
#include "ui/WindowUtil.h"

PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picDisplay"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromValue(0x808080));
    setPalette(p);
    setGeometry(twipsRect(4560, 0, 9495, 11895));
}

void PreviewPage::DisplayRefresh(const ColorScheme&) {
    if (resizeHook_)
        resizeHook_();
    else
        fitToContent();
}

void PreviewPage::fitToContent() {}

void PreviewPage::setBackgroundPictureVisible(bool) {}

void PreviewPage::setOverPictureLabelsTransparent(bool) {}
