// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Headers nearly every source of the program parses: compiled once per target (a fresh build
// on two cores spends most of its time reading Qt's headers otherwise).
#pragma once
#ifdef __cplusplus
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <vector>
#endif
