#pragma once

#include "contrast/ContrastAudit.h"
#include "scheme/FileInformation.h"
#include "theme/ColorScheme.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One theme of a batch: the Themes menu caption it is chosen by and its folder, which
// names its outputs.
struct BatchTheme {
    QString caption;
    QString folder;
};

// One theme per theme folder, in menu order: "Default" stands for Studio, and a folder
// the menu lists twice is done once, under its first caption.
QList<BatchTheme> batchThemes(const QStringList& captions);

struct BatchSettings {
    QString themesDir;
    QString outputDir;
    // What the written files say about the program. A batch gives every run the same,
    // so that a rerun writes the same bytes.
    FileInformation info;
    bool showBackground = false; // the preview options, as render takes them
    bool opaqueLabels = false;
    // Told how many themes are finished each time one is.
    std::function<void(qsizetype done)> progress;
};

// A theme chosen and drawn: what the outputs are made from.
struct RenderedTheme {
    BatchTheme theme;
    ColorScheme scheme;
    QImage preview;
    ContrastAudit audit; // at AA, over the backdrops of the preview drawn
    QStringList errors;  // every error reported so far, one line each
};

// One file written for every theme, into OUTDIR/FOLDER/.
struct BatchOutput {
    const char* fileName;
    const char* title; // its link in index.html
    QByteArray (*make)(const RenderedTheme& theme, const FileInformation& info);
};
const QList<BatchOutput>& batchOutputs();

// A theme that reported errors: its folder and the errors, one line each.
struct BatchFailure {
    QString folder;
    QStringList errors;
};

struct BatchResult {
    QList<BatchFailure> failures; // in menu order
    bool indexWritten = false;
    QString indexError; // why it was not
};

// Writes the outputs of every theme and OUTDIR/index.html, which shows the previews
// side by side with links to the other files. Themes are read and their files made and
// written on every core; the preview page, a widget, is drawn on the calling thread,
// which must be the application's. At most a few themes are in hand at any time, so
// memory does not grow with their number. Needs a QApplication.
BatchResult runBatch(const BatchSettings& settings, const QList<BatchTheme>& themes);
