// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An icon whose picture is drawn only when it is first painted: the start screen shows its
// frame without waiting for the pictures of panels nobody has opened yet.
#include <QIcon>
#include <QString>

QIcon lazyPictureIcon(const QString& name);
