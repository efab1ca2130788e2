// SPDX-License-Identifier: MIT
// The baseline for the startup benchmark: a bare Qt window with three widgets.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("label"));
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QPushButton("button"));
    window.show();
    return app.exec();
}
