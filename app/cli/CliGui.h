#pragma once

#include <QApplication>

#include <memory>

// The GUI application that commands drawing the preview page need, on the offscreen
// platform unless the caller chose one, with the fonts set up as the desktop does.
class CliGuiApplication {
public:
    CliGuiApplication();
    CliGuiApplication(const CliGuiApplication&) = delete;
    CliGuiApplication& operator=(const CliGuiApplication&) = delete;

private:
    int argc_ = 1;
    char name_[12] = "tintora-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};
