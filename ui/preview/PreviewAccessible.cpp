#include "ui/preview/PreviewAccessible.h"

#include "ui/preview/PreviewPointer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace {

int spotCount(const PreviewPointer* pointer) {
    return pointer ? static_cast<int>(pointer->hitMap().spots().size()) : 0;
}

// One element of the preview.
class SpotAccessible : public QAccessibleInterface {
public:
    SpotAccessible(PreviewPointer* pointer, int spot) : pointer_(pointer), spot_(spot) {}

    bool isValid() const override { return spot_ < spotCount(pointer_); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(pointer_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? pointer_->describe(spot_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect area = pointer_->spotRect(spot_);
        return QRect(pointer_->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = isValid() && pointer_->hasFocus() && pointer_->currentSpot() == spot_;
        s.invisible = !isValid();
        return s;
    }

private:
    QPointer<PreviewPointer> pointer_;
    int spot_;
};

// The layer: a list of its elements.
class PointerAccessible : public QAccessibleWidget {
public:
    explicit PointerAccessible(PreviewPointer* pointer)
        : QAccessibleWidget(pointer, QAccessible::List) {}

    int childCount() const override { return spotCount(pointer()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (static_cast<int>(children_.size()) <= index) {
            auto* spot = new SpotAccessible(pointer(), static_cast<int>(children_.size()));
            QAccessible::registerAccessibleInterface(spot);
            children_.push_back(spot);
        }
        return children_[static_cast<std::size_t>(index)];
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < children_.size(); ++i)
            if (children_[i] == child)
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return pointer()->hasFocus() ? child(pointer()->currentSpot()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = pointer()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (pointer()->spotRect(i).contains(local))
                return child(i);
        return nullptr;
    }

private:
    PreviewPointer* pointer() const { return static_cast<PreviewPointer*>(widget()); }

    // Owned by Qt's registry once registered.
    mutable std::vector<QAccessibleInterface*> children_;
};

QAccessibleInterface* pointerAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("PreviewPointer") && object && object->isWidgetType())
        return new PointerAccessible(static_cast<PreviewPointer*>(object));
    return nullptr;
}

} // namespace

void installPreviewAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(pointerAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}
