// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/astatism/astatism_model.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace astatism {

namespace {

int ceilInt(double v) { return static_cast<int>(std::ceil(v)); }

// The per-window numbers of the response windows (_3 .. _8); everything else is shared.
struct ResponseRow {
  int work;
  int task;
  std::array<DrawRange, 3> ranges;
  int y0;
  double kxFactor;
  double inputPixels;
  TickStepRule tickStep;
  double kh;
  int labelShift;
};

constexpr DrawRange R(int lo, int hi) { return {lo, hi}; }
constexpr DrawRange kAny = R(100, 500);
constexpr auto K5 = TickStepRule::KyOver5;
constexpr auto K2 = TickStepRule::KyOver2;
constexpr auto F20 = TickStepRule::Fixed20;

// clang-format off
constexpr ResponseRow kResponseRows[] = {
    // work task  T1          T2          T3          Y0   Kx   input  s    Kh   shift
    {1, 3, {kAny,       kAny,       kAny},       220,  80, 200, K5,  4.5,   0},
    {1, 4, {kAny,       kAny,       kAny},       120,  80, 100, K5,  4.5,   0},
    {1, 5, {kAny,       kAny,       kAny},       220, 200, 200, K5,  1.8,   0},
    {1, 6, {kAny,       kAny,       kAny},       120, 200, 100, K5,  1.8,   0},
    {1, 7, {kAny,       kAny,       kAny},       220, 200, 200, K5,  1.8,   0},
    {1, 8, {kAny,       kAny,       kAny},       120, 200, 100, K5,  1.8,   0},

    {2, 3, {kAny,       R(200, 500), kAny},      220,  50, 140, K5,  7.5,   0},
    {2, 4, {kAny,       kAny,       kAny},        80,  50,  60, K5,  7.5,   0},
    {2, 5, {R(100, 400), R(500, 500), kAny},     220, 100, 200, K5,  3.8,  -5},
    {2, 6, {R(100, 400), R(200, 500), kAny},     120, 100, 100, K2,  3.8,  -5},
    {2, 7, {R(100, 400), kAny,       kAny},      220, 100, 200, K2,  3.8,  -5},
    {2, 8, {R(100, 200), R(100, 400), kAny},     120, 200, 100, K2,  1.8,   0},

    {3, 3, {kAny,       kAny,       kAny},       220,  50, 140, K5,  7.5, -10},
    {3, 4, {kAny,       kAny,       kAny},       120,  50, 100, K5,  7.5, -10},
    {3, 5, {kAny,       kAny,       kAny},       220, 100, 200, K5,  3.8, -10},
    {3, 6, {kAny,       kAny,       kAny},       120, 100, 100, K2,  3.8, -10},
    {3, 7, {kAny,       R(200, 400), kAny},      220, 100, 200, K2,  3.8, -10},
    {3, 8, {kAny,       kAny,       kAny},       120, 100, 100, F20, 3.8, -10},

    {4, 3, {R(100, 200), R(100, 200), R(100, 300)}, 220, 40, 140, K5, 9.5, -10},
    {4, 4, {R(100, 300), R(100, 300), R(100, 300)}, 120, 50, 100, K5, 7.5, -10},
    {4, 5, {R(100, 300), R(100, 300), R(100, 300)}, 220, 100, 200, K5, 3.8, -10},
    {4, 6, {R(100, 300), R(100, 300), R(100, 300)}, 120, 100, 100, K2, 3.8, -10},
    {4, 7, {R(100, 300), R(200, 300), R(100, 300)}, 220, 100, 200, K2, 3.8, -10},
    {4, 8, {R(100, 300), R(100, 300), R(100, 300)}, 120, 100, 100, F20, 3.8, -10},
};
// clang-format on

WindowInfo makeWindow(int work, int task) {
  WindowInfo w;
  w.work = work;
  w.task = task;
  const std::string workNo = std::to_string(work);
  const std::string taskNo = std::to_string(task);
  w.caption = "Астатизм САУ. Лаб №" + workNo + "." + taskNo;
  w.scheme = "Схема №" + workNo;
  w.picture = "lab" + std::to_string(18 + work);
  w.kind = task <= 2 ? WindowKind::Coefficients : WindowKind::Response;
  // Odd tasks ask about the reference, even ones about the disturbance.
  w.signal = task % 2 == 1 ? Signal::Reference : Signal::Disturbance;
  w.shape = task <= 4 ? Shape::Step : task <= 6 ? Shape::Ramp : Shape::Parabola;
  w.paramCount = work == 4 ? 3 : 2;
  w.ranges = {kAny, kAny, kAny};
  if (!w.isResponse()) return w;

  for (const ResponseRow& row : kResponseRows) {
    if (row.work != work || row.task != task) continue;
    w.ranges = row.ranges;
    ResponseLayout& p = w.plot;
    if (w.shape == Shape::Parabola) p.exponentX = kPlotWidth - (w.signal == Signal::Reference ? 65 : 45);
    p.y0 = row.y0;
    p.kxFactor = row.kxFactor;
    p.kh = row.kh;
    p.inputPixels = row.inputPixels;
    p.tickStep = row.tickStep;
    p.valueTickSpan = w.signal == Signal::Reference ? kPlotHeight - 40 : ceilInt((kPlotHeight - 40) / 2.0);
    p.labelShift = row.labelShift;
    break;
  }

  // The astatic loop of work 2 overshoots the reference step past the input guide, and its
  // disturbance step runs far below a high axis: these two move labels out of the way.
  if (work == 2 && task == 3) w.plot.inputLabelRaise = 20;
  if (work == 2 && task == 4) {
    w.plot.valueTickSpan = kPlotHeight - 100;
    w.plot.outputLabelRaise = 20;
  }
  return w;
}

const std::array<WindowInfo, kWorkCount * kTasksPerWork>& table() {
  static const auto windows = [] {
    std::array<WindowInfo, kWorkCount * kTasksPerWork> all;
    for (int work = 1; work <= kWorkCount; ++work)
      for (int task = 1; task <= kTasksPerWork; ++task)
        all[(work - 1) * kTasksPerWork + task - 1] = makeWindow(work, task);
    return all;
  }();
  return windows;
}

}  // namespace

