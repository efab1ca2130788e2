// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

namespace hueloupe {

// The application's main window; its contents come from MainWindow.ui. It owns the menu bar
// and sends Copy, Paste and Paste as Plain Text out as requests, wherever the keyboard focus
// is inside it; the controller answers them. Closing it quits the application.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

signals:
    void copyRequested();
    // Paste and Paste as Plain Text alike: the clipboard is only ever read as plain text.
    void pasteRequested();
    void tweakColorRequested();
    void showPlaygroundRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
};

}  // namespace hueloupe
