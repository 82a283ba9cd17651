// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/astatism/astatism_model.h"
#include "labs/astatism/astatism_layout.h"
#include "closed_forms.h"
#include "support/call_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace astatism;

namespace {

struct TraceSummary {
  double maxR = -1e300, minR = 1e300, firstX1 = 0;
  int minRow = 1 << 30;  // topmost row the curve reached
};

TraceSummary runTrace(Trace& trace) {
  TraceSummary run;
  while (!trace.finished()) {
    trace.step();
    if (trace.steps() == 1) run.firstX1 = trace.state().x1;
    run.maxR = std::max(run.maxR, trace.state().r);
    run.minR = std::min(run.minR, trace.state().r);
    run.minRow = std::min(run.minRow, trace.row(trace.state().r));
  }
  return run;
}

const WindowInfo& win(const char* name) { return astatism_test::infoOf(QString::fromLatin1(name)); }
int lowest(int a, int) { return a; }
int highest(int a, int b) { return a == b ? a : b - 1; }

}  // namespace

TEST(AstatismTable, WindowsTextsAndLookup) {
  ASSERT_EQ(allWindows().size(), 32u);
  for (const WindowInfo& w : allWindows()) EXPECT_EQ(&windowInfo(w.work, w.task), &w);
  EXPECT_THROW(windowInfo(4, 9), std::out_of_range);

  struct Row {
    const char *form, *caption, *scheme, *picture;
    WindowKind kind;
    Signal signal;
    int params, limit, answers;
  };
  using K = WindowKind;
  using S = Signal;
  // clang-format off
  const Row rows[] = {
      {"Form19_1", "Астатизм САУ. Лаб №1.1", "Схема №1", "lab19", K::Coefficients, S::Reference, 2, 4, 4},
      {"Form21_6", "Астатизм САУ. Лаб №3.6", "Схема №3", "lab21", K::Response, S::Disturbance, 2, 2, 3},
      {"Form22_2", "Астатизм САУ. Лаб №4.2", "Схема №4", "lab22", K::Coefficients, S::Disturbance, 3, 4, 4},
  };
  // clang-format on
  for (const Row& r : rows) {
    SCOPED_TRACE(r.form);
    const WindowInfo& w = win(r.form);
    EXPECT_EQ(w.caption, r.caption);
    EXPECT_EQ(w.scheme, r.scheme);
    EXPECT_EQ(w.picture, r.picture);
    EXPECT_EQ(w.kind, r.kind);
    EXPECT_EQ(w.signal, r.signal);
    EXPECT_EQ(w.paramCount, r.params);
    EXPECT_EQ(w.errorLimit(), r.limit);
    EXPECT_EQ(w.answerCount(), r.answers);
  }
  // Reference plots keep the axis low; disturbance plots centre it (Form20_4 raises it).
  for (const WindowInfo& w : allWindows()) {
    if (!w.isResponse()) continue;
    const int y0 = w.signal == Signal::Reference ? 220 : w.work == 2 && w.task == 4 ? 80 : 120;
    EXPECT_EQ(w.plot.y0, y0) << w.caption;
  }
  EXPECT_TRUE(win("Form21_8").endsWork());
  EXPECT_FALSE(win("Form21_7").endsWork());

  // Works 2 to 4 reuse the titles of work 1; the parabola titles carry a superscript.
  const std::string g = "Реакция системы r(t) на сигнал задания g(t)=";
  const std::string f = "Реакция системы r(t) на сигнал возмущения f(t)=";
  for (int work = 1; work <= 4; ++work) {
    const std::string titles[] = {g + "1", f + "1", g + "t", f + "t", g + "t", f + "t"};
    for (int task = 3; task <= 8; ++task)
      EXPECT_EQ(layout::plotTitle(windowInfo(work, task)).toStdString(), titles[task - 3]);
    EXPECT_FALSE(windowInfo(work, 6).plot.exponentX);
    EXPECT_EQ(windowInfo(work, 7).plot.exponentX, 358);
    EXPECT_EQ(windowInfo(work, 8).plot.exponentX, 378);
  }
}

