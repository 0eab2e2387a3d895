#include "ui/preview/PreviewPage.h"

#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "theme/ColorScheme.h"
#include "ui/preview/PreviewItem.h"
#include "ui/preview/PreviewLayout.h"
#include "ui/preview/VisionEffect.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

namespace {
constexpr int PageColorDesign = 0x808080;
} // namespace

QString missingPicturesMessage(const QStringList& pictures) {
    QString message = PreviewPage::tr("This theme didn't load correctly");
    message += QLatin1Char('\n');
    for (const QString& line : pictures)
        message += QLatin1Char('\n') + line;
    return message;
}

PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent), width_(9495), height_(11895) {
    setObjectName(QStringLiteral("picDisplay"));
    setAutoFillBackground(true);
    setPageColor(PageColorDesign);
    setGeometry(twipsRect(4560, 0, width_, height_));

    // Creation order is stacking order: the background beneath everything, the
    // pictures above it and the labels on top.
    buildBackground();
    buildPictures();
    buildLabels();
}

void PreviewPage::setPageColor(int color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colorFromValue(color));
    setPalette(p);
}

void PreviewPage::noteUnloaded(const QString& path, PreviewPictures::Status status) {
    QString line = path;
    if (status == PreviewPictures::Status::Unreadable)
        line += tr(" (not a picture that can be read)");
    else if (status == PreviewPictures::Status::TooLarge)
        line += tr(" (too large to show)");
    if (!unloaded_.contains(line))
        unloaded_.append(line);
}

void PreviewPage::loadBackground(const QString& path) {
    // A theme without a background picture must not keep the previous theme's one.
    if (path.isEmpty()) {
        imgDisplayBackground->showPicture(QPixmap());
        return;
    }
    const QString file = fcnFileExists(path) ? path : PreviewPictures::locate(path);
    if (file.isEmpty())
        return;
    // Stretched over the page, so never decoded larger than the page is.
    const PreviewPictures::Result result = pictures_.load(file, imgDisplayBackground->size());
    if (result.status == PreviewPictures::Status::Loaded)
        imgDisplayBackground->showPicture(result.picture);
    else if (result.status != PreviewPictures::Status::Missing)
        noteUnloaded(path, result.status);
}

void PreviewPage::loadPicture(int index, const QString& path) {
    PreviewItem* slot = imgWebImage.at(static_cast<std::size_t>(index));
    if (path.isEmpty()) {
        slot->showPicture(QPixmap());
        return;
    }
    const QString file = PreviewPictures::locate(path);
    if (file.isEmpty())
        raiseError(Err::FileNotFound);
    const PreviewPictures::Result result = pictures_.load(file);
    switch (result.status) {
    case PreviewPictures::Status::Loaded:
        slot->showPicture(result.picture);
        break;
    case PreviewPictures::Status::Missing:
        raiseError(Err::FileNotFound);
    case PreviewPictures::Status::Unreadable:
    case PreviewPictures::Status::TooLarge:
        noteUnloaded(path, result.status);
        break;
    }
}

QStringList PreviewPage::DisplayRefresh(const ColorScheme& scheme) {
    Procedure proc(QStringLiteral("frmMain.DisplayRefresh"));
    unloaded_.clear();
    showPageColor(proc, scheme);
    loadPictures(proc, scheme);
    PreviewLayout(*this).layOut(proc, scheme);
    fitToContent();
    // The background picture is stretched over the page, so it is decoded at the size
    // the page has now, not the size the previous scheme gave it.
    proc.Task = QStringLiteral("Display Images: BACKGROUND");
    proc.step([&] { loadBackground(scheme.image(themeElement(Element::BACKGROUND).imageSlot)); });
    Q_EMIT laidOut();
    Q_EMIT backdropsChanged();
    return unloaded_;
}

void PreviewPage::showPageColor(Procedure& proc, const ColorScheme& scheme) {
    proc.Task = QStringLiteral("Display Images: BACKGROUND");
    proc.step([&] { setPageColor(scheme.pageBackground()); });
}

void PreviewPage::loadPictures(Procedure& proc, const ColorScheme& scheme) {
    // Under this Task a missing picture is passed over without a box; the missing
    // ones are reported together once the page is laid out.
    proc.Task = QStringLiteral("Load Images");
    for (int i = 0; i < static_cast<int>(imgWebImage.size()); ++i) {
        QString path;
        proc.step([&] { path = scheme.image(themeElement(pictureElement(i)).imageSlot); });
        proc.TaskDetail = path;
        if (!proc.step([&] { loadPicture(i, path); }) &&
            proc.lastErrorNumber() == Err::FileNotFound)
            noteUnloaded(path, PreviewPictures::Status::Missing);
    }
    pictures_.dropUnused();
}

void PreviewPage::fitToContent() {
    width_ = lblDisplayBanner->Width() + 360.0f;
    height_ = imgWebImage[19]->Top() + imgWebImage[19]->Height() + 240.0f;
    resize(twipsToPixels(width_), twipsToPixels(height_));
    imgDisplayBackground->setTwipsGeometry(0, 0, width_, height_);
}

void PreviewPage::setBackgroundPictureVisible(bool visible) {
    imgDisplayBackground->setVisible(visible);
    Q_EMIT backdropsChanged();
}

void PreviewPage::setOverPictureLabelsTransparent(bool transparent) {
    for (PreviewItem* label :
         {lblDisplayBanner, lblDisplayButton, lblDisplayButtonPressed, lblQuickLinks[0],
          lblQuickLinks[1], lblQuickLinks[2], lblQuickLinks[3]})
        label->setAutoFillBackground(!transparent);
    Q_EMIT backdropsChanged();
}

void PreviewPage::setSimulation(Deficiency deficiency) {
    if (deficiency == simulation_)
        return;
    simulation_ = deficiency;
    // The page owns its effect; setting another deletes the one before.
    setGraphicsEffect(deficiency == Deficiency::Normal ? nullptr : new VisionEffect(deficiency));
    Q_EMIT drawingChanged();
}
