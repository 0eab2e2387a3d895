#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;

// What the font dialog starts from and what it returns.
struct FontChoice {
    QString name; // as the scheme holds it; kept unless another family is chosen
    bool bold = false;
    bool italic = false;
    bool underline = false;
    float size = 0.0f; // points, fractions allowed
};

// The font dialog: a family (picked from the installed ones or typed), one of the four
// styles a scheme stores, a size with fractions and underline, over a sample drawn as
// the preview draws the choice. A family this machine lacks is kept as typed and
// offered every style; the sample then shows, and names, the face drawn in its place.
// Its parts carry object names for the tests: "fontFamily", "fontStyle", "fontSize",
// "fontUnderline", "fontSample" and "fontSampleFace".
class FontDialog : public QDialog {
    Q_OBJECT

public:
    FontDialog(const FontChoice& start, QWidget* parent = nullptr);

    // The choice as the dialog shows it now.
    FontChoice choice() const;

private:
    // The family as the user means it: typed or picked, without a foundry.
    QString family() const;
    void showSample();

    FontChoice start_;
    QComboBox* family_ = nullptr;
    QComboBox* style_ = nullptr;
    QDoubleSpinBox* size_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QLabel* sample_ = nullptr;
    QLabel* sampleFace_ = nullptr;
};

// A family name as the font system lists it, without the foundry it adds where two
// foundries offer the family ("C059 [urw]" is C059).
QString familyWithoutFoundry(const QString& listed);

// Shows the font dialog, modally, on `choice`. False when the user cancelled;
// `choice` is changed only when the dialog was accepted.
bool runFontDialog(QWidget* parent, FontChoice& choice);