TEST(AstatismTable, DrawRangesAndOrder) {
  std::vector<std::pair<int, int>> asked;
  auto record = [&](int a, int b) {
    asked.emplace_back(a, b);
    return highest(a, b);
  };
  using Calls = std::vector<std::pair<int, int>>;
  const std::pair<const char*, Calls> rows[] = {
      {"Form19_5", {{100, 500}, {100, 500}}},
      {"Form20_3", {{100, 500}, {200, 500}}},
      {"Form20_5", {{100, 400}, {500, 500}}},
      {"Form20_8", {{100, 200}, {100, 400}}},
      {"Form21_7", {{100, 500}, {200, 400}}},
      {"Form22_1", {{100, 500}, {100, 500}, {100, 500}}},
      {"Form22_3", {{100, 200}, {100, 200}, {100, 300}}},
      {"Form22_7", {{100, 300}, {200, 300}, {100, 300}}},
  };
  for (const auto& [form, want] : rows) {
    asked.clear();
    drawParams(win(form), calls(record));
    EXPECT_EQ(asked, want) << form;
  }
  // RandomRange(500, 500) is 500: Form20_5 always shows T2 = 0.5 and expects a0 = 0.5.
  const Params p = drawParams(win("Form20_5"), calls(lowest));
  EXPECT_EQ(p.t2, 0.5);
  EXPECT_EQ(trueAnswers(win("Form20_5"), p)[0], 0.5);
  EXPECT_DOUBLE_EQ(drawParams(win("Form22_3"), calls(highest)).t3, 0.299);
}

// The coefficients must be the Taylor coefficients at p = 0 of the error transfer functions of
// the loops themselves; p = 0 is a pole of the integrators, so the even part is extrapolated
// from two step sizes (E(h) = c0 + c2 h^2/2 + O(h^4)).
TEST(AstatismAnswers, CoefficientsAreDerivativesOfTheErrorTransferFunction) {
  using Tf = std::function<double(double, const Params&)>;
  const Tf lag1 = [](double p, const Params& q) { return 1 / (q.t1 * p + 1); };
  const Tf lag2 = [](double p, const Params& q) { return 1 / (q.t2 * p + 1); };
  const Tf int1 = [](double p, const Params& q) { return 1 / (q.t1 * p); };
  const Tf int2 = [](double p, const Params& q) { return 1 / (q.t2 * p); };
  const Tf pi1 = [](double p, const Params& q) { return (q.t3 * p + 1) / (q.t1 * p); };
  const std::pair<Tf, Tf> links[] = {{lag1, lag2}, {lag1, int2}, {int1, lag2}, {pi1, int2}};

  for (int work = 1; work <= 4; ++work)
    for (Signal sig : {Signal::Reference, Signal::Disturbance})
      for (const Params& q : {Params{0.237, 0.411, 0.15}, Params{0.3, 0.3, 0.2}, Params{0.1, 0.499, 0.499}}) {
        SCOPED_TRACE(testing::Message() << "work " << work << " disturbance " << (sig == Signal::Disturbance)
                                        << " T1=" << q.t1 << " T2=" << q.t2);
        const auto& [w1, w2] = links[work - 1];
        auto phi = [&](double p) { return (sig == Signal::Reference ? 1.0 : w2(p, q)) / (1 + w1(p, q) * w2(p, q)); };
        auto even = [&](double h) { return (phi(h) + phi(-h)) / 2; };
        const double h = 1e-3;
        const double c[] = {(4 * even(h) - even(2 * h)) / 3, (phi(h) - phi(-h)) / (2 * h),
                            (even(2 * h) - even(h)) / (1.5 * h * h)};
        const ErrorCoefficients got = errorCoefficients(work, sig, q);
        EXPECT_NEAR(got.c0, c[0], 1e-5);
        EXPECT_NEAR(got.c1, c[1], 1e-5);
        EXPECT_NEAR(got.c2, c[2], 1e-4);
        const int zeros = int(std::find_if(c, c + 3, [](double v) { return std::abs(v) > 1e-4; }) - c);
        EXPECT_EQ(got.order, zeros);
      }
}

