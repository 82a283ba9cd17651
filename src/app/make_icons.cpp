// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: writes the program icon as PNG files of the usual sizes into a folder.
#include <QDir>
#include <QGuiApplication>

#include "program_icon.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) return 2;
  const QDir out(QString::fromLocal8Bit(argv[1]));
  for (int s : {16, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QStringLiteral("%1x%1/apps").arg(s);
    if (!out.mkpath(dir) || !programIconImage(s).save(out.filePath(dir + QStringLiteral("/lumeq.png")))) return 1;
  }
  return 0;
}
