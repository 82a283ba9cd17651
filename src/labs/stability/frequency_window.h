// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open-loop logarithmic characteristics of a work's loop: the amplitude plot (Image1) and
// the phase plot (Image3) with their backup bitmaps (Image4, Image5), three track bars that set
// a common column and a row on each plot, the pointer readout on both plots, and the stability
// margins with the crossover frequency to be read off.
#include <QString>

#include "labs/stability/stability_window.h"

class Canvas;
class QSlider;

namespace stability {

class FrequencyWindow : public StabilityWindow {
 public:
  FrequencyWindow(Host& host, const WindowDeclaration& declared, const WindowRow& row);

  void FormCreate() override;
  void regenerate() override;

  const OpenLoop& loop() const { return open_; }
  double sL() const { return sL_; }
  double omegaCut() const { return cross_.w; }
  // −π − φ(ω_ср): the phase margin of the forcing loop (the other loops sit on the boundary).
  double phaseMargin() const;
  // The T4 of the forcing loop (q·T4,кр), K otherwise.
  double loopValue() const { return open_.value; }

  // The texts written over the plots at the cursors' positions.
  QString amplitudeCursorText() const;
  QString phaseCursorText() const;

  PlotView* Image1 = nullptr;  // amplitude
  PlotView* Image3 = nullptr;  // phase
  PlotView* Image4 = nullptr;  // backups, never shown
  PlotView* Image5 = nullptr;
  QSlider* TrackBar1 = nullptr;
  QSlider* TrackBar2 = nullptr;
  QSlider* TrackBar3 = nullptr;

  static constexpr int kWidth = 411;
  static constexpr int kHeight = 115;

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  bool marginsOnBoundary() const { return row_.loop != Loop::Forcing; }
  void drawFrame(Canvas& c, bool phase);
  void drawAmplitude();
  void drawPhase();
  void TrackBarChange();
  void plotMove(bool phase, Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y);

  OpenLoop open_;
  double sL_ = 1;
  Crossover cross_;
  bool plotted_ = false;
};

}  // namespace stability
