// SPDX-License-Identifier: MIT
// A plain window of one known colour, for the end-to-end tests to pick from.
// Usage: colour_window '#RRGGBB' WIDTH HEIGHT
#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        return 2;
    }
    QWidget window;
    window.setWindowFlag(Qt::FramelessWindowHint);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(QString::fromLatin1(argv[1])));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(atoi(argv[2]), atoi(argv[3]));
    window.show();
    return app.exec();
}
