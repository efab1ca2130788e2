// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>

namespace hueloupe {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    buildMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    // Spelled out: the standard Quit binding is empty under some platform themes.
    file->addAction(tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), qApp, &QApplication::quit);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(tr("&Copy"), QKeySequence::Copy, this, &MainWindow::copyRequested);
    edit->addAction(tr("&Paste"), QKeySequence::Paste, this, &MainWindow::pasteRequested);
    edit->addAction(tr("Paste as Plain &Text"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
                    this, &MainWindow::pasteRequested);

    QMenu* colour = menuBar()->addMenu(tr("C&olour"));
    colour->addAction(tr("Show or Hide the Colour &Dialog"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this,
                      &MainWindow::tweakColorRequested);
    colour->addAction(tr("Formatter &Playground"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                      this, &MainWindow::showPlaygroundRequested);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

}  // namespace hueloupe