TEST(AstatismAnswers, CoefficientWindowsAnswerInFieldOrder) {
  EXPECT_EQ(trueAnswers(win("Form22_1"), {0.2, 0.4, 0.3}), (std::vector<double>{0, 0, 0.2 * 0.4 * 2, 2}));
  // Equal time constants cancel c1 of the disturbance exactly: only 0 is accepted then.
  EXPECT_EQ(trueAnswers(win("Form19_2"), {0.321, 0.321, 0})[1], 0.0);
}

TEST(AstatismAnswers, ResponseWindowsMatchTheClosedForms) {
  using A = std::array<double, 3>;
  using F = A (*)(double, double, double);
  // clang-format off
  const std::pair<const char*, F> rows[] = {
      {"Form19_3", [](double, double, double) { return A{0.5, 0, 0}; }},
      {"Form19_4", [](double, double, double) { return A{0.5, 0, 0}; }},
      {"Form19_5", [](double a, double b, double) { return A{(a + b) / 4, 0.5, 0}; }},
      {"Form19_6", [](double a, double b, double) { return A{(a - b) / 4, 0.5, 0}; }},
      {"Form19_7", [](double a, double b, double) { return A{-(a * a + b * b) / 4, (a + b) / 2, 0.5}; }},
      {"Form19_8", [](double a, double b, double) { return A{(b * b - a * a) / 4 - a * b / 2, (a - b) / 2, 0.5}; }},
      {"Form20_3", [](double, double, double) { return A{0, 0, 0}; }},
      {"Form20_4", [](double, double, double) { return A{1, 0, 0}; }},
      {"Form20_5", [](double, double b, double) { return A{b, 0, 0}; }},
      {"Form20_6", [](double a, double b, double) { return A{a - b, 1, 0}; }},
      {"Form20_7", [](double a, double b, double) { return A{2 * b * (a - b), 2 * b, 0}; }},
      {"Form20_8", [](double a, double b, double) { return A{2 * b * (b - 2 * a), 2 * (a - b), 1}; }},
      {"Form21_3", [](double, double, double) { return A{0, 0, 0}; }},
      {"Form21_4", [](double, double, double) { return A{0, 0, 0}; }},
      {"Form21_5", [](double a, double, double) { return A{a, 0, 0}; }},
      {"Form21_6", [](double a, double, double) { return A{a, 0, 0}; }},
      {"Form21_7", [](double a, double b, double) { return A{2 * a * (b - a), 2 * a, 0}; }},
      {"Form21_8", [](double a, double, double) { return A{-2 * a * a, 2 * a, 0}; }},
      {"Form22_3", [](double, double, double) { return A{0, 0, 0}; }},
      {"Form22_4", [](double, double, double) { return A{0, 0, 0}; }},
      {"Form22_5", [](double, double, double) { return A{0, 0, 0}; }},
      {"Form22_6", [](double a, double, double) { return A{a, 0, 0}; }},
      {"Form22_7", [](double a, double b, double) { return A{2 * a * b, 0, 0}; }},
      {"Form22_8", [](double a, double, double c) { return A{-2 * a * c, 2 * a, 0}; }},
  };
  // clang-format on
  for (const auto& [form, closed] : rows)
    for (const Params& q : {Params{0.237, 0.411, 0.15}, Params{0.499, 0.1, 0.299}}) {
      const auto got = trueAnswers(win(form), q);
      const A want = closed(q.t1, q.t2, q.t3);
      ASSERT_EQ(got.size(), 3u);
      for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(got[i], want[i]) << form << " a" << i << " T1=" << q.t1;
    }
  const auto a = trueAnswers(win("Form20_8"), {0.1, 0.3, 0});
  EXPECT_NEAR(a[0], 0.06, 1e-15);
  EXPECT_NEAR(a[1], -0.4, 1e-15);
  EXPECT_EQ(a[2], 1.0);
}

