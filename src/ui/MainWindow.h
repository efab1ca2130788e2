// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

namespace hueloupe {

// The application's main window; its contents come from MainWindow.ui. It owns the menu bar
// and hands Copy, Paste and Paste as Plain Text to the application's delegate, wherever the
// keyboard focus is inside it. Closing it quits the application.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void copy();
    void paste();
    void pasteAsPlainText();

signals:
    void tweakColorRequested();
    void showPlaygroundRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
};

}  // namespace hueloupe
