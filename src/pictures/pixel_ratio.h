// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bitmaps (plots, pictures) are drawn at the screen's device pixel ratio so that lines and
// text stay sharp on a high-density screen, while every coordinate the program uses stays a
// logical pixel. Set once at start, before the first bitmap is made.
#include <QtGlobal>

namespace display {
qreal ratio();
void setRatio(qreal r);
}  // namespace display