std::span<const WindowInfo> allWindows() { return table(); }

const WindowInfo& windowInfo(int work, int task) {
  if (work < 1 || work > kWorkCount || task < 1 || task > kTasksPerWork)
    throw std::out_of_range("astatism window out of range");
  return table()[(work - 1) * kTasksPerWork + task - 1];
}

Params drawParams(const WindowInfo& window, rnd::Source& random) {
  std::array<double, 3> t{};
  for (int i = 0; i < window.paramCount; ++i) t[i] = random.range(window.ranges[i].lo, window.ranges[i].hi) / 1000.0;
  return {t[0], t[1], t[2]};
}

ErrorCoefficients errorCoefficients(int work, Signal signal, const Params& p) {
  const double T1 = p.t1, T2 = p.t2, T3 = p.t3;
  const bool g = signal == Signal::Reference;
  switch (work) {
    case 1:
      if (g) return {0.5, (T1 + T2) / 4, -(T1 * T1 + T2 * T2) / 4, 0};
      return {0.5, (T1 - T2) / 4, (T2 * T2 - T1 * T1) / 4 - T1 * T2 / 2, 0};
    case 2:
      if (g) return {0, T2, 2 * T2 * (T1 - T2), 1};
      return {1, T1 - T2, 2 * T2 * (T2 - 2 * T1), 0};
    case 3:
      if (g) return {0, T1, 2 * T1 * (T2 - T1), 1};
      return {0, T1, -2 * T1 * T1, 1};
    case 4:
      if (g) return {0, 0, 2 * T1 * T2, 2};
      return {0, T1, -2 * T1 * T3, 1};
  }
  throw std::out_of_range("astatism work out of range");
}

std::vector<double> trueAnswers(const WindowInfo& window, const Params& p) {
  const ErrorCoefficients c = errorCoefficients(window.work, window.signal, p);
  if (!window.isResponse()) return {c.c0, c.c1, c.c2, static_cast<double>(c.order)};
  // The error series applied to x = 1, t, t^2 (x'' = 2 cancels the 1/2 of the series).
  switch (window.shape) {
    case Shape::Step:
      return {c.c0, 0, 0};
    case Shape::Ramp:
      return {c.c1, c.c0, 0};
    case Shape::Parabola:
      return {c.c2, 2 * c.c1, c.c0};
  }
  return {};
}

bool accepts(double truth, double typed) {
  double lo = truth * 0.95;
  double hi = truth * 1.05;
  if (truth < 0) std::swap(lo, hi);
  return lo <= typed && typed <= hi;
}

double inputValue(Shape shape, double t) {
  switch (shape) {
    case Shape::Step:
      return 1;
    case Shape::Ramp:
      return t;
    case Shape::Parabola:
      return t * t;
  }
  return 0;
}

