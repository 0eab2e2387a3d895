#include "widgets/WindowUtil.h"

#include "framework/Procedure.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

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
// A palette card: four swatches on a rounded tile, the product's mark.
QIcon drawProductIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2B, 0x33, 0x48));
        p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
        const QColor swatches[4] = {QColor(0xE8, 0x5D, 0x3F), QColor(0xF2, 0xB1, 0x34),
                                    QColor(0x3F, 0xA7, 0x96), QColor(0x5B, 0x8D, 0xEF)};
        const qreal cell = s * 0.34;
        const qreal gap = s * 0.1;
        for (int i = 0; i < 4; ++i) {
            p.setBrush(swatches[i]);
            p.drawRoundedRect(
                QRectF(gap + (i % 2) * (cell + gap), gap + (i / 2) * (cell + gap), cell, cell),
                s * 0.06, s * 0.06);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}
} // namespace

QIcon productIcon() {
    // Drawn once: both windows and the splash's logo show it. It goes with the
    // application, before the pictures can no longer be released.
    static QIcon* icon = nullptr;
    if (!icon) {
        icon = new QIcon(drawProductIcon());
        qAddPostRoutine([] {
            delete icon;
            icon = nullptr;
        });
    }
    return *icon;
}
