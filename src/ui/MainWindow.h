#pragma once

#include <QMainWindow>

namespace hueloupe {

// The application's main window; its contents come from MainWindow.ui.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;
};

}  // namespace hueloupe
