// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the astatism windows compute: the table of the 32 windows, the drawn parameters,
// the error coefficients and true answers, the acceptance band, and the loop simulation with the
// pixel mappings of the response plots. Deliberately free of Qt so that it can be tested alone;
// the coefficient window and the response window read all their numbers from here and only draw.
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>
#include "framework/random.h"

namespace astatism {

inline constexpr int kWorkCount = 4;
inline constexpr int kTasksPerWork = 8;
inline constexpr int kHelpContext = 7;

// The plot image of a response window (W x H) and where its time axis starts.
inline constexpr int kPlotWidth = 423;
inline constexpr int kPlotHeight = 241;
inline constexpr int kPlotOriginX = 30;
// The icons are the plot scaled down by this factor.
inline constexpr int kIconScale = 8;

enum class WindowKind { Coefficients, Response };
enum class Signal { Reference, Disturbance };  // g or f
enum class Shape { Step, Ramp, Parabola };     // u(t) = 1, t, t^2
enum class TickStepRule { KyOver5, KyOver2, Fixed20 };

// A parameter is RandomRange(lo, hi) / 1000 seconds: lo .. hi-1, or exactly lo when lo == hi.
struct DrawRange {
  int lo = 100;
  int hi = 500;
};

struct Params {
  double t1 = 0;
  double t2 = 0;
  double t3 = 0;  // work 4 only
};

// What a response window's plot needs beyond the common construction.
struct ResponseLayout {
  std::optional<int> exponentX;  // column of the plot title's superscript "2" (parabola windows)
  int y0 = 0;                    // axis row
  double kxFactor = 0;           // Kx: kx = Kx / (T1 + T2) pixels per second
  double kh = 0;                 // horizon Kh * (T1 + T2)
  // Pixels the input reaches above the axis at the end of the trace; for a step this is ky.
  double inputPixels = 0;
  TickStepRule tickStep = TickStepRule::KyOver5;
  int valueTickSpan = 0;     // last i of the value-tick loops
  int labelShift = 0;        // added to the column of every closing label
  int inputLabelRaise = 0;   // the g(t)/f(t) label moved up by this many pixels
  int outputLabelRaise = 0;  // the r(t) label moved up by this many pixels
};

struct WindowInfo {
  int work = 0;         // 1..4
  int task = 0;         // 1..8
  std::string caption;  // "Астатизм САУ. Лаб №1.1"
  std::string scheme;   // "Схема №1"
  std::string picture;  // "lab19"
  WindowKind kind = WindowKind::Coefficients;
  Signal signal = Signal::Reference;
  Shape shape = Shape::Step;  // meaningful for response windows only
  int paramCount = 2;         // T1, T2 (and T3 in work 4)
  std::array<DrawRange, 3> ranges{};
  ResponseLayout plot;  // response windows only

  bool isResponse() const { return kind == WindowKind::Response; }
  // The wrong answer that regenerates the data.
  int errorLimit() const { return isResponse() ? 2 : 4; }
  // c0, c1, c2, N or a0, a1, a2.
  int answerCount() const { return isResponse() ? 3 : 4; }
  int answerMaxLength() const { return isResponse() ? 7 : 9; }
  // The right answer to the last field of _8 also sets WorkDone and focuses BMenu.
  bool endsWork() const { return task == kTasksPerWork; }
};

// All 32 windows, work by work, task by task.
std::span<const WindowInfo> allWindows();
// work 1..4, task 1..8; throws std::out_of_range otherwise.
const WindowInfo& windowInfo(int work, int task);

// Draws T1, T2 (and T3) in that order with the window's ranges (a..b-1, a when a == b).
Params drawParams(const WindowInfo& window, rnd::Source& random = rnd::source());

// Error series e = c0 x + c1 x' + (c2/2) x'' of the loop of `work` for input `signal`.
struct ErrorCoefficients {
  double c0 = 0;
  double c1 = 0;
  double c2 = 0;
  int order = 0;  // order of astatism: number of leading zero coefficients
};
ErrorCoefficients errorCoefficients(int work, Signal signal, const Params& p);

// True answers in field order: c0, c1, c2, N for a coefficient window; a0, a1, a2 of the
// steady-state error a0 + a1 t + a2 t^2 for a response window.
std::vector<double> trueAnswers(const WindowInfo& window, const Params& p);

// Closed band [0.95 a, 1.05 a] (ends swapped for a < 0), ends included; a true 0 takes only 0.
bool accepts(double truth, double typed);

// u(t) of the input shape.
double inputValue(Shape shape, double t);

struct LoopState {
  double t = 0;
  double x1 = 0;     // output of the first link
  double r = 0;      // output of the loop
  double ePrev = 0;  // error of the previous step (work 4's first link differentiates it)
};

// One forward-Euler step of the loop of `work` with the inputs g and f held over the step:
// the first link is advanced first and the second one sees its new output; then t += dt.
void eulerStep(int work, const Params& p, double dt, double g, double f, LoopState& s);

struct TimeTick {
  int column;  // tick from (column, Y0) to (column, Y0 + 5)
  double value;
  int labelX;
  int labelY;
};

struct ValueTick {
  int row;  // tick from (30, row) to (25, row)
  double value;
  int labelX;
  int labelY;
  int maxChars;  // the label text is cut to this many characters
};

struct Point {
  int x;
  int y;
};

struct ClosingLabels {
  Point input;                         // "g(t)" or "f(t)"
  std::optional<Point> mirroredInput;  // "-f(t)", disturbance windows
  Point output;                        // "r(t)"
};

// One run of a response window: the scales derived from the drawn parameters, the loop state,
// and the pixel mappings. The window draws; this only counts.
class Trace {
 public:
  // Throws std::invalid_argument for a coefficient window.
  Trace(const WindowInfo& window, const Params& params);

  const WindowInfo& window() const { return *window_; }
  const Params& params() const { return params_; }

  double kx() const { return kx_; }  // pixels per second
  double dt() const { return dt_; }
  double ky() const { return ky_; }  // pixels per unit
  double horizon() const { return horizon_; }
  int y0() const { return window_->plot.y0; }

  // The loop runs while t < horizon, tested before each step.
  bool finished() const { return !(state_.t < horizon_); }
  // Samples the input at the current t, integrates one step, counts it.
  void step();
  const LoopState& state() const { return state_; }
  int steps() const { return steps_; }

  // u(t) of the window's input.
  double input(double t) const;
  // Plot mappings: x(t) = 30 + Ceil(t kx), y(v) = Y0 - Ceil(v ky).
  int column(double t) const;
  int row(double v) const;
  // Row of the input guide at time t, and of the mirrored -f(t) guide.
  int inputRow(double t) const;
  int mirroredInputRow(double t) const;
  // A plot coordinate on the icons.
  static int toIcon(int p);
  int iconAxisRow() const;

  // Static content of the plot.
  int valueTickStep() const;
  double labelDivisor() const;  // D: the tick labels read i/D, D = ky
  int valueLabelX() const;      // Lx
  int timeTickStart() const;    // i0: the disturbance windows leave the origin unlabelled
  std::vector<TimeTick> timeTicks() const;
  std::vector<ValueTick> valueTicks() const;

  // Where the closing labels go for the current state.
  ClosingLabels closingLabels() const;

 private:
  const WindowInfo* window_;
  Params params_;
  double kx_ = 0;
  double dt_ = 0;
  double ky_ = 0;
  double horizon_ = 0;
  LoopState state_;
  int steps_ = 0;
};

}  // namespace astatism
