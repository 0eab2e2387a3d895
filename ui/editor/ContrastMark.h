#pragma once

#include "contrast/ContrastAudit.h"

#include <QLabel>

#include <optional>
#include <span>

// The contrast audit's verdict on one editor row: the ratio of the row's text over
// what the preview draws behind it, then a tick when it reaches what the level needs
// or a cross when it does not (told apart by shape, not only by colour). Its tooltip
// gives the numbers, the threshold and why.
class ContrastMark : public QLabel {
    Q_OBJECT

public:
    explicit ContrastMark(QWidget* parent = nullptr);

    // Shows a row's check, with the advice that concerns the row in the tooltip.
    void showCheck(const ContrastCheck& check, std::span<const ContrastCheck> advice,
                   ContrastLevel level);
    // Shows nothing, as before the first audit.
    void clearCheck();
    // Whether the row passes; nothing while the mark shows nothing.
    std::optional<bool> passes() const { return pass_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<bool> pass_;
};

// The tooltip of a row's mark: the verdict and the ratio against what it needs at the
// level, the colours (over a picture: the ratio 95 % of its pixels reach and the worst
// pixel's), why the text needs that much (its size and boldness, or why it is judged
// as normal text), then each piece of advice about the row.
QString contrastToolTip(const ContrastCheck& check, std::span<const ContrastCheck> advice,
                        ContrastLevel level);