void eulerStep(int work, const Params& p, double dt, double g, double f, LoopState& s) {
  switch (work) {
    case 1:
      s.x1 = s.x1 + dt / p.t1 * (g - s.r - s.x1);
      s.r = s.r + dt / p.t2 * (s.x1 - f - s.r);
      break;
    case 2:
      s.x1 = s.x1 + dt / p.t1 * (g - s.r - s.x1);
      s.r = s.r + dt / p.t2 * (s.x1 - f);
      break;
    case 3:
      s.x1 = s.x1 + dt / p.t1 * (g - s.r);
      s.r = s.r + dt / p.t2 * (s.x1 - f - s.r);
      break;
    case 4: {
      // The proportional part of the first link acts through the error difference, so a
      // reference step kicks x1 by T3/T1 at once.
      const double e = g - s.r;
      const double u1 = s.ePrev + (e - s.ePrev) * p.t3 / dt;
      s.x1 = s.x1 + dt / p.t1 * u1;
      s.r = s.r + dt / p.t2 * (s.x1 - f);
      s.ePrev = e;
      break;
    }
    default:
      throw std::out_of_range("astatism work out of range");
  }
  s.t = s.t + dt;
}

Trace::Trace(const WindowInfo& window, const Params& params) : window_(&window), params_(params) {
  if (!window.isResponse()) throw std::invalid_argument("a coefficient window has no trace");
  const ResponseLayout& L = window.plot;
  const double S = params.t1 + params.t2;
  kx_ = L.kxFactor / S;
  dt_ = 0.1 / kx_;
  horizon_ = L.kh * S;
  // Scaled so that the input ends inputPixels above the axis; the two-step forms keep the
  // rounding of the drawn scales.
  switch (window.shape) {
    case Shape::Step:
      ky_ = L.inputPixels;
      break;
    case Shape::Ramp:
      ky_ = (L.inputPixels / L.kh) / S;
      break;
    case Shape::Parabola: {
      const double span = L.kh * S;
      ky_ = L.inputPixels / (span * span);
      break;
    }
  }
}

void Trace::step() {
  const double u = input(state_.t);
  const bool reference = window_->signal == Signal::Reference;
  eulerStep(window_->work, params_, dt_, reference ? u : 0.0, reference ? 0.0 : u, state_);
  ++steps_;
}

double Trace::input(double t) const { return inputValue(window_->shape, t); }

int Trace::column(double t) const { return kPlotOriginX + ceilInt(t * kx_); }
int Trace::row(double v) const { return y0() - ceilInt(v * ky_); }
int Trace::inputRow(double t) const { return y0() - ceilInt(ky_ * input(t)); }
int Trace::mirroredInputRow(double t) const { return y0() + ceilInt(ky_ * input(t)); }

int Trace::toIcon(int p) { return ceilInt(p / static_cast<double>(kIconScale)); }
int Trace::iconAxisRow() const { return toIcon(y0()); }

int Trace::valueTickStep() const {
  switch (window_->plot.tickStep) {
    case TickStepRule::KyOver5:
      return ceilInt(ky_ / 5);
    case TickStepRule::KyOver2:
      return ceilInt(ky_ / 2);
    case TickStepRule::Fixed20:
      return 20;
  }
  return 20;
}

// A tick i pixels above the axis stands for i/ky, the scale the curve is drawn with.
double Trace::labelDivisor() const { return ky_; }

int Trace::valueLabelX() const { return window_->shape == Shape::Step ? 10 : 5; }

int Trace::timeTickStart() const { return window_->signal == Signal::Reference ? 0 : 1; }

std::vector<TimeTick> Trace::timeTicks() const {
  std::vector<TimeTick> ticks;
  for (int i = timeTickStart(); i <= kPlotWidth - 30; ++i)
    if (i % 50 == 0) ticks.push_back({kPlotOriginX + i, i / kx_, 25 + i, y0() + 6});
  return ticks;
}

std::vector<ValueTick> Trace::valueTicks() const {
  const int s = valueTickStep();
  const double D = labelDivisor();
  const int Lx = valueLabelX();
  const int Y0 = y0();
  const bool below = window_->signal == Signal::Disturbance;
  std::vector<ValueTick> ticks;
  for (int i = 0; i <= window_->plot.valueTickSpan; i += s) {
    ticks.push_back({Y0 - i, i / D, Lx, Y0 - 8 - i, 4});
    // -i is negated as an integer so that the origin reads 0, not -0.
    if (below) ticks.push_back({Y0 + i, static_cast<double>(-i) / D, Lx, Y0 - 8 + i, 5});
  }
  return ticks;
}

ClosingLabels Trace::closingLabels() const {
  const ResponseLayout& L = window_->plot;
  const double t = state_.t;
  const int x = column(t) + L.labelShift;
  ClosingLabels labels{{x, inputRow(t) - L.inputLabelRaise}, std::nullopt, {x, row(state_.r) - L.outputLabelRaise}};
  if (window_->signal == Signal::Disturbance) labels.mirroredInput = Point{x, mirroredInputRow(t)};
  return labels;
}

}  // namespace astatism
