// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every astatism window through random draws: its answers from the parameters as shown, and
// one response window's whole trace on its plot.
#include "framework/random.h"
#include "labs/astatism/astatism_layout.h"
#include "labs/astatism/astatism_model.h"
#include "support/model_draws.h"

using namespace astatism;

namespace {

void answers(draws::Probe& p, const WindowInfo& w) {
  const Params params = drawParams(w);
  const double drawn[] = {params.t1, params.t2, params.t3};
  double onScreen[3] = {};
  for (int i = 0; i < w.paramCount; ++i) {
    p.value(QStringLiteral("T%1").arg(i + 1), drawn[i]);
    onScreen[i] = p.shown(QString::fromStdString(w.caption), layout::parameterText(i, drawn[i]));
  }
  const std::vector<double> truth = trueAnswers(w, params);
  const std::vector<double> read = trueAnswers(w, {onScreen[0], onScreen[1], onScreen[2]});
  for (std::size_t i = 0; i < truth.size(); ++i)
    p.answer(QStringLiteral("%1 Edit%2").arg(QString::fromStdString(w.caption)).arg(i + 1), Acceptance::band(truth[i]),
             truth[i], read[i], w.answerMaxLength());
}

void trace(draws::Probe& p, const WindowInfo& w) {
  const Params params = drawParams(w);
  Trace s(w, params);
  const QSize plot(kPlotWidth, kPlotHeight);
  const QString name = QString::fromStdString(w.caption);
  p.value(name + " kx", s.kx());
  p.value(name + " ky", s.ky());
  const QString r = name + " r", out = name + " output", in = name + " input", mirrored = name + " mirrored input";
  while (!s.finished() && !p.failed()) {
    s.step();
    const double t = s.state().t;
    p.value(r, s.state().r);
    p.pixel(out, s.column(t), s.row(s.state().r), plot);
    p.pixel(in, s.column(t), s.inputRow(t), plot);
    if (w.signal == Signal::Disturbance) p.pixel(mirrored, s.column(t), s.mirroredInputRow(t), plot);
  }
  for (const TimeTick& t : s.timeTicks()) p.pixel(name + " time tick", t.column, s.y0() + 5, plot);
  // Value ticks are left out: Form20_4 deliberately runs them past the top edge, where the
  // canvas clips them (see AstatismPlot.AxisLabels).
}

LUMEQ_MODEL_DRAWS("astatism answers", [](draws::Probe& p) {
  for (const WindowInfo& w : allWindows()) answers(p, w);
});

LUMEQ_MODEL_DRAWS("astatism traces", [](draws::Probe& p) {
  const auto all = allWindows();
  const WindowInfo& w = all[RandomRange(0, static_cast<int>(all.size()))];
  if (w.isResponse()) trace(p, w);
});

}  // namespace
