#include "startup/frmSplash.h"

#include "framework/DataFolder.h"
#include "framework/Globals.h"
#include "framework/Procedure.h"
#include "framework/Version.h"
#include "widgets/Twips.h"
#include "widgets/WindowUtil.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

// What a label of the design does beyond showing its text.
enum LabelTrait { Plain = 0, FitsText = 1, HiddenAtStart = 2, Wraps = 4 };

struct LabelDesign {
    const char* name;
    const char* text;
    float left, top, width, height;
    const char* family;
    double points;
    bool bold, italic;
    Qt::Alignment alignment;
    int traits;
};

constexpr Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;

// Marks the labels that size to their text.
constexpr const char* FitsTextProperty = "fitsText";

// The labels of Frame1, in twips relative to it.
constexpr LabelDesign Labels[] = {
    {"lblCompanyProduct", "Tintora Studio Works", 1440, 360, 2010, 285, "Arial", 12, true, false,
     TopLeft, FitsText},
    {"lblProductName", tintora::ProductName, 1440, 600, 4695, 435, "Arial", 20.25, true, false,
     TopLeft, Plain},
    {"lblVersion", QT_TRANSLATE_NOOP("frmSplash", "Version"), 5160, 960, 825, 285, "Arial", 12,
     false, true, Qt::AlignRight | Qt::AlignTop, FitsText},
    {"lblThemeStatus",
     QT_TRANSLATE_NOOP("frmSplash", "Copying and extracting theme files. Just a few moments."), 120,
     1920, 6855, 375, "MS Sans Serif", 12, true, false, Qt::AlignHCenter | Qt::AlignTop,
     HiddenAtStart},
    {"lblWarning",
     QT_TRANSLATE_NOOP("frmSplash",
                       "Tintora is free software under the GNU General Public License, "
                       "version 3 or later: you may copy, change and share it on its terms. "
                       "It comes with no warranty."),
     120, 2850, 4215, 1155, "Arial", 8.25, false, false, TopLeft, Wraps},
    {"lblCompany", QT_TRANSLATE_NOOP("frmSplash", "Made by the Tintora team"), 4680, 3480, 2295,
     255, "Arial", 8.25, false, false, TopLeft, Plain},
    {"lblCopyright", QT_TRANSLATE_NOOP("frmSplash", "Copyright 2026 Tintora Studio Works"), 4200,
     3720, 2775, 255, "Arial", 8.25, false, false, TopLeft, Plain},
};

QLabel* makeLabel(QWidget* parent, const LabelDesign& d) {
    // The company's and the product's names are the same in every language.
    auto* label = new QLabel(frmSplash::tr(d.text), parent);
    label->setObjectName(QLatin1String(d.name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twipsRect(d.left, d.top, d.width, d.height));
    label->setFont(designFont(QLatin1String(d.family), d.points, d.bold, d.italic));
    label->setAlignment(d.alignment);
    label->setWordWrap((d.traits & Wraps) != 0);
    label->setProperty(FitsTextProperty, (d.traits & FitsText) != 0);
    if (d.traits & HiddenAtStart)
        label->hide();
    return label;
}

// One of the two pacing timers: a second, exact, so that start-up takes the two
// seconds it is meant to and no more.
QTimer* makeTimer(QObject* parent, const char* name) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(1000);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setWindowIcon(productIcon());
    setFixedSize(twipsToPixels(7380), twipsToPixels(4245));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(twipsRect(150, 60, 7080, 4050));
    buildLabels(frame);

    Timer1 = makeTimer(this, "Timer1");
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer2 = makeTimer(this, "Timer2");
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

    Form_Load();
    Timer1->start();
}

void frmSplash::buildLabels(QWidget* frame) {
    auto* logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(twipsRect(240, 360, 960, 960));
    logo->setPixmap(productIcon().pixmap(64, 64));

    for (const LabelDesign& design : Labels)
        makeLabel(frame, design);
    lblVersion = frame->findChild<QLabel*>(QStringLiteral("lblVersion"));
    lblThemeStatus = frame->findChild<QLabel*>(QStringLiteral("lblThemeStatus"));

    prgThemeStatus = new QProgressBar(frame);
    prgThemeStatus->setObjectName(QStringLiteral("prgThemeStatus"));
    prgThemeStatus->setGeometry(twipsRect(600, 2370, 5895, 300));
    prgThemeStatus->setRange(0, 1000);
    prgThemeStatus->hide();
}

void frmSplash::Form_Load() {
    Procedure proc(QStringLiteral("frmSplash.Form_Load"));
    proc.step([&] {
        lblVersion->setText(tr("Version %1")
                                .arg(formatVersion(tintora::VersionMajor, tintora::VersionMinor,
                                                   tintora::VersionRevision)));
    });
    proc.step([&] { subSetupGlobals(); });
    proc.step([&] { subSetupFolders(); });
    proc.step([&] { themeSources = machineThemeSources(); });
    proc.step([&] { CenterForm(this); });
}

void frmSplash::showEvent(QShowEvent* event) {
    // The labels that size to their text take their size as the splash is shown, as
    // a layout would. Measuring text is the program's first use of the fonts, which
    // costs more than the rest of the load; here it no longer holds up Timer1, whose
    // second starts when the load is done.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!label->property(FitsTextProperty).toBool())
            continue;
        // A right-aligned label keeps its design right edge.
        const int right = label->geometry().right();
        label->adjustSize();
        if (label->alignment() & Qt::AlignRight)
            label->move(right - label->width() + 1, label->y());
    }
    QDialog::showEvent(event);
}

void frmSplash::closeEvent(QCloseEvent* event) {
    if (installing_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void frmSplash::reject() {
    if (!installing_)
        QDialog::reject();
}

QStringList frmSplash::installThemes(Procedure& proc) {
    QStringList captions;
    ThemeInstaller installer(themeSources, DataFolder::themesDir(globals().StartDir));
    installer.addThemesItem = [&captions](const QString& caption) { captions.append(caption); };
    installer.packageStarted = [this](const QString&) {
        lblThemeStatus->show();
        prgThemeStatus->setValue(0);
        prgThemeStatus->show();
    };
    installer.progress = [this](int permille) { prgThemeStatus->setValue(permille); };
    installing_ = true;
    installer.run(proc);
    installing_ = false;
    return captions;
}

void frmSplash::Timer1_Timer() {
    Procedure proc(QStringLiteral("frmSplash.Timer1_Timer"));
    proc.step([&] { Timer1->stop(); });
    proc.step([&] { QGuiApplication::setOverrideCursor(Qt::WaitCursor); });
    const QStringList captions = installThemes(proc);
    // The Themes menu is the main window's: filling it loads that window, unshown.
    proc.step([&] { Q_EMIT themesListed(captions); });

    // A label shows "&&" as it stands; the caption means one ampersand.
    proc.step([&] { lblThemeStatus->setText(tr("File copy & extraction complete.")); });
    proc.step([&] { Timer2->start(); });
}

void frmSplash::Timer2_Timer() {
    Procedure proc(QStringLiteral("frmSplash.Timer2_Timer"));
    proc.step([&] { Timer2->stop(); });
    // Between the splash closing and the main window showing no window is visible;
    // that must not end the program.
    const bool quitOnClose = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    proc.step([&] { close(); });
    proc.step([&] { Q_EMIT startUpFinished(); });
    QGuiApplication::setQuitOnLastWindowClosed(quitOnClose);
    proc.step([&] { QGuiApplication::restoreOverrideCursor(); });
}
