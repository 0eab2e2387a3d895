#include "ui/dialogs/FontDialog.h"

#include "theme/DrawnFont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <optional>

namespace {

// The largest size the dialog offers; the preview draws up to LargestFontSize.
constexpr double LargestOffered = 512.0;

// A size as typed: a point or a comma before the fraction, whatever the language, as
// a font size never has thousands.
std::optional<float> typedSize(QString text) {
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double size = text.toDouble(&ok);
    if (!ok || !(size >= 1.0 && size <= LargestOffered))
        return std::nullopt;
    return static_cast<float>(size);
}

// A size field that takes either decimal mark and shows the user's own, without
// trailing zeros ("10,5" in German, "14" for a whole size).
class FontSizeBox : public QDoubleSpinBox {
public:
    explicit FontSizeBox(QWidget* parent) : QDoubleSpinBox(parent) {
        setDecimals(2);
        setRange(1.0, LargestOffered);
        setSingleStep(1.0);
    }

protected:
    QString textFromValue(double value) const override {
        QLocale shown = locale();
        shown.setNumberOptions(QLocale::OmitGroupSeparator);
        return shown.toString(value, 'g', 6);
    }
    double valueFromText(const QString& text) const override {
        return typedSize(text).value_or(static_cast<float>(value()));
    }
    QValidator::State validate(QString& text, int&) const override {
        static const QRegularExpression form(QStringLiteral("^\\d{0,3}([.,]\\d{0,2})?$"));
        if (!form.match(text.trimmed()).hasMatch())
            return QValidator::Invalid;
        return typedSize(text) ? QValidator::Acceptable : QValidator::Intermediate;
    }
};

// The four styles a scheme stores, in the order of their codes: italic adds 1, bold 2.
constexpr const char* StyleNames[] = {
    QT_TRANSLATE_NOOP("FontDialog", "Regular"), QT_TRANSLATE_NOOP("FontDialog", "Italic"),
    QT_TRANSLATE_NOOP("FontDialog", "Bold"), QT_TRANSLATE_NOOP("FontDialog", "Bold Italic")};

} // namespace

QString familyWithoutFoundry(const QString& listed) {
    static const QRegularExpression foundry(QStringLiteral("^(.*\\S)\\s*\\[[^\\]]*\\]$"));
    const QRegularExpressionMatch match = foundry.match(listed.trimmed());
    return match.hasMatch() ? match.captured(1) : listed.trimmed();
}

FontDialog::FontDialog(const FontChoice& start, QWidget* parent) : QDialog(parent), start_(start) {
    setWindowTitle(tr("Font"));

    auto* families = new QFontComboBox(this);
    families->setObjectName(QStringLiteral("fontFamily"));
    // A family may be typed that this machine lacks: the field keeps what was typed
    // rather than completing it into another family's name.
    families->setInsertPolicy(QComboBox::NoInsert);
    auto* completer = new QCompleter(families->model(), families);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    families->setCompleter(completer);
    family_ = families;
    const QString startName =
        start.name.trimmed().isEmpty() ? QFontInfo(font()).family() : start.name;
    family_->setEditText(startName);

    style_ = new QComboBox(this);
    style_->setObjectName(QStringLiteral("fontStyle"));
    for (const char* name : StyleNames)
        style_->addItem(tr(name));
    style_->setCurrentIndex((start.bold ? 2 : 0) + (start.italic ? 1 : 0));

    size_ = new FontSizeBox(this);
    size_->setObjectName(QStringLiteral("fontSize"));
    size_->setValue(start.size > 0 ? static_cast<double>(start.size) : font().pointSizeF());

    underline_ = new QCheckBox(tr("&Underline"), this);
    underline_->setObjectName(QStringLiteral("fontUnderline"));
    underline_->setChecked(start.underline);

    auto* form = new QFormLayout;
    form->addRow(tr("&Family:"), family_);
    form->addRow(tr("St&yle:"), style_);
    form->addRow(tr("&Size:"), size_);
    form->addRow(QString(), underline_);

    auto* sampleBox = new QGroupBox(tr("Sample"), this);
    sample_ = new QLabel(QStringLiteral("AaBbYyZz 0123"), sampleBox);
    sample_->setObjectName(QStringLiteral("fontSample"));
    sample_->setAlignment(Qt::AlignCenter);
    // A large size is shown cut off rather than growing the dialog off the screen.
    sample_->setFixedHeight(96);
    sample_->setMinimumWidth(360);
    sampleFace_ = new QLabel(sampleBox);
    sampleFace_->setObjectName(QStringLiteral("fontSampleFace"));
    sampleFace_->setWordWrap(true);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    sampleLayout->addWidget(sample_);
    sampleLayout->addWidget(sampleFace_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(sampleBox);
    layout->addWidget(buttons);

    const auto changed = [this, ok = buttons->button(QDialogButtonBox::Ok)] {
        ok->setEnabled(!family().isEmpty());
        showSample();
    };
    connect(family_, &QComboBox::editTextChanged, this, changed);
    connect(style_, &QComboBox::currentIndexChanged, this, changed);
    connect(size_, &QDoubleSpinBox::textChanged, this, changed);
    connect(underline_, &QCheckBox::toggled, this, changed);
    changed();
    family_->setFocus();
}

QString FontDialog::family() const {
    const QString typed = family_->currentText().trimmed();
    // The name as the scheme held it, quotes and letter case included, unless changed.
    if (typed == start_.name.trimmed())
        return start_.name;
    return familyWithoutFoundry(typed);
}

FontChoice FontDialog::choice() const {
    FontChoice chosen;
    chosen.name = family();
    chosen.italic = style_->currentIndex() % 2 == 1;
    chosen.bold = style_->currentIndex() >= 2;
    chosen.underline = underline_->isChecked();
    chosen.size = typedSize(size_->cleanText()).value_or(static_cast<float>(size_->value()));
    return chosen;
}

void FontDialog::showSample() {
    const FontChoice now = choice();
    const QString wanted = drawnFamily(now.name);
    // Drawn as the preview draws it: a family this machine lacks falls back the same way.
    QFont face = font();
    if (!wanted.isEmpty())
        face.setFamily(wanted);
    face.setPointSizeF(static_cast<double>(now.size));
    face.setBold(now.bold);
    face.setItalic(now.italic);
    face.setUnderline(now.underline);
    sample_->setFont(face);
    const QString drawn = QFontInfo(face).family();
    if (wanted.isEmpty() || drawn.compare(wanted, Qt::CaseInsensitive) == 0)
        sampleFace_->setText(tr("Shown in %1.").arg(drawn));
    else
        sampleFace_->setText(tr("%1 is not installed here: shown in %2, as the preview shows it.")
                                 .arg(wanted, drawn));
}

bool runFontDialog(QWidget* parent, FontChoice& choice) {
    FontDialog dialog(choice, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.choice();
    return true;
}
