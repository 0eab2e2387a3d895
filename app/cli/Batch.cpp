#include "app/cli/Batch.h"

#include "contrast/AuditFormat.h"
#include "export/CssExport.h"
#include "framework/ErrorHandler.h"
#include "framework/FileAccess.h"
#include "framework/Procedure.h"
#include "framework/RuntimeError.h"
#include "scheme/SchemeFile.h"
#include "scheme/SchemeJson.h"
#include "scheme/SchemeReport.h"
#include "theme/ChooseTheme.h"
#include "ui/preview/PreviewBackdrops.h"
#include "ui/preview/PreviewPage.h"
#include "ui/preview/PreviewPictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QThread>
#include <QThreadPool>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <deque>

namespace {

// Each theme's style sheet and the example page that uses it.
constexpr const char* ExampleSheet = "theme.css";
constexpr const char* ExamplePage = "theme.html";

QByteArray schemeOutput(const RenderedTheme& theme, const FileInformation& info) {
    return schemeFileBytes(schemeFileLines(theme.scheme, info));
}

QByteArray reportOutput(const RenderedTheme& theme, const FileInformation& info) {
    return reportText(reportLines(theme.scheme, info));
}

QByteArray jsonOutput(const RenderedTheme& theme, const FileInformation& info) {
    return schemeJson(schemeSections(theme.scheme, info));
}

QByteArray previewOutput(const RenderedTheme& theme, const FileInformation&) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!theme.preview.save(&buffer, "PNG"))
        raiseError(Err::DeviceIO);
    return bytes;
}

