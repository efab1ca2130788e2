// SPDX-License-Identifier: MIT
#include "ColorHistoryViewAccessible.h"

#include <QPointer>

#include "ColorFormatter.h"
#include "ColorHistoryView.h"

namespace hueloupe {

namespace {

// One chip: a button with no object of its own, answering through its row.
class ChipAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ChipAccessible(ColorHistoryView* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return view_ != nullptr && index_ < view_->chipCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name && isValid()
                   ? ColorHistoryViewAccessible::chipName(*view_, index_)
                   : QString();
    }
    void setText(QAccessible::Text /*type*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect local = view_->chipRect(index_).toAlignedRect();
        return {view_->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = isValid() && view_->hasFocus() && view_->focusedChip() == index_;
        state.invisible = !isValid() || !view_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid()) {
            view_->selectChip(index_);
        }
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }

private:
    QPointer<ColorHistoryView> view_;
    int index_;
};

QAccessibleInterface* makeInterface(const QString& /*className*/, QObject* object) {
    auto* view = qobject_cast<ColorHistoryView*>(object);
    return view != nullptr ? new ColorHistoryViewAccessible(view) : nullptr;
}

}  // namespace

ColorHistoryViewAccessible::ColorHistoryViewAccessible(ColorHistoryView* view)
    : QAccessibleWidget(view, QAccessible::Grouping) {}

ColorHistoryViewAccessible::~ColorHistoryViewAccessible() {
    for (const QAccessible::Id id : std::as_const(chipIds_)) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

void ColorHistoryViewAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(&makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

QString ColorHistoryViewAccessible::chipName(const ColorHistoryView& view, int index) {
    const std::optional<ColorValue> color = view.chipColor(index);
    if (!color) {
        return QObject::tr("empty history chip");
    }
    const std::string hex = ColorFormatter().stringForColor(*color);  // "#rrggbb"
    return QObject::tr("history colour %1").arg(QString::fromStdString(hex));
}

ColorHistoryView* ColorHistoryViewAccessible::view() const {
    return static_cast<ColorHistoryView*>(widget());
}

int ColorHistoryViewAccessible::childCount() const {
    return view()->chipCount();
}

QAccessibleInterface* ColorHistoryViewAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    while (chipIds_.size() <= index) {
        const int next = static_cast<int>(chipIds_.size());
        chipIds_.append(QAccessible::registerAccessibleInterface(new ChipAccessible(view(), next)));
    }
    return QAccessible::accessibleInterface(chipIds_.at(index));
}

int ColorHistoryViewAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < chipIds_.size(); ++i) {
        if (QAccessible::accessibleInterface(chipIds_.at(i)) == child) {
            return i < childCount() ? i : -1;
        }
    }
    return -1;
}

QAccessibleInterface* ColorHistoryViewAccessible::childAt(int x, int y) const {
    const QPoint local = view()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i) {
        if (view()->chipRect(i).contains(local)) {
            return child(i);
        }
    }
    return nullptr;
}

QAccessibleInterface* ColorHistoryViewAccessible::focusChild() const {
    return view()->hasFocus() ? child(view()->focusedChip()) : nullptr;
}

}  // namespace hueloupe
