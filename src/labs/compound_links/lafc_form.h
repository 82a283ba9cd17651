// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The asymptotic LAFC windows (Form7_4, Form8_3): the broken line of the link's amplitude
// characteristic in decades, with its ticks, read for T1 and T2; the last window of its work.
#include <QHash>
#include <functional>

#include "framework/typical_form.h"
#include "plots_model.h"
#include "task_text.h"

namespace compound {

struct LafcData {
  Lafc lafc;
  std::vector<Expected> answers;
};

struct LafcRow {
  QString form, caption;
  TypicalLayout layout;
  std::vector<Piece> task;
  // Form8_3 opens its first field at creation, before the drawing.
  bool fieldOpenWhileDrawing = false;
  std::function<LafcData()> draw;
};

class LafcForm : public TypicalForm {
  Q_OBJECT
 public:
  LafcForm(Host& host, const WindowDeclaration& declared, const LafcRow& row);
  const LafcData& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  void drawCharacteristic();
  void Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y);

  const LafcRow& row_;
  LafcData data_;
};

}  // namespace compound