TEST(AstatismAnswers, AcceptanceBandEnds) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double truth, typed;
    bool ok;
  } rows[] = {
      {-0.1, -0.105, true},
      {-0.1, -0.095, true},
      {-0.1, std::nextafter(-0.1 * 1.05, -inf), false},
      {-0.1, std::nextafter(-0.1 * 0.95, 0.0), false},
      {-0.1, 0.1, false},  // the band of a negative answer stays negative
      {0.0, 0.0, true},
      {0.0, -0.0, true},
      {0.0, 0.001, false},
      {0.0, -1e-300, false},
      {2.0, 1.9, true},
      {2.0, 2.1, true},
      {2.0, std::nextafter(1.9, 0.0), false},
      {2.0, std::nextafter(2.1, inf), false},
  };
  for (const auto& r : rows) EXPECT_EQ(accepts(r.truth, r.typed), r.ok) << r.truth << " vs " << r.typed;
}

TEST(AstatismTrace, FirstStepFromRest) {
  // The second link sees the first link's new output; a disturbance drives r down.
  const Params q{0.2, 0.4, 0.3};
  const double dt = 0.001;
  for (int work = 1; work <= 4; ++work) {
    LoopState s, d;
    eulerStep(work, q, dt, 1, 0, s);
    const double x1 = work == 4 ? q.t3 / q.t1 : dt / q.t1;  // work 4: the proportional kick
    EXPECT_NEAR(s.x1, x1, 1e-12) << work;
    EXPECT_NEAR(s.r, dt / q.t2 * x1, 1e-12) << work;
    EXPECT_EQ(s.t, dt);
    eulerStep(work, q, dt, 0, 1, d);
    EXPECT_EQ(d.x1, 0.0) << work;
    EXPECT_NEAR(d.r, -dt / q.t2, 1e-15) << work;
  }
}

TEST(AstatismTrace, DescribedResponses) {
  const double none = std::nan("");
  const struct {
    const char* form;
    Params q;
    double peak, final, finalTol;
    int rowLo, rowHi;  // row of the curve's end
  } rows[] = {
      // r ends a few 1e-5 above 0.5, which Ceil puts on row 119 more often than on 120.
      {"Form19_3", {0.237, 0.411, 0}, none, 0.5, 1e-3, 119, 120},
      {"Form19_4", {0.3, 0.2, 0}, none, -0.5, 1e-3, 170, 170},
      {"Form20_3", {0.499, 0.2, 0}, 1.35, 1.0, 0.01, 79, 80},
      {"Form20_4", {0.3, 0.3, 0}, -1.30, -1.0, 1e-3, 139, 140},
      {"Form21_4", {0.3, 0.3, 0}, -0.55, 0.0, 1e-3, 120, 120},
      {"Form22_3", {0.15, 0.15, 0.2}, 1.22, 1.0, 1e-3, 79, 80},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.form);
    Trace trace(win(r.form), r.q);
    const TraceSummary run = runTrace(trace);
    if (!std::isnan(r.peak)) {
      EXPECT_NEAR(r.peak > 0 ? run.maxR : run.minR, r.peak, 0.01);
    }
    EXPECT_NEAR(trace.state().r, r.final, r.finalTol);
    EXPECT_GE(trace.row(trace.state().r), r.rowLo);
    EXPECT_LE(trace.row(trace.state().r), r.rowHi);
    if (std::string(r.form) == "Form20_3") {
      EXPECT_GE(run.minRow, 30);
      EXPECT_LE(run.minRow, 31);
    }
    if (std::string(r.form) == "Form22_3") {
      EXPECT_NEAR(run.firstX1, 0.2 / 0.15, 1e-12);
    }
  }

  const Params q{0.1, 0.3, 0};
  Trace parabola(win("Form20_8"), q);
  runTrace(parabola);
  const double t = parabola.state().t;
  EXPECT_NEAR(t, 0.72, 0.001);
  const auto a = trueAnswers(win("Form20_8"), q);
  EXPECT_NEAR(-parabola.state().r / (a[0] + a[1] * t + a[2] * t * t), 1.0, 0.01);
}

