// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form5_1 and Form5_2: a first-order link with its pole right (k/(Tp − 1)) or left
// (k/(Tp + 1)) of the imaginary axis. The student gives the limits of its amplitude and
// phase characteristics at ω → 0 and ω → ∞; each pair of right answers draws the matching
// characteristic. The second window works on the first one's T and k and shows the first
// link's characteristics beside its own. No trace on opening: the first field is open at once.
#include <QColor>
#include <array>

#include "framework/experiment_window.h"
#include "lag_model.h"

class PlotView;
class QLabel;

class LagLinkWindow : public ExperimentWindow {
  Q_OBJECT
 public:
  LagLinkWindow(Host& host, const WindowDeclaration& declared, const nontypical::LagWindow& row);
  const nontypical::Lag& lag() const { return lag_; }
  const nontypical::LagWindow& row() const { return row_; }

  void FormCreate() override;
  void FormActivate() override;
  // At its error limit the second window starts the work over at the first window.

  PlotView* Ris1 = nullptr;    // the link as one block
  PlotView* Ris2 = nullptr;    // the link as an integrator in a loop
  PlotView* IAw = nullptr;     // amplitude characteristic
  PlotView* IFiw = nullptr;    // phase characteristic
  std::array<QLabel*, 4> L{};  // ω→0 / ω→∞ under each "lim"

 protected:
  void answerAccepted(int i) override;
  void allAnswered() override;

 private:
  void buildRow(int i);
  void drawStaticPlot(PlotView* plot, int axisY, const QString& name);
  // One column of a characteristic (ω = i/25) and the labels that go with it.
  void amplitudeColumn(const QColor& c, int i);
  void phaseColumn(nontypical::Pole p, const QColor& c, int i);
  void amplitudeLabel(const QColor& c);
  void phaseLabels(nontypical::Pole p, const QColor& c);
  // The characteristic drawn column by column with the pacing step, then `then`.
  void drawPaced(std::function<void(int column)> column, std::function<void()> then);

  const nontypical::LagWindow& row_;
  nontypical::Lag lag_;
  QColor own_;  // the colour of this window's link
};
