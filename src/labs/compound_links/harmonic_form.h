// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows that drive a compound link with a sinusoid (Form6_2, Form6_3, Form7_2, Form7_3,
// Form8_2): the input and the steady-state output about the zero line, their level marks, and
// the answers, in one of three orders: trace then answer; answer then trace; or trace, answer,
// then a second output drawn in purple on an icon of its own (Form7_3).
#include <QHash>
#include <functional>
#include <optional>

#include "framework/typical_form.h"
#include "plots_model.h"
#include "task_text.h"

namespace compound {

struct HarmonicData {
  Sinusoids plot;
  std::optional<Sinusoids> second;  // drawn after the last right answer
  std::vector<Expected> answers;
  QHash<QString, QString> values;  // texts of the task's value labels
};

enum class Flow { TraceFirst, AnswerFirst, SecondOutput };

// The plot's static texts, and whether the pointer reads the plot.
struct HarmonicPlot {
  QString title;
  QString timeLabel;
  QPoint timeAt;
  int levelLabelBase = 120;  // the level names stand at this height minus the level
  bool readout = false;
};

struct HarmonicRow {
  QString form, caption;
  TypicalLayout layout;
  std::vector<Piece> task;
  int taskPixels = 16, taskLineStep = 19;
  std::vector<AnswerLine> answers;
  int answersTop = 200;
  Flow flow = Flow::TraceFirst;
  HarmonicPlot plot;
  std::function<HarmonicData()> draw;
};

class HarmonicForm : public TypicalForm {
  Q_OBJECT
 public:
  HarmonicForm(Host& host, const WindowDeclaration& declared, const HarmonicRow& row);

  const HarmonicData& data() const { return data_; }
  const HarmonicRow& row() const { return row_; }
  QLabel* valueLabel(const QString& name) const { return values_.value(name); }
  PlotView* Image5 = nullptr;  // the second output's icon (Form7_3)

  void FormCreate() override;
  void Timer1Timer() override;
  void regenerate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;
  void allAnswered() override;

 private:
  void drawLevels();
  void iconAxes();
  void Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y);

  const HarmonicRow& row_;
  HarmonicData data_;
  QHash<QString, QLabel*> values_;
  // Answer-first windows trace only once the answer is right; Form7_3's second trace
  // draws the second output.
  bool armed_ = false;
  bool secondPass_ = false;
};

}  // namespace compound
