// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sine windows of the three typical links (Form1_3, Form2_3, Form3_3): for the given
// parameters the student reads the output amplitude and the phase shift of the steady-state
// response to sin(ωt). One class; each link passes its texts, the lines of its task panel, its
// icon scale and its draw.
#include <QColor>
#include <functional>

#include "framework/acceptance.h"
#include "framework/typical_form.h"
#include "integrating_model.h"
#include "link_cases.h"

class QLabel;

// What a sine window draws and checks, filled from a link's model.
struct SineCase {
  links::Params p;  // the values shown
  double amplitude = 0;
  double phase = 0;
  int amplitudePixels = 0;
  // Pixels above the time axis at n pixels from the input's zero crossing (n may be negative).
  std::function<int(int)> input, output;
  Acceptance amplitudeRule, phaseRule;
  QString phaseShown;  // the accepted phase as its box shows it

  static SineCase of(const links::SteadySine& s);
  static SineCase of(const integrating::Sine& s);
};

// Where the lines of the task panel stand: "Для заданных значений:", the given values, the
// question and the two answer rows (the integrating link's panel shows two values with more air).
struct SineTask {
  int introTop = 30;
  int values = 3;  // T, ω, k (and γ)
  int valuesTop = 50, valuesPitch = 18;
  bool tealT = true;  // the value of T in teal, as the others
  int questionTop = 106;
  int lineGap = 18, restGap = 38;  // "фаз Δφ = …" and "и амплитуду …" below the question
  int amplitudeGap = 80, maxGap = 95, phaseGap = 114;  // the answer rows below it
};

struct SineSetup {
  QString caption;
  TypicalLayout layout;
  int iconScale = 7;  // the icons show the plot at 1/iconScale
  SineTask task;
  int passes = 380;  // the last pass ends the trace
  std::function<SineCase()> draw;
};

class SineForm : public TypicalForm {
  Q_OBJECT
 public:
  SineForm(Host& host, const WindowDeclaration& declared, SineSetup setup);
  const SineCase& data() const { return data_; }

  void FormCreate() override;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  void buildTask();

  SineSetup setup_;
  SineCase data_;
  QLabel* values_[4] = {};
};
