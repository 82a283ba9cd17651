// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machine's record in a file of a temporary folder, for a main window that records into it
// (a fixture derives from this before TrainerTest, so the recorder outlives the window).
#include <QTemporaryDir>
#include <memory>

#include "record/recorder.h"

struct RecorderHolder {
  QTemporaryDir dir;
  QString path = dir.filePath(QStringLiteral("record.sqlite"));
  std::unique_ptr<record::Recorder> recorder = std::make_unique<record::Recorder>(path);
};
