#include "ui/dialogs/FontDialog.h"

#include "theme/DrawnFont.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpressionValidator>

#include <optional>

namespace {

// The parts of Qt's font dialog this one adjusts, found by their places in its grid:
// the family, style and size fields above their lists.
struct DialogParts {
    QLineEdit* familyEdit = nullptr;
    QLineEdit* sizeEdit = nullptr;
    QListView* families = nullptr;
    QListView* styles = nullptr;
    QLineEdit* sample = nullptr;
};

template <class T> T* widgetAt(const QGridLayout* grid, int row, int column) {
    const QLayoutItem* item = grid ? grid->itemAtPosition(row, column) : nullptr;
    return item ? qobject_cast<T*>(item->widget()) : nullptr;
}

DialogParts partsOf(QFontDialog& dialog) {
    const auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    DialogParts parts;
    parts.familyEdit = widgetAt<QLineEdit>(grid, 1, 0);
    parts.sizeEdit = widgetAt<QLineEdit>(grid, 1, 4);
    parts.families = widgetAt<QListView>(grid, 2, 0);
    parts.styles = widgetAt<QListView>(grid, 2, 2);
    parts.sample = dialog.findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit"));
    return parts;
}

// A size as typed: a point or a comma before the fraction, whatever the language, as
// a font size never has thousands. Qt's own field takes whole numbers only, so that
// "10.5" read as 105.
std::optional<float> typedSize(QString text) {
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double size = text.toDouble(&ok);
    if (!ok || !(size >= 1.0 && size <= 512.0))
        return std::nullopt;
    return static_cast<float>(size);
}

// Notes a user's own click or key in a list: a style changed by the dialog itself,
// after another family was chosen, is not the user's choice.
class UserTouch : public QObject {
public:
    using QObject::QObject;
    bool touched = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
            touched = true;
        return QObject::eventFilter(watched, event);
    }
};

// Makes the style list show the style of `family` that is drawn for bold / italic:
// the face the font system picks, else the one with that slant and weight.
void selectStyle(const DialogParts& parts, const QString& family, bool bold, bool italic) {
    if (!parts.styles || !parts.styles->model())
        return;
    const QAbstractItemModel* model = parts.styles->model();
    QFont wanted(family);
    wanted.setBold(bold);
    wanted.setItalic(italic);
    const QString drawn = QFontInfo(wanted).styleName();
    int best = -1;
    for (int row = 0; row < model->rowCount() && best < 0; ++row)
        if (model->index(row, 0).data().toString() == drawn)
            best = row;
    for (int row = 0; row < model->rowCount() && best < 0; ++row) {
        // Oblique counts as italic here, as it does for a drawn font.
        const QFont face = QFontDatabase::font(family, model->index(row, 0).data().toString(), 12);
        if (face.italic() == italic && face.bold() == bold)
            best = row;
    }
    if (best >= 0)
        parts.styles->setCurrentIndex(model->index(best, 0));
}

QString currentFamily(const DialogParts& parts, const QFontDialog& dialog) {
    if (parts.families && parts.families->currentIndex().isValid())
        return parts.families->currentIndex().data().toString();
    return dialog.currentFont().family();
}

void showSize(const DialogParts& parts, float size) {
    if (!parts.sizeEdit)
        return;
    // Either mark may be typed; the field shows the user's own.
    parts.sizeEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{1,3}([.,]\\d{0,2})?")), parts.sizeEdit));
    if (size > 0)
        parts.sizeEdit->setText(parts.sizeEdit->locale().toString(size, 'g', 6));
    // Qt's own handling keeps whole points; the sample shows the fraction too.
    QObject::connect(parts.sizeEdit, &QLineEdit::textChanged, parts.sizeEdit,
                     [sample = parts.sample](const QString& text) {
                         const std::optional<float> typed = typedSize(text);
                         if (!sample || !typed)
                             return;
                         QFont font = sample->font();
                         font.setPointSizeF(static_cast<double>(*typed));
                         sample->setFont(font);
                     });
}

} // namespace

bool runFontDialog(QWidget* parent, FontChoice& choice) {
    const QString family = drawnFamily(choice.name);
    QFont initial(family);
    if (choice.size > 0)
        initial.setPointSizeF(static_cast<double>(choice.size));
    initial.setBold(choice.bold);
    initial.setItalic(choice.italic);
    initial.setUnderline(choice.underline);
    QFontDialog dialog(initial, parent);
    const DialogParts parts = partsOf(dialog);

    // A family this machine lacks is shown by its name; the lists show a stand-in.
    if (!family.isEmpty() && !QFontDatabase::hasFamily(family) && parts.familyEdit)
        parts.familyEdit->setText(
            QCoreApplication::translate("FontDialog", "%1 (not installed)").arg(family));
    selectStyle(parts, currentFamily(parts, dialog), choice.bold, choice.italic);
    showSize(parts, choice.size);

    bool familyChosen = false;
    UserTouch styleTouch;
    if (parts.styles) {
        parts.styles->installEventFilter(&styleTouch);
        parts.styles->viewport()->installEventFilter(&styleTouch);
    }
    if (parts.families && parts.families->selectionModel()) {
        // Runs after the dialog's own handling, which picks a style of its choosing.
        QObject::connect(
            parts.families->selectionModel(), &QItemSelectionModel::currentChanged, &dialog, [&] {
                familyChosen = true;
                if (!styleTouch.touched)
                    selectStyle(parts, currentFamily(parts, dialog), choice.bold, choice.italic);
            });
    }

    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = dialog.selectedFont();
    if (familyChosen || choice.name.isEmpty())
        choice.name = chosen.family();
    if (styleTouch.touched) {
        choice.bold = chosen.bold();
        choice.italic = chosen.italic();
    }
    choice.underline = chosen.underline();
    const std::optional<float> typed =
        parts.sizeEdit ? typedSize(parts.sizeEdit->text()) : std::nullopt;
    if (typed)
        choice.size = *typed;
    else if (chosen.pointSizeF() > 0)
        choice.size = static_cast<float>(chosen.pointSizeF());
    return true;
}
