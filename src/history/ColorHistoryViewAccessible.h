// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <QList>

namespace hueloupe {

class ColorHistoryView;

// What assistive tools see of the chip row: a group of five buttons, one per chip, each
// named by its colour ("history colour #bce368") and pressed as a click presses it. The
// chips are not widgets, so each has an interface of its own, made with the row's and
// deleted with it.
class ColorHistoryViewAccessible final : public QAccessibleWidget {
public:
    explicit ColorHistoryViewAccessible(ColorHistoryView* view);
    ~ColorHistoryViewAccessible() override;
    ColorHistoryViewAccessible(const ColorHistoryViewAccessible&) = delete;
    ColorHistoryViewAccessible& operator=(const ColorHistoryViewAccessible&) = delete;

    // Registers the factory that gives every chip row this interface; once per process.
    static void install();
    // What chip i is called: its colour in "#rrggbb", or that it holds none.
    static QString chipName(const ColorHistoryView& view, int index);

    ColorHistoryView* view() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    mutable QList<QAccessible::Id> chipIds_;  // made on first request, one per chip index
};

}  // namespace hueloupe
