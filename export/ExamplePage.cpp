#include "export/ExamplePage.h"

#include "theme/ColorScheme.h"

#include <QUrl>

namespace {

const QString CssSuffix = QStringLiteral(".css");

// A button of the page: a link with the class of its picture, its text in a span.
QString button(const char* classes, const char* text) {
    return QStringLiteral("<a class=\"%1\" href=\"#\"><span>%2</span></a>")
        .arg(QLatin1String(classes), QLatin1String(text));
}

QString quickLinks(const char* state) {
    QString row;
    for (const char* link : {"back", "home", "up", "next"}) {
        const QString classes =
            QStringLiteral("tintora-") + QLatin1String(link) + QLatin1String(state);
        QString caption = QLatin1String(link);
        caption[0] = caption[0].toUpper();
        row += QStringLiteral("\n  <a class=\"%1\" href=\"#\"><span>%2</span></a>")
                   .arg(classes, caption);
    }
    return QStringLiteral("<p>") + row + QStringLiteral("\n</p>\n");
}

} // namespace

QString examplePagePath(const QString& cssPath) {
    const QString base = cssPath.endsWith(CssSuffix, Qt::CaseInsensitive)
                             ? cssPath.chopped(CssSuffix.size())
                             : cssPath;
    return base + QStringLiteral(".html");
}

QByteArray examplePage(const ColorScheme& scheme, const QString& styleSheetName) {
    const QString title = scheme.ThemeName.trimmed().isEmpty()
                              ? QStringLiteral("Example page")
                              : scheme.ThemeName.simplified() + QStringLiteral(": example page");
    // The sheet's file name as a relative URL: a name with "#", "?" or blanks must not
    // be read as a fragment, a query or two names.
    const QString href = QString::fromUtf8(QUrl::toPercentEncoding(styleSheetName));
    QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n"
                                  "<meta charset=\"utf-8\">\n"
                                  "<meta name=\"viewport\" content=\"width=device-width\">\n"
                                  "<title>%1</title>\n"
                                  "<link rel=\"stylesheet\" href=\"%2\">\n"
                                  "</head>\n<body>\n")
                       .arg(title.toHtmlEscaped(), href.toHtmlEscaped());
    page += QStringLiteral("<header>\n<div class=\"tintora-banner\"><span>Banner</span></div>\n"
                           "<nav>\n  ");
    page += button("tintora-nav", "Button") + QStringLiteral("\n  ") +
            button("tintora-nav tintora-current", "Button");
    page += QStringLiteral("\n</nav>\n</header>\n<main>\n"
                           "<ul>\n  <li>Bullet 1\n    <ul>\n      <li>Bullet 2\n"
                           "        <ul>\n          <li>Bullet 3</li>\n        </ul>\n"
                           "      </li>\n    </ul>\n  </li>\n</ul>\n<hr>\n");
    page += quickLinks("");
    page += quickLinks(" tintora-current");
    for (int level = 1; level <= 6; ++level)
        page += QStringLiteral("<h%1>Heading %1 Style</h%1>\n").arg(level);
    page += QStringLiteral("<p>Regular Text Sample</p>\n"
                           "<p><a href=\"#\">Regular Hyperlink</a></p>\n"
                           "<p><a class=\"tintora-visited\" href=\"#\">Followed Hyperlink</a></p>\n"
                           "<p><a class=\"tintora-active\" href=\"#\">Active Hyperlink</a></p>\n"
                           "</main>\n<footer>\n<p>\n  ");
    page += button("tintora-global", "Button") + QStringLiteral("\n  ") +
            button("tintora-global", "Button") + QStringLiteral("\n  ") +
            button("tintora-global", "Button");
    page += QStringLiteral("\n</p>\n<nav>\n<div>") + button("tintora-vnav", "Button") +
            QStringLiteral("</div>\n<div>") + button("tintora-vnav tintora-current", "Button") +
            QStringLiteral("</div>\n</nav>\n</footer>\n</body>\n</html>\n");
    return page.toUtf8();
}
