// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>

#include <QList>
#include <QPushButton>
#include <QString>

#include "Scheduler.h"

class QMenu;

namespace hueloupe {

class ColorFormatter;
class FormatMenuItem;

// The copy control: a click sends activated() on release; holding the press for 0.3 s opens
// the menu of output formats instead, where choosing an item selects it and then sends
// activated(). Drawn as the selected item's title and a caret (CopyButtonPainting.h). From the
// keyboard, Space or Enter sends activated() and Alt+Down or the Menu key opens the menu;
// assistive tools read "Copy" with the title, and the format as the description.
class CopyPopUpButton : public QPushButton {
    Q_OBJECT

public:
    explicit CopyPopUpButton(QWidget* parent = nullptr);
    ~CopyPopUpButton() override;

    // Whether the menu was opened by a held press or the keyboard since the last press.
    bool menuShown() const { return menuShown_; }

    // The menu of output formats; the button owns it.
    QMenu* itemMenu() const { return menu_; }
    // Appends an item that owns the formatter. The first item added is selected.
    FormatMenuItem* addItem(std::unique_ptr<ColorFormatter> formatter, const QString& title);
    void removeAllItems();
    QList<FormatMenuItem*> items() const;

    FormatMenuItem* selectedItem() const { return selected_; }
    // Selects an item of this button's menu (others are ignored); the title follows it.
    void selectItem(FormatMenuItem* item);

    // Shows the selected item's current title on the button, and tells assistive tools.
    void synchronizeTitleAndSelectedItem();

    // Opens the menu below the button, as a held press does.
    void popUpMenu();

    // Where the 0.3 s step runs: handed in by the loader (tests put virtual time here). It
    // must be set before the first press, and outlive the button.
    void setScheduler(Scheduler& scheduler) { scheduler_ = &scheduler; }

    QSize sizeHint() const override;

signals:
    // The button's action: a click, or a format chosen from the menu.
    void activated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseItem(FormatMenuItem* item);
    void menuClosed();

    QMenu* menu_;
    FormatMenuItem* selected_ = nullptr;
    std::optional<QString> mouseDownToken_;
    bool menuShown_ = false;
    Scheduler* scheduler_ = nullptr;
};

}  // namespace hueloupe
