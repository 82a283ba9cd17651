// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows draw: the traced curves where the loop puts them, the shared frame of the
// three runs, and the curve of Form12_1 below the axis.
#include "invariance_fixture.h"
#include "loop_rk4.h"

using namespace invariance;
using invariance_test::Loop;

class InvariancePlot : public InvarianceTest {};

// The blue curve of windows 1 and 3 lies where an independent integration of the loop puts
// it, to a pixel, column by column: (n + 10) carries r after n − 20 columns.
TEST_F(InvariancePlot, TracedCurvesFollowTheLoop) {
  struct Case {
    const char* form;
    bool reference;
    Loop::Path path;
  };
  for (const Case& c : {Case{"Form11_1", true, Loop::None}, Case{"Form11_3", true, Loop::Gain},
                        Case{"Form12_1", false, Loop::None}, Case{"Form12_3", false, Loop::Gain}}) {
    SCOPED_TRACE(c.form);
    draw(37, 73);
    ExperimentWindow* w = start(c.form);
    auto* r = dynamic_cast<ResponseForm*>(w);
    ASSERT_TRUE(r);
    if (QString(c.form).endsWith("_1")) {
      type(w, 0, loc("0.5"));
      settle();
    }
    const Plot plot = r->plotInfo();
    const Params p = r->params();
    const auto rk = Loop{c.reference, p.t1, p.t2, c.path}.samples(plot.dt, 380);
    for (int n = 25; n < 400; n += 25) {
      const int i = n - 20;
      const double exact = plot.y0 - rk[i] * plot.scale;
      EXPECT_TRUE(near(r->plot(), n + 10, static_cast<int>(std::lround(exact)), colors::Blue, 1)) << n;
    }
    // The icons carry the same curve at one seventh.
    EXPECT_GT(count(r->outputIcon(), colors::Blue), 20);
    EXPECT_GT(count(r->inputIcon(), colors::Red), 20);
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
  }
}

TEST_F(InvariancePlot, DisturbanceCurveSettlesHalfAUnitBelowTheAxis) {
  draw(249, 199);
  ExperimentWindow* w = start("Form12_1");
  type(w, 0, loc("0.5"));
  settle();
  auto* r = dynamic_cast<ResponseForm*>(w);
  // r = −0.5 is 60 pixels under the axis at row 155, beside the tick of −0.5.
  EXPECT_TRUE(near(r->plot(), 409, 215, colors::Blue, 1));
  EXPECT_EQ(px(r->plot(), 28, 215), colors::Black);
  EXPECT_EQ(count(r->plot(), colors::Blue, QRect(31, 20, 380, 134)), 0);  // never above the axis
}

// Three runs, one frame: the reference line once, under the first run; each run in its
// colour where the model puts it; the time labels untouched by the runs.
TEST_F(InvariancePlot, RunsShareTheFrame) {
  for (const char* form : {"Form11_4", "Form12_4"}) {
    SCOPED_TRACE(form);
    draw(100, 150);
    auto* w = dynamic_cast<RunsForm*>(start(form));
    ASSERT_TRUE(w);
    const Plot plot = w->plotInfo();
    const QRect labels(0, plot.y0 + 6, 420, 14);
    const QImage before = w->plot()->canvas().image().copy(labels);
    EXPECT_EQ(count(w->plot(), colors::Red), 0);
    type(w, 0, loc("0"));
    settle();
    // Where no run passes, the row of time labels is as the frame left it.
    const QImage after = w->plot()->canvas().image().copy(labels);
    for (int y = 0; y < labels.height(); ++y)
      for (int x = 0; x < labels.width(); ++x) {
        const QColor c = after.pixelColor(x, y);
        if (c != RunsForm::runColor(0) && c != RunsForm::runColor(1) && c != RunsForm::runColor(2))
          ASSERT_EQ(c, before.pixelColor(x, y)) << x << "," << y;
      }
    const int top = plot.y0 - plot.scale;
    for (int x = 31; x < 45; ++x) EXPECT_EQ(px(w->plot(), x, top), colors::Red) << x;
    for (int run = 0; run < 3; ++run) {
      const auto& y = w->curve(run);
      // Early columns, where the runs are still apart.
      for (int k = 12; k < 40; k += 6)
        EXPECT_TRUE(near(w->plot(), k + 30, rowOf(plot, y[k]), RunsForm::runColor(run), 1)) << run << " " << k;
    }
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
  }
}
