// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ramp windows of the three typical links (Form1_2, Form2_2, Form3_2): the response to
// g(t) = t against the ramp, the crossing marked and labelled with its time. The integrating
// link asks for T read off the mark; the others give their parameters and ask for k, the box
// live while the curves grow. The integrating link's step window (Form1_1) is the same window
// with a unit step in: its curves are dotted, the plot is read with the pointer, and T is the
// time at which the output reaches 1.
#include <QPoint>
#include <functional>

#include "framework/acceptance.h"
#include "framework/typical_form.h"
#include "integrating_model.h"
#include "link_cases.h"

class QLabel;

// What a ramp window draws and checks, filled from a link's model.
struct RampPlot {
  links::Params p;  // the values shown
  // Heights of the curves above the time axis at pixel n from the input.
  std::function<int(int)> output, input;
  bool dotsBeforeInput = true;  // passes before the input draw the zero output
  int markX = 0, markTop = 0;   // the crossing mark: a black line from the axis up to markTop
  QPoint labelAt;               // and its time label
  double crossingTime = 0;
  double answer = 0;
  Acceptance rule;
  // A unit step in instead of the ramp: the output's unrounded height for its icon.
  std::function<double(int)> stepIcon;

  static RampPlot of(const links::RampCase& r);
  static RampPlot of(const integrating::Ramp& r);
  static RampPlot of(const integrating::Step& s);
};

struct RampSetup {
  QString caption;
  TypicalLayout layout;  // a task text here stands alone above the answer row
  QString intro;         // above the given values; empty: none given
  bool showsGamma = false;
  QString question;  // below them, before the answer row
  std::function<RampPlot()> draw;
  QString answerName = QStringLiteral("k = ");
  int answerLength = 7;
  int answerTop = 0;  // 0: below the question
  bool openDuringTrace = true;
  // A reading plot: what the pointer readout shows at (x, y); none when empty.
  std::function<ReadoutText(const RampPlot&, int x, int y)> readout = nullptr;
};

class RampForm : public TypicalForm {
  Q_OBJECT
 public:
  RampForm(Host& host, const WindowDeclaration& declared, RampSetup setup);
  const RampPlot& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  void Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y);

  RampSetup setup_;
  RampPlot data_;
  QLabel* valueT_ = nullptr;
  QLabel* valueG_ = nullptr;
};
