// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A step response read with two measuring lines: the plot, two vertical track bars that set
// two green horizontal lines over it, each with a small box that shows its level or takes a
// typed one, and a hidden copy of the finished plot (Image5) from which the plot is restored
// before the guides are drawn again. The pointer readout and the lines come alive only once
// the trace has ended.
//
// A window derives from it, passes a MeasuringShape (layout, line scale, readout geometry),
// writes its trace in curveRecipe() and sets timeStep_ (seconds per pixel) with its data.
// Windows whose level text or guides differ override levelText()/restoredText(),
// positionFor(), drawGuides(), readoutAt() or pointerMoved().
#include "typical_form.h"

class AnswerEdit;
class Canvas;
class QSlider;

struct MeasuringShape {
  // Task panel, track-bar panel and plot panel (the title and diagram panels stay), and the
  // visible size of the plot image.
  QRect task{8, 104, 177, 273};
  QRect bars{190, 104, 49, 273};
  QRect plot{242, 104, 385, 273};
  QSize image{383, 271};

  // Track bars run 0..range (TrackBar1 starts at 0, TrackBar2 at range). A bar at position P
  // draws its line from x = 0 to lineRight at y = P + lineOffset, which is the level
  // (top − P)/scale; its box shows that level cut to levelChars characters.
  int range = 200;
  double top = 230;
  double scale = 100;
  int lineRight = 360;
  int lineOffset = 10;
  int levelChars = 4;

  // Pointer readout: b = X − x0 for x0 <= X <= xRight (0 left of it, xRight right of it);
  // d = y0 − Y for yTop <= Y <= yBottom (`above` above it, 0 below). t = b·timeStep_ cut to
  // timeChars, h = d/scale cut to hChars.
  int x0 = 30, xRight = 380;
  int y0 = 240, yTop = 20, yBottom = 240, above = 240;
  int timeChars = 5, hChars = 4;
};

class MeasuringForm : public TypicalForm {
  Q_OBJECT
 public:
  QSlider* TrackBar1 = nullptr;
  QSlider* TrackBar2 = nullptr;
  AnswerEdit* Edit6 = nullptr;
  AnswerEdit* Edit7 = nullptr;
  PlotView* Image5 = nullptr;  // hidden copy of the finished plot

  const MeasuringShape& shape() const { return shape_; }
  // The trace has ended: lines, boxes and readout work.
  bool measuring() const { return measuring_; }
  double timeStep() const { return timeStep_; }

  // Restores the plot from Image5 and draws the guides again.
  void redrawGuides();

  // The handlers of the bars and their boxes (bar 0 is TrackBar1 with Edit6).
  void TrackBarChange(int bar);
  void EditKeyPress(int bar);

 protected:
  MeasuringForm(Host& host, const WindowDeclaration& declared, const QString& caption, const TypicalLayout& layout,
                const MeasuringShape& shape = {});

  void FormCreate() override;
  // What each pass of the trace draws; the shape adds its own end (bars on, plot copied to
  // Image5) after the recipe's finish.
  virtual TraceRunner::Recipe curveRecipe() = 0;
  // The static frame of a step-response plot: the title, "1" at the row of the unit level,
  // "0", "h", "t, c" and the axes up to x = 375.
  void stepFrame(int unitRow = 120);
  // The title again, over whatever the trace drew across it.
  void stepTitle();
  // The end of a step-response trace: "r(t)" at (350, rLabelY), "g(t)" at (350, gLabelY), the
  // dashed final value "hуст" at finalRow (none when finalRow < 0), and the title again.
  void stepClosing(int rLabelY, int gLabelY, int finalRow);

  virtual QString levelText(int position) const;
  // The text put back when a box does not parse.
  virtual QString restoredText(int position) const { return levelText(position); }
  // Position of a bar for a typed level (the bar keeps it within its range).
  virtual int positionFor(double level) const;
  // Draws on the restored plot: by default the two level lines.
  virtual void drawGuides(Canvas& plot);
  virtual ReadoutText readoutAt(int b, int d) const;
  // A live readout move at offsets (b, d) after the trace (tangent modes follow it).
  virtual void pointerMoved(int /*b*/, int /*d*/) {}

  void levelLine(Canvas& plot, int position) const;
  // Bars and boxes on or off together.
  void setBarsEnabled(bool on);

  MeasuringShape shape_;
  double timeStep_ = 0;  // seconds per pixel of the time axis
  QFrame* barPanel = nullptr;

 private:
  TraceRunner::Recipe traceRecipe() final;
  void measuringStarts();
  void Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y);
  QSlider* bar(int i) const { return i == 0 ? TrackBar1 : TrackBar2; }
  AnswerEdit* box(int i) const { return i == 0 ? Edit6 : Edit7; }

  bool measuring_ = false;
};
