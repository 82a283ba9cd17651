// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a Qt main window with an MDI area that shows itself and quits.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow w;
  w.setCentralWidget(new QMdiArea);
  w.resize(640, 480);
  w.show();
  QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}
