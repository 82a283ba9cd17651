// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frequency-characteristics experiment of a typical link (Form1_4; the aperiodic and
// oscillating links configure the same window with their own FrequencyLink). Five runs at
// five frequencies share one set of parameters: each run traces the sine response, asks for
// the amplitude A and the phase shift Δφ, and then presses Next itself, which counts the run
// up (RepeatCount) and starts the next one. Every answered run leaves a marker on the LAFC,
// the hodograph and the phase plot; the sixth, closing run draws the exact characteristics
// and replaces the sine plot by a table of the five points.
#include <memory>

#include "framework/experiment_window.h"
#include "frequency_link.h"

class PlotView;
class QLabel;

class FrequencyForm : public ExperimentWindow {
  Q_OBJECT
 public:
  FrequencyForm(Host& host, const WindowDeclaration& declared, std::unique_ptr<FrequencyLink> link);

  void FormCreate() override;
  void FormActivate() override;
  void Timer1Timer() override;
  // The error limit restarts the whole series at run 1 with new parameters.
  void regenerate() override;

  const FrequencyLink& link() const { return *link_; }
  int run() const { return work().RepeatCount; }
  // Runs 1 to 5 trace and ask; any other count is the closing run.
  bool closingRun() const { return run() < 1 || run() > 5; }
  double omega() const { return w_; }

  PlotView* Image11 = nullptr;  // sine response, later the summary table
  PlotView* Image12 = nullptr;  // LAFC
  PlotView* Image21 = nullptr;  // hodograph
  PlotView* Image22 = nullptr;  // phase
  QLabel* Lw1 = nullptr;
  QLabel* LL = nullptr;

 protected:
  TraceRunner::Recipe traceRecipe() override;
  void answerAccepted(int i) override;
  void allAnswered() override;

 private:
  void buildLayout();
  void drawSinePlot();
  void drawFrames();
  void markers();
  void drawSummary();
  void Image11MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y);

  std::unique_ptr<FrequencyLink> link_;
  FrequencyLink::Setup setup_;
  double w_ = 0;
};
