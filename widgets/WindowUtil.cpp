#include "widgets/WindowUtil.h"

#include "framework/Procedure.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <array>
#include <map>

void CenterForm(QWidget* window) {
    Procedure proc(QStringLiteral("CV-Code.CenterForm"));
    proc.step([&] {
        QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect area = screen->availableGeometry();
        const QSize frame = window->frameGeometry().size();
        // Half-pixel positions are computed in floating point, as the design does. A
        // window larger than the area keeps its top-left corner, and with it the menu
        // bar, inside the area.
        const auto start = [](int areaStart, int areaLength, int length) {
            const float offset = static_cast<float>(areaLength - length) / 2.0f;
            return areaStart + qMax(0, qRound(offset));
        };
        window->move(start(area.left(), area.width(), frame.width()),
                     start(area.top(), area.height(), frame.height()));
    });
}

QFont designFont(const QString& family, double points, bool bold, bool italic, bool underline) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

void installFontSubstitutions() {
    // The window's design texts were fitted to a compact bitmap face; the narrow
    // metric-compatible face keeps them inside their design widths.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

QColor colorFromValue(int value) {
    const auto v = static_cast<unsigned>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

int valueFromColor(const QColor& color) {
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

namespace {

// The design's PNGs built into the program, each size read when it is first asked
// for: the splash wants one for its logo as it opens, and reading all eight there
// held up the start.
class BundledIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int wanted = std::max(size.width(), size.height());
        // The smallest size at least as large, else the largest, scaled to fit.
        const auto it =
            std::find_if(Sizes.begin(), Sizes.end(), [&](int s) { return s >= wanted; });
        const int read = it == Sizes.end() ? Sizes.back() : *it;
        QPixmap& pixmap = read_[read];
        if (pixmap.isNull())
            pixmap.load(QStringLiteral(":/icons/tintora-%1.png").arg(read));
        if (pixmap.isNull() || pixmap.size() == size)
            return pixmap;
        return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(
            rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int s : Sizes)
            sizes.append(QSize(s, s));
        return sizes;
    }
    QIconEngine* clone() const override { return new BundledIconEngine(*this); }

private:
    static constexpr std::array<int, 8> Sizes{16, 22, 24, 32, 48, 64, 128, 256};
    std::map<int, QPixmap> read_;
};

} // namespace

QIcon productIcon() {
    // The icon theme's, where the program is installed; else the bundled PNGs. Made
    // once: both windows and the splash's logo show it. It goes with the application,
    // before the pictures can no longer be released.
    static QIcon* icon = nullptr;
    if (!icon) {
        icon = new QIcon(QIcon::fromTheme(QStringLiteral("io.github.tintora.Tintora"),
                                          QIcon(new BundledIconEngine)));
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}
