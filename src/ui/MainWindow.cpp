#include "ui/MainWindow.h"

namespace hueloupe {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {}

MainWindow::~MainWindow() = default;

}  // namespace hueloupe
