#pragma once

#include "framework/ErrorHandler.h"

#include <functional>

// The desktop's error prompt: a modal box titled "RUNTIME ERROR" with a critical
// icon, Abort / Retry / Ignore and Retry the default; plain messages get an OK box.
// The box has no Cancel, so Escape and its close button leave it open: only a choice
// of the three closes it.
class QtErrorPrompt : public ErrorPrompt {
public:
    Answer askRuntimeError(const QString& message) override;
    void inform(const QString& message) override;
    // The first items in the box and how many more there are, the rest in a list to
    // scroll through (ErrorListBox), so that no number of items makes the box outgrow
    // the screen or keeps it long from opening.
    void informList(const QString& message, const QStringList& items) override;

    // Asked when the user chooses Abort, before the program ends (the main window
    // offers to save unsaved changes there). False shows the box again.
    void setAbortCheck(std::function<bool()> check) { abortCheck_ = std::move(check); }

private:
    std::function<bool()> abortCheck_;
};
