#include "ui/editor/EditorOptions.h"

#include "widgets/Twips.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QWidget>

#include <array>

namespace {
struct CheckBoxDesign {
    const char* name;
    const char* text;
    float left, top, width, height;
    bool checked;
};

// Check1, chkUseSame(0), chkUseSame(1) and chkTransLabels.
constexpr CheckBoxDesign CheckBoxes[] = {
    {"Check1", QT_TRANSLATE_NOOP("EditorPanel", "Show Bckgnd Image"), 2520, 240, 1815, 255, false},
    {"chkUseSame_0", QT_TRANSLATE_NOOP("EditorPanel", "Copy FontName"), 2640, 4920, 1455, 255,
     false},
    {"chkUseSame_1", QT_TRANSLATE_NOOP("EditorPanel", "Copy Background"), 720, 5040, 1575, 255,
     false},
    {"chkTransLabels", QT_TRANSLATE_NOOP("EditorPanel", "Transparant Labels"), 2640, 5160, 1695,
     255, true},
};
} // namespace

QString EditorOptions::optionTip(const char* name) {
    const QLatin1String box(name);
    if (box == QLatin1String("Check1"))
        return QCoreApplication::translate(
            "EditorPanel", "Shows the theme's background picture behind the preview page.");
    if (box == QLatin1String("chkUseSame_0"))
        return QCoreApplication::translate("EditorPanel",
                                           "The next font chosen goes to every row.");
    if (box == QLatin1String("chkUseSame_1"))
        return QCoreApplication::translate("EditorPanel",
                                           "A background colour chosen goes to every row.");
    return QCoreApplication::translate(
        "EditorPanel",
        "Lets the pictures show through the banner, navigation and quick-link labels.");
}

EditorOptions::EditorOptions(QWidget& panel) : QObject(&panel) {
    std::array<QCheckBox*, 4> made{};
    for (std::size_t i = 0; i < made.size(); ++i) {
        const CheckBoxDesign& d = CheckBoxes[i];
        auto* box = new QCheckBox(QCoreApplication::translate("EditorPanel", d.text), &panel);
        box->setObjectName(QLatin1String(d.name));
        box->setGeometry(twipsRect(d.left, d.top, d.width, d.height));
        box->setChecked(d.checked);
        box->setToolTip(optionTip(d.name));
        box->setAccessibleDescription(optionTip(d.name));
        made[i] = box;
    }
    showPicture_ = made[0];
    copyFontName_ = made[1];
    copyBackground_ = made[2];
    transparentLabels_ = made[3];
    // Its box sits right of the caption, under the background swatches.
    copyBackground_->setLayoutDirection(Qt::RightToLeft);
    // The preview options act on the user's click only, never on a state set by code.
    connect(showPicture_, &QCheckBox::clicked, this,
            [this] { Q_EMIT backgroundPictureClicked(showPicture_->checkState()); });
    connect(transparentLabels_, &QCheckBox::clicked, this,
            [this] { Q_EMIT transparentLabelsClicked(transparentLabels_->checkState()); });
}

QList<QWidget*> EditorOptions::boxes() const {
    return {showPicture_, copyFontName_, copyBackground_, transparentLabels_};
}

bool EditorOptions::copyBackgroundToEveryRow() const {
    return copyBackground_->checkState() == Qt::Checked;
}

bool EditorOptions::takeCopyFontToEveryRow() {
    if (copyFontName_->checkState() != Qt::Checked)
        return false;
    copyFontName_->setChecked(false);
    return true;
}

void EditorOptions::showPreviewOptions(bool backgroundPicture, bool transparentLabels) {
    showPicture_->setChecked(backgroundPicture);
    transparentLabels_->setChecked(transparentLabels);
}

bool EditorOptions::backgroundPictureShown() const {
    return showPicture_->checkState() == Qt::Checked;
}

bool EditorOptions::transparentLabelsShown() const {
    return transparentLabels_->checkState() == Qt::Checked;
}
