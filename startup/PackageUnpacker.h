#pragma once

#include <QString>

#include <functional>

// How much one theme package may unpack to. A theme is a handful of style sheets and
// small pictures, so anything near these limits is broken or hostile.
struct UnpackLimits {
    qint64 maxBytes = qint64(64) * 1024 * 1024;
    int maxEntries = 10000;
};

struct UnpackResult {
    bool ok = false;
    QString error; // why the package could not be unpacked, for the user
    int files = 0;
    qint64 bytes = 0;
};

// Called while unpacking with the bytes of the package read so far and its size.
using UnpackProgress = std::function<void(qint64 read, qint64 total)>;

// Unpacks the package file (any archive format libarchive reads: zip, tar and its
// compressed forms, cab, 7z, ...) into `folder`, which must exist. Nothing is ever
// written outside `folder`: absolute names, ".." components, links and special files
// make the whole package fail, and so does exceeding the limits. An entry with the
// package's own name is left out, so the package is never overwritten while it is
// read. Safe to call from a worker thread; the first call loads libarchive.
UnpackResult unpackPackage(const QString& package, const QString& folder,
                           const UnpackLimits& limits = {}, const UnpackProgress& progress = {});
