// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows _3 to _8 of every astatism work: the loop simulated from rest under a step, a ramp or
// a parabola of the reference or the disturbance, traced on the plot and on the two icons, and
// the steady-state error a0 + a1 t + a2 t² asked for while (and after) it is drawn.
#include <optional>
#include <vector>

#include "labs/astatism/astatism_window.h"

class PlotView;
class QColor;
class QLabel;

namespace astatism {

class ResponseWindow : public AstatismWindow {
 public:
  ResponseWindow(Host& host, const WindowDeclaration& declared, const WindowInfo& info);

  void FormCreate() override;
  void regenerate() override;

  // Traces begun and traces drawn to their end since the window was created.
  int tracesStarted() const { return started_; }
  int tracesFinished() const { return finished_; }
  // The simulation of the current (or last) trace; none before the first one starts.
  const Trace* lastTrace() const { return sim_ ? &*sim_ : nullptr; }

  PlotView* Image1 = nullptr;  // the plot
  PlotView* Image3 = nullptr;  // the input icon
  PlotView* Image4 = nullptr;  // the output icon

 protected:
  TraceRunner::Recipe traceRecipe() override;

 private:
  bool reference() const { return info_.signal == Signal::Reference; }
  const QColor& inputColor() const;
  void drawFrame(const Trace& s);
  void drawStart(const Trace& s);
  bool drawStep();
  void drawClosingLabels();

  std::optional<Trace> sim_;
  int started_ = 0;
  int finished_ = 0;
};

}  // namespace astatism
