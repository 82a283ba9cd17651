// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout most link windows share: the title panel and the task panel on the left, the
// block diagram with its input and output icons over both ends and the plot on the right.
//
//   title (8, 8, 193 x 90)        diagram (208, 8, 417 x 90): picture, icons Image3 / Image4
//   task  (8, 104, 193 x 273)     plot    (208, 104, 417 x 273): Image1, 415 x 271
//
// A window passes its texts and picture, adds its answer rows, and draws its plot in its own
// FormCreate and trace; FormCreate here reloads every bitmap first.
#include <QColor>
#include <QPoint>
#include <QString>
#include <functional>

#include "experiment_window.h"

class PlotView;
class QFrame;
class QLabel;

struct TypicalLayout {
  QString title;                     // title panel, navy Arial 21 px bold, centred
  Counter counter = Counter::Tight;  // how the task panel writes "Задание №1 из 4" (the declaration's numbers)
  QString taskText;                  // word-wrapped below the number; empty when the window lays out its own
  QString picture;                   // the diagram picture
};

class TypicalForm : public ExperimentWindow {
  Q_OBJECT
 public:
  static constexpr QSize PlotSize{415, 271};
  static constexpr int IconScale = 7;
  // Miniature of a plot coordinate in the icons.
  static int mini(double v);

  PlotView* plot() const { return Image1; }
  PlotView* inputIcon() const { return Image3; }
  PlotView* outputIcon() const { return Image4; }

 protected:
  TypicalForm(Host& host, const WindowDeclaration& declared, const QString& caption, const TypicalLayout& layout);

  void FormCreate() override;

  // One answer row of the task panel with its top at `top`: the caption (Symbol-font text
  // when `greek`), the box at `boxX` and its check mark; registers the row as the next field.
  int addAnswerRow(int top, const QString& caption, int maxLength, int boxX = 56, bool greek = false);
  // A label in the task panel (Symbol-font text when `greek`).
  QLabel* taskLabel(QPoint at, const QString& text, int pixels = 16, const QColor& color = Qt::black,
                    bool greek = false);

  // The axes of a time plot in black: the vertical one at x = 30 from y = 20 to 260, the
  // time axis at y0 from x = 10 to `right`; and the same in both icons.
  void timeAxes(int y0, int right = 410);
  // The labels and axes of a time plot whose time axis is y = 240: "0", "h", "t, c" at
  // x = tLabel, and the axes up to `right`.
  void timeFrame(int tLabel = 380, int right = 410);
  // A segment of the output curve (blue, icon Image4) or of the input curve (red, Image3), in
  // plot coordinates: on the plot with pen width 2 and in the curve's icon.
  void outputSegment(int x1, int y1, int x2, int y2);
  void inputSegment(int x1, int y1, int x2, int y2);
  // Pass j of a ramp trace: up to pass 20 both icons run along the time axis at y = 240 (and
  // the plot shows the zero output as dots when `dots`); from pass 21 on, segment k = j − 20 of
  // both curves, d.output(k) and d.input(k) pixels above the axis.
  template <class Curves>
  void rampPass(int j, const Curves& d, bool dots) {
    if (j <= RampInputPass) return rampLead(j, dots);
    const int k = j - RampInputPass;
    outputSegment(j + 9, 240 - d.output(k - 1), j + 10, 240 - d.output(k));
    inputSegment(j + 9, 240 - d.input(k - 1), j + 10, 240 - d.input(k));
  }
  static constexpr int RampInputPass = 20;
  // A step-response trace, the input applied at pass 20 at x = 30: before it both icons run
  // along the time axis at y = 240; at it the input rises to its level; after it, pass j draws
  // the output from output(n) to output(n + 1), n = j − 20, and the input's level beside it.
  struct StepTrace {
    int passes = 351;                       // the end pass
    std::function<int(int)> output;         // row of the output n pixels after the input
    std::function<double(int)> iconOutput;  // the icon's row of it (unrounded); empty: output
    int input = 140;                        // row of the input's level
    QPoint iconStep{31, 130};               // where the input's rise ends in its icon
    bool dots = false;                      // the curves as dots of pen 3 (instead of segments of pen 2)
    bool leadDots = false;                  // the zero output dotted on the axis before the input
    int inputPen = 3;                       // pen of the input's rise
    int iconShift = 10;                     // icon segments of pass j start at x = j + iconShift
    bool outputJumps = false;               // the output rises with the input to output(1)
  };
  bool stepPass(int j, const StepTrace& t);
  // The static frame of a sine-response plot: title, "0", "h", "t, c", the axes (time axis at
  // y = 135) and the dashed levels of the input's crest and trough (red, "gmax") and of the
  // output's, R pixels off the axis (blue, "rmax").
  void sineFrame(int R);
  // Static text of the plot: bold, in the plot's default face unless named.
  void plotText(int x, int y, const QString& text, int points, const QColor& color = Qt::black);
  // A segment given in plot coordinates, drawn in an icon at 1/iconScale_ with pen width 1.
  void iconLine(PlotView* icon, const QColor& c, double x1, double y1, double x2, double y2) const;

  int iconScale_ = IconScale;

 private:
  void rampLead(int j, bool dots);

 protected:  // the icons' scale: one seventh unless a window says otherwise
  QFrame* titlePanel = nullptr;
  QFrame* taskPanel = nullptr;
  QFrame* diagramPanel = nullptr;
  QFrame* plotPanel = nullptr;
  QLabel* titleLabel = nullptr;
  QLabel* taskNumber = nullptr;
  QLabel* taskText = nullptr;
  PlotView* Image1 = nullptr;  // the plot
  PlotView* Image2 = nullptr;  // the diagram picture
  PlotView* Image3 = nullptr;  // input icon
  PlotView* Image4 = nullptr;  // output icon

 private:
  QString picture_;
};
