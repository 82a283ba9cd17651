// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer's start-up as main() does it, for the benchmark. Without arguments it quits as
// soon as the main window has been shown; with a window name it first walks that work.
#include <QApplication>
#include <QTimer>

#include "app/main_window.h"
#include "framework/canvas.h"
#include "walk.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumeq"));
  fonts::install();
  Main main;
  main.show();
  const QString work = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  QTimer::singleShot(0, &app, [&] {
    if (!work.isEmpty()) {
      main.p->setChecked(false);
      walkWork(main, work);
    }
    QApplication::quit();
  });
  return app.exec();
}
