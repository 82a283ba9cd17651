// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QString>
#include <QStringList>

// Every illustration the trainer shows (block diagrams, button faces, small icons),
// drawn in code at first use and kept for the rest of the run.
namespace pictures {
QImage get(const QString& name);  // drawn once, cached; unknown name -> null QImage
bool has(const QString& name);
QStringList names();

// Redraws `name` and lists whatever in it overlaps, is clipped, or lies under the
// icons the windows put on top of it; empty for a clean picture or an unknown name.
QStringList layoutProblems(const QString& name);
// Redraws `name` and lists its boxes and letters as Diagram::texts() gives them.
QStringList texts(const QString& name);
}  // namespace pictures
