// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon: a step response over a sky-blue tile. Drawn in code at any size, for
// the windows and for the icon files the installation ships (data/lumeq.svg is the same
// drawing written out as vector paths).
#include <QIcon>
#include <QImage>

QImage programIconImage(int size);
QIcon programIcon();
