#pragma once

#include <QString>

// Marks a folder as being worked on by this process for as long as the object lives:
// an advisory lock on the folder, which the system drops when the process ends, however
// it ends. A clean-up that finds a folder busy leaves it to the process at work in it.
class BusyFolder {
public:
    explicit BusyFolder(const QString& path);
    ~BusyFolder();
    BusyFolder(const BusyFolder&) = delete;
    BusyFolder& operator=(const BusyFolder&) = delete;

    // Whether a process, this one included, holds a BusyFolder of `path` now.
    static bool isBusy(const QString& path);

private:
    int handle_ = -1;
};
