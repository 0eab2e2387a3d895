#include "ui/dialogs/ErrorListBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// Room kept free of the box on the screen for the window manager's frame.
constexpr int FrameRoom = 48;

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* iconLabel(QWidget* box) {
    auto* icon = new QLabel(box);
    const int size = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
    icon->setPixmap(
        box->style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, box).pixmap(size));
    icon->setAlignment(Qt::AlignTop);
    return icon;
}

} // namespace

ErrorListBox::ErrorListBox(const QString& message, const QStringList& items, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("errorListBox"));
    setWindowTitle(QStringLiteral("Tintora"));
    const QScreen* shownOn = screen();
    const QRect room = shownOn ? shownOn->availableGeometry() : QRect(0, 0, 800, 600);
    const int width = qMin(room.width() * 4 / 5, fontMetrics().averageCharWidth() * 110);
    QLabel* icon = iconLabel(this);
    // Each shown item on one line, cut in its middle where it is too long (a file's name
    // and line number stay in view); the whole of it is the label's tooltip.
    const int textWidth = width - icon->sizeHint().width() - 4 * FrameRoom / 3;

    auto* text = new QVBoxLayout;
    QLabel* told = plainLabel(message, this);
    told->setWordWrap(true);
    text->addWidget(told);
    QStringList shown;
    for (const QString& item : items.mid(0, ShownItems))
        shown << fontMetrics().elidedText(item, Qt::ElideMiddle, textWidth);
    if (!shown.isEmpty()) {
        QLabel* first = plainLabel(shown.join(QLatin1Char('\n')), this);
        first->setToolTip(items.mid(0, ShownItems).join(QLatin1Char('\n')));
        text->addWidget(first);
    }
    if (items.size() > ShownItems) {
        const auto more = static_cast<int>(items.size() - ShownItems);
        text->addWidget(plainLabel(tr("... and %n more:", nullptr, more), this));
        rest_ = new QPlainTextEdit(this);
        rest_->setObjectName(QStringLiteral("rest"));
        rest_->setReadOnly(true);
        rest_->setLineWrapMode(QPlainTextEdit::NoWrap);
        rest_->setPlainText(items.mid(ShownItems).join(QLatin1Char('\n')));
        text->addWidget(rest_);
    }

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addLayout(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    fitToScreen(width, room.height() - FrameRoom);
}

void ErrorListBox::fitToScreen(int width, int height) {
    if (rest_) {
        const int line = rest_->fontMetrics().lineSpacing();
        const int frame =
            2 * rest_->frameWidth() + 2 * static_cast<int>(rest_->document()->documentMargin()) + 1;
        rest_->setFixedHeight(3 * line + frame);
        // What the box needs besides the list, then as many of the list's lines as fit.
        const int others = layout()->totalHeightForWidth(width) - rest_->height();
        const int lines = qBound(3, (height - others - frame) / line, 12);
        rest_->setFixedHeight(lines * line + frame);
    }
    resize(width, qMin(height, layout()->totalHeightForWidth(width)));
}
