#pragma once

#include "scheme/SchemeDiff.h"
#include "theme/ColorScheme.h"

#include <QList>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class SchemeDocument;

// The Compare panel: every attribute whose value differs from the theme or file the
// scheme came from (or from another scheme file), one line each, "Element /
// Attribute / Then / Now", colours with their swatches. A double-click on a line gives
// that attribute its value there back, as one step of the document. Its controls carry
// object names: "lblCompareWith", "lstCompare", "cmdCompareBase", "cmdCompareFile".
class ComparePanel : public QWidget {
    Q_OBJECT

public:
    explicit ComparePanel(SchemeDocument& document, QWidget* parent = nullptr);

    // Compares with `other`, the scheme that opening the file `fileName` gives, until
    // compareWithBase.
    void compareWithFile(const ColorScheme& other, const QString& fileName);
    // Compares with the theme or file the scheme came from, as it was loaded.
    void compareWithBase();

    // What the panel lists, in file order.
    const QList<SchemeDifference>& differences() const { return listed_; }

    // How the panel names an attribute ("Text colour"); elements are named as the
    // window names them (elementCaption).
    static QString attributeCaption(Attribute attribute);
    // The attribute inside a step's name, after its element ("text colour").
    static QString attributeInName(Attribute attribute);

Q_SIGNALS:
    // The user asked to compare with another scheme file.
    void otherFileWanted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ColorScheme compared() const;
    void refresh();
    void lineDoubleClicked(QTreeWidgetItem* item);
    // Gives the attribute of `difference` the value of the scheme compared with.
    void takeValue(const SchemeDifference& difference);

    SchemeDocument& document_;
    std::optional<ColorScheme> other_;
    QString otherName_;
    QList<SchemeDifference> listed_;
    QLabel* lblCompareWith = nullptr;
    QTreeWidget* lstCompare = nullptr;
    QPushButton* cmdCompareBase = nullptr;
    QPushButton* cmdCompareFile = nullptr;
};