// Every response window at both ends of its ranges: the curve spans Kh*Kx pixels in 10*Kh*Kx
// steps (one more when the summed dt falls just short of the horizon), and the ramp and
// parabola inputs end 200 (g) or 100 (f) pixels above the axis.
TEST(AstatismTrace, EveryWindowSpansItsTimeAxis) {
  for (const WindowInfo& w : allWindows()) {
    if (!w.isResponse()) continue;
    for (auto draw : {lowest, highest}) {
      SCOPED_TRACE(testing::Message() << w.caption << (draw == lowest ? " low" : " high"));
      Trace trace(w, drawParams(w, calls(draw)));
      runTrace(trace);
      const int span = int(std::lround(w.plot.kh * w.plot.kxFactor));
      EXPECT_TRUE(span == 360 || span == 375 || span == 380);
      EXPECT_GE(trace.steps(), 10 * span);
      EXPECT_LE(trace.steps(), 10 * span + 1);
      const int end = trace.column(trace.state().t);
      EXPECT_GE(end, kPlotOriginX + span);
      EXPECT_LE(end, kPlotOriginX + span + 1);
      EXPECT_TRUE(std::isfinite(trace.state().r));
      if (w.shape != Shape::Step) {
        const int reach = trace.y0() - trace.inputRow(trace.state().t);
        const int want = w.signal == Signal::Reference ? 200 : 100;
        EXPECT_GE(reach, want);
        EXPECT_LE(reach, want + 1);
      }
    }
  }
}

TEST(AstatismPlot, ScalesAndTickSteps) {
  const struct {
    const char* form;
    double ky, labelDivisor;
    int s, iconRow, labelX;
  } rows[] = {
      {"Form19_3", 200, 200, 40, 28, 10},
      {"Form19_4", 100, 100, 20, 15, 10},
      {"Form20_3", 140, 140, 28, 28, 10},
      {"Form20_4", 60, 60, 12, 10, 10},
      {"Form22_3", 140, 140, 28, 28, 10},
      {"Form20_6", (100 / 3.8) / 0.5, (100 / 3.8) / 0.5, 27, 15, 5},  // labels read the drawn scale
      {"Form21_8", 100 / (1.9 * 1.9), 100 / (1.9 * 1.9), 20, 15, 5},  // fixed step
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.form);
    Trace trace(win(r.form), {0.2, 0.3, 0.2});
    EXPECT_DOUBLE_EQ(trace.ky(), r.ky);
    EXPECT_EQ(trace.labelDivisor(), r.labelDivisor);
    EXPECT_EQ(trace.valueTickStep(), r.s);
    EXPECT_EQ(trace.iconAxisRow(), r.iconRow);
    EXPECT_EQ(trace.valueLabelX(), r.labelX);
  }
  Trace t(win("Form19_3"), {0.2, 0.3, 0});
  EXPECT_DOUBLE_EQ(t.kx(), 160);
  EXPECT_DOUBLE_EQ(t.dt(), 0.1 / 160);
  EXPECT_DOUBLE_EQ(t.horizon(), 2.25);
}