QByteArray auditOutput(const RenderedTheme& theme, const FileInformation&) {
    return (auditText(theme.audit).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

// Worker: the theme chosen as the Themes menu chooses it.
RenderedTheme readTheme(const BatchTheme& theme, const QString& themesDir) {
    CollectingErrorPrompt prompt;
    RenderedTheme result;
    result.theme = theme;
    result.scheme.fillFontSizeTable();
    {
        Procedure proc(QStringLiteral("frmMain.mnuThemesItem_Click"));
        chooseTheme(result.scheme, themesDir, theme.caption);
    }
    result.errors = prompt.lines;
    return result;
}

// What the index needs of a finished theme.
struct FinishedTheme {
    BatchTheme theme;
    QSize previewSize;
    ContrastLevel level;
    int failingChecks; // advice left out
    QStringList errors;
};

int failingChecks(const ContrastAudit& audit) {
    return static_cast<int>(
        std::count_if(audit.checks.begin(), audit.checks.end(),
                      [](const ContrastCheck& c) { return !c.advice && !c.pass; }));
}

// Worker: every output made and written.
FinishedTheme writeTheme(RenderedTheme theme, const BatchSettings& settings) {
    CollectingErrorPrompt prompt;
    {
        Procedure proc(QStringLiteral("frmMain.mnuFileSave_Click"));
        const QString folder = settings.outputDir + QLatin1Char('/') + theme.theme.folder;
        proc.TaskDetail = folder;
        const bool made = proc.step([&] {
            // Outputs stay inside the output folder: a link there is not followed.
            if (QFileInfo(folder).isSymLink())
                raiseError(Err::PathFileAccess);
            if (!QDir().mkpath(folder))
                raiseFileError(folder, true);
        });
        for (const BatchOutput& output : batchOutputs()) {
            if (!made)
                break;
            const QString path = folder + QLatin1Char('/') + QString::fromLatin1(output.fileName);
            proc.TaskDetail = path;
            QByteArray bytes;
            if (proc.step([&] { bytes = output.make(theme, settings.info); }))
                proc.step([&] { saveFileBytes(path, bytes, OutputPlace::InFolder); });
        }
        // The theme as a style sheet with its pictures and example page, after the other
        // outputs so that no picture copy takes one of their names.
        if (made)
            exportCss(proc, theme.scheme, folder + QLatin1Char('/') + QLatin1String(ExampleSheet),
                      ExistingOutput::Replace, PreviewPictures::isPicture,
                      {settings.showBackground, settings.opaqueLabels}, OutputPlace::InFolder);
    }
    theme.errors += prompt.lines;
    return {theme.theme, theme.preview.size(), theme.audit.level, failingChecks(theme.audit),
            theme.errors};
}

QString html(const QString& text) {
    return text.toHtmlEscaped();
}

QString href(const QString& folder, const char* file) {
    return QString::fromLatin1(QUrl::toPercentEncoding(folder)) + QLatin1Char('/') +
           QString::fromLatin1(file);
}

QByteArray indexHead() {
    return "<!DOCTYPE html>\n"
           "<html lang=\"en\">\n"
           "<head>\n"
           "<meta charset=\"utf-8\">\n"
           "<title>Tintora themes</title>\n"
           "<style>\n"
           "body { font-family: sans-serif; margin: 1em; background: #f4f4f4; }\n"
           ".themes { display: flex; flex-wrap: wrap; gap: 1em; align-items: flex-start; }\n"
           "figure { margin: 0; padding: 0.5em; background: white; border: 1px solid #ccc; }\n"
           "figure img { display: block; width: 320px; height: auto; }\n"
           "figcaption { margin-top: 0.5em; max-width: 320px; }\n"
           ".errors { color: #a00; font-size: smaller; overflow-wrap: anywhere; }\n"
           ".fails { color: #a00; }\n"
           "</style>\n"
           "</head>\n"
           "<body>\n"
           "<h1>Tintora themes</h1>\n"
           "<div class=\"themes\">\n";
}

QByteArray indexEntry(const FinishedTheme& theme) {
    const QString& folder = theme.theme.folder;
    QString caption = html(theme.theme.caption);
    if (theme.theme.caption != folder)
        caption += QStringLiteral(" (") + html(folder) + QLatin1Char(')');
    // Loaded as they scroll into view, each with its size known before it comes, so a
    // page of a thousand themes opens at once and does not jump about. One arg() for
    // all: a chained one would replace the "%2" of a percent-encoded folder name put in
    // by the one before.
    QString text = QStringLiteral("<figure>\n<a href=\"%1\"><img src=\"%1\" width=\"%2\" "
                                  "height=\"%3\" loading=\"lazy\" decoding=\"async\" "
                                  "alt=\"Preview of %4\"></a>\n")
                       .arg(href(folder, "preview.png"), QString::number(theme.previewSize.width()),
                            QString::number(theme.previewSize.height()), html(folder));
    text += QStringLiteral("<figcaption><strong>") + caption + QStringLiteral("</strong><br>");
    QStringList links{
        QStringLiteral("<a href=\"%1\">example page</a>").arg(href(folder, ExamplePage))};
    for (const BatchOutput& output : batchOutputs())
        links << QStringLiteral("<a href=\"%1\">%2</a>")
                     .arg(href(folder, output.fileName), QString::fromLatin1(output.title));
    text += links.join(QStringLiteral(" &middot; "));
    const QString level = contrastLevelText(theme.level);
    text += theme.failingChecks == 0
                ? QStringLiteral("<br>Contrast %1: every text passes").arg(level)
                : QStringLiteral("<br><span class=\"fails\">Contrast %1: %2 of %3 texts "
                                 "fail</span>")
                      .arg(level)
                      .arg(theme.failingChecks)
                      .arg(EditorRowCount - 1);
    if (!theme.errors.isEmpty()) {
        text += QStringLiteral("\n<ul class=\"errors\">");
        for (const QString& error : theme.errors)
            text += QStringLiteral("<li>") + html(error) + QStringLiteral("</li>");
        text += QStringLiteral("</ul>");
    }
    text += QStringLiteral("</figcaption>\n</figure>\n");
    return text.toUtf8();
}

QByteArray indexTail() {
    return "</div>\n</body>\n</html>\n";
}

} // namespace

const QList<BatchOutput>& batchOutputs() {
    static const QList<BatchOutput> outputs{
        {"scheme.tna", "scheme file", schemeOutput},  {"report.txt", "report", reportOutput},
        {"scheme.json", "JSON", jsonOutput},          {"preview.png", "preview", previewOutput},
        {"audit.txt", "contrast audit", auditOutput},
    };
    return outputs;
}

QList<BatchTheme> batchThemes(const QStringList& captions) {
    QList<BatchTheme> themes;
    QStringList folders;
    for (const QString& caption : captions) {
        const QString folder = themeFolderFor(caption);
        if (folders.contains(folder))
            continue;
        folders.append(folder);
        themes.append({caption, folder});
    }
    return themes;
}

BatchResult runBatch(const BatchSettings& settings, const QList<BatchTheme>& themes) {
    BatchResult result;
    // Held whole and written at the end as every other file is, so a failure to
    // write it shows and a good old index stays.
    QByteArray index = indexHead();
    const auto writeIndex = [&](const QByteArray& bytes) { index += bytes; };

    // Enough themes in hand to keep every worker busy while this thread draws.
    QThreadPool* pool = QThreadPool::globalInstance();
    const qsizetype window = std::max(2, 2 * pool->maxThreadCount());
    std::deque<QFuture<RenderedTheme>> reading;
    std::deque<QFuture<FinishedTheme>> writing;
    qsizetype next = 0;
    qsizetype finishedCount = 0;

    const auto finishOldest = [&] {
        const FinishedTheme finished = writing.front().result();
        writing.pop_front();
        writeIndex(indexEntry(finished));
        if (!finished.errors.isEmpty())
            result.failures.append({finished.theme.folder, finished.errors});
        if (settings.progress)
            settings.progress(++finishedCount);
    };

    PreviewPage page;
    page.setBackgroundPictureVisible(settings.showBackground);
    page.setOverPictureLabelsTransparent(!settings.opaqueLabels);

    for (qsizetype i = 0; i < themes.size(); ++i) {
        while (next < themes.size() && static_cast<qsizetype>(reading.size()) < window) {
            reading.push_back(QtConcurrent::run(pool, readTheme, themes[next], settings.themesDir));
            ++next;
        }
        RenderedTheme theme = reading.front().result();
        reading.pop_front();
        {
            CollectingErrorPrompt prompt;
            const QStringList missing = page.DisplayRefresh(theme.scheme);
            if (!missing.isEmpty())
                errorPrompt().inform(missingPicturesMessage(missing));
            theme.preview = page.grab().toImage();
            theme.audit = auditScheme(theme.scheme, PreviewBackdrops(page), ContrastLevel::AA);
            theme.errors += prompt.lines;
        }
        writing.push_back(QtConcurrent::run(pool, writeTheme, std::move(theme), settings));
        while (static_cast<qsizetype>(writing.size()) > window)
            finishOldest();
        // Qt trims its font caches on a timer; without this their size would grow
        // with the number of themes.
        QCoreApplication::processEvents();
    }
    while (!writing.empty())
        finishOldest();

    writeIndex(indexTail());
    const QString indexPath = settings.outputDir + QStringLiteral("/index.html");
    try {
        saveFileBytes(indexPath, index, OutputPlace::InFolder);
        result.indexWritten = true;
    } catch (const RuntimeError& error) {
        result.indexError = error.description();
    }
    return result;
}
