// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer starts with its main window only; experiment windows open on demand.
#include <QApplication>
#include <QScreen>

#include "app/main_window.h"
#include "framework/canvas.h"
#include "i18n/language.h"
#include "pictures/pixel_ratio.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumeq"));
  fonts::install();
  display::setRatio(app.devicePixelRatio());
  // The system language, or "--lang ru|en"; Russian when the translation cannot be loaded.
  language::set(language::atStart(QCoreApplication::arguments()));
  Main main;
  main.helpFile = QStringLiteral("c:\\Program Files\\Lumeq\\Help\\Help.hlp");
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    main.move(screen->availableGeometry().center() - main.rect().center());
  main.show();
  main.applyArguments(QApplication::arguments());
  return app.exec();
}