TEST(AstatismPlot, AxisLabels) {
  Trace ref(win("Form19_3"), {0.2, 0.3, 0});
  const auto up = ref.valueTicks();
  ASSERT_EQ(up.size(), 6u);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(up[k].row, 220 - 40 * k);
    EXPECT_DOUBLE_EQ(up[k].value, 0.2 * k);
    EXPECT_EQ(up[k].labelY, up[k].row - 8);
    EXPECT_EQ(up[k].maxChars, 4);
  }
  const auto time = ref.timeTicks();
  ASSERT_EQ(time.size(), 8u);  // 0, 50, ..., 350
  EXPECT_EQ(time[0].column, 30);
  EXPECT_EQ(time[0].labelX, 25);
  EXPECT_EQ(time[0].labelY, 226);
  EXPECT_DOUBLE_EQ(time[1].value, 50 / 160.0);

  Trace dist(win("Form19_4"), {0.2, 0.3, 0});
  std::vector<ValueTick> below;
  for (const ValueTick& t : dist.valueTicks())
    if (t.maxChars == 5) below.push_back(t);
  ASSERT_EQ(below.size(), 6u);
  EXPECT_FALSE(std::signbit(below[0].value));  // the origin reads 0, not -0
  EXPECT_EQ(below[5].row, 220);
  EXPECT_DOUBLE_EQ(below[5].value, -1);
  EXPECT_EQ(below[5].labelY, 212);
  EXPECT_EQ(dist.timeTicks().front().column, 80);  // no label at the origin

  // Form20_4 runs its ticks to H - 100 on both sides of a high axis.
  Trace high(win("Form20_4"), {0.3, 0.3, 0});
  const auto ticks = high.valueTicks();
  ASSERT_EQ(ticks.size(), 2u * 12);  // i = 0, 12, ..., 132
  EXPECT_EQ(ticks[ticks.size() - 2].labelY, 72 - 132);
  EXPECT_EQ(ticks.back().labelY, 72 + 132);
}

TEST(AstatismPlot, ClosingLabels) {
  const struct {
    const char* form;
    int shift, inputY, outputRaise;
    bool mirrored;
  } rows[] = {
      {"Form19_5", 0, 20, 0, false}, {"Form20_3", 0, 60, 0, false},  // g(t) 20 px higher
      {"Form20_4", 0, 20, 20, true}, {"Form20_6", -5, 20, 0, true}, {"Form22_8", -10, 20, 0, true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.form);
    Trace trace(win(r.form), {0.3, 0.3, 0.3});
    runTrace(trace);
    const ClosingLabels l = trace.closingLabels();
    const int x = trace.column(trace.state().t) + r.shift;
    EXPECT_EQ(l.input.x, x);
    EXPECT_EQ(l.output.x, x);
    EXPECT_NEAR(l.input.y, r.inputY, 1);
    EXPECT_EQ(l.output.y, trace.row(trace.state().r) - r.outputRaise);
    EXPECT_EQ(bool(l.mirroredInput), r.mirrored);
    if (l.mirroredInput) {
      EXPECT_EQ(l.mirroredInput->y, 2 * trace.y0() - l.input.y);
    }
  }
}

TEST(AstatismPlot, PixelMappingsRoundUp) {
  Trace trace(win("Form19_4"), {0.2, 0.3, 0});  // kx = 160, ky = 100, Y0 = 120
  const std::pair<double, int> columns[] = {{0, 30}, {0.001, 31}, {0.0063, 32}};
  for (auto [t, x] : columns) EXPECT_EQ(trace.column(t), x) << t;
  const std::pair<double, int> rows[] = {{0, 120}, {0.0049, 119}, {-0.0049, 120}, {-0.5, 170}};
  for (auto [v, y] : rows) EXPECT_EQ(trace.row(v), y) << v;
  const std::pair<int, int> icons[] = {{0, 0}, {8, 1}, {9, 2}, {220, 28}, {-9, -1}};
  for (auto [p, icon] : icons) EXPECT_EQ(Trace::toIcon(p), icon) << p;
  EXPECT_THROW(Trace(win("Form19_1"), {0.2, 0.2, 0}), std::invalid_argument);
}
