// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One draw of a window's data: the seed it starts from and what it takes from outside itself
// (an earlier window's values, the run of a repeated experiment). The record keeps both, and a
// replay hands them back so that the window shows the same data again.
#include <QMap>
#include <QString>
#include <optional>
#include <vector>

#include "random.h"

struct Draw {
  rnd::Seed seed = 0;
  // Named lists of numbers, e.g. "params" -> {0.25, 0.4, 0.13, 1.1}.
  QMap<QString, std::vector<double>> taken;
  // Drawn again from the record: what it takes comes from `taken`, not from other windows.
  bool replayed = false;

  // "params=0.25,0.4,0.13,1.1;run=3": every number exact (it reads back to the same double).
  QString takenText() const;
  // The text back; nothing when it is not one takenText could have written.
  static std::optional<QMap<QString, std::vector<double>>> parseTaken(const QString& text);
};
