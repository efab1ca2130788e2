// SPDX-License-Identifier: MIT
#include "CopyPopUpButton.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "ColorFormatter.h"
#include "CopyButtonPainting.h"
#include "FocusRing.h"
#include "FormatMenuItem.h"
#include "Token.h"

namespace hueloupe {

namespace {

// The title frame inside the button, before the drawing moves it 12 to the left.
constexpr qreal kTitleLeft = 16;

bool opensMenu(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Down && modifiers == Qt::AltModifier) ||
           (event.key() == Qt::Key_Menu && modifiers == Qt::NoModifier);
}

bool isEnter(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

CopyPopUpButton::CopyPopUpButton(QWidget* parent) : QPushButton(parent), menu_(new QMenu(this)) {
    setFlat(true);
    connect(menu_, &QMenu::aboutToHide, this, &CopyPopUpButton::menuClosed);
    // The mouse sends activated() itself; clicked() comes from Space, Enter, a mnemonic and
    // the press action of assistive tools.
    connect(this, &QAbstractButton::clicked, this, &CopyPopUpButton::activated);
    synchronizeTitleAndSelectedItem();
}

CopyPopUpButton::~CopyPopUpButton() = default;

FormatMenuItem* CopyPopUpButton::addItem(std::unique_ptr<ColorFormatter> formatter,
                                         const QString& title) {
    auto* item = new FormatMenuItem(std::move(formatter), title, menu_);
    menu_->addAction(item);
    connect(item, &QAction::triggered, this, [this, item] { chooseItem(item); });
    if (selected_ == nullptr) {
        selectItem(item);
    }
    return item;
}

void CopyPopUpButton::removeAllItems() {
    const QList<FormatMenuItem*> all = items();
    selected_ = nullptr;
    for (FormatMenuItem* item : all) {
        menu_->removeAction(item);
        delete item;
    }
    synchronizeTitleAndSelectedItem();
}

QList<FormatMenuItem*> CopyPopUpButton::items() const {
    QList<FormatMenuItem*> result;
    for (QAction* action : menu_->actions()) {
        if (auto* item = qobject_cast<FormatMenuItem*>(action)) {
            result.append(item);
        }
    }
    return result;
}

void CopyPopUpButton::selectItem(FormatMenuItem* item) {
    if (item != nullptr && !menu_->actions().contains(item)) {
        return;
    }
    selected_ = item;
    synchronizeTitleAndSelectedItem();
}

void CopyPopUpButton::synchronizeTitleAndSelectedItem() {
    const QString title = selected_ != nullptr ? selected_->text() : QString();
    setText(title);
    setAccessibleName(title.isEmpty() ? tr("Copy") : tr("Copy %1").arg(title));
    setAccessibleDescription(
        selected_ != nullptr
            ? tr("Copies the colour as %1")
                  .arg(QString::fromStdString(selected_->representedObject()->formatString()))
            : QString());
    update();
}

void CopyPopUpButton::chooseItem(FormatMenuItem* item) {
    // The choice is selected before the action goes out, so the action reads the new format.
    selectItem(item);
    emit activated();
}

void CopyPopUpButton::popUpMenu() {
    menu_->popup(mapToGlobal(QPoint(0, height())));
}

void CopyPopUpButton::keyPressEvent(QKeyEvent* event) {
    if (opensMenu(*event)) {
        mouseDownToken_.reset();
        menuShown_ = true;
        popUpMenu();
        menu_->setActiveAction(selected_);  // the arrows start from the current format
    } else if (isEnter(*event)) {
        if (!event->isAutoRepeat()) {
            click();
        }
    } else {
        QPushButton::keyPressEvent(event);  // Space: down on press, clicked() on release
    }
}

void CopyPopUpButton::menuClosed() {
    // The menu's own tracking ended the press.
    mouseDownToken_.reset();
    setDown(false);
}

void CopyPopUpButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QString token = makeToken();
    mouseDownToken_ = token;
    menuShown_ = false;
    setDown(true);
    scheduler_->after(kHoldDelay, [button = QPointer<CopyPopUpButton>(this), token] {
        if (button == nullptr || button->mouseDownToken_ != token) {
            return;  // released, or a newer press
        }
        button->menuShown_ = true;
        button->popUpMenu();
    });
}

void CopyPopUpButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    mouseDownToken_.reset();
    if (!menuShown_) {
        emit activated();
        setDown(false);
    }
}

QSize CopyPopUpButton::sizeHint() const {
    const QFontMetrics metrics(
        copyButtonTitleFont(selected_ != nullptr ? selected_->representedObject() : nullptr));
    const int titleWidth = metrics.horizontalAdvance(text());
    return {static_cast<int>(kTitleLeft + kCopyCaretWidth) + titleWidth, 22};
}

void CopyPopUpButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRectF bounds = rect();
    const QRectF titleFrame(kTitleLeft, 0, bounds.width() - kTitleLeft - kCopyCaretWidth,
                            bounds.height());
    paintCopyButton(painter, bounds, titleFrame, text(),
                    selected_ != nullptr ? selected_->representedObject() : nullptr, isDown(),
                    palette());
    if (hasFocus()) {
        drawFocusRing(painter, bounds, palette());
    }
}

}  // namespace hueloupe
