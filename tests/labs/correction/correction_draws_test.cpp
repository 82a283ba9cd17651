// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three correction works through random draws: the gains from the time constants as the
// gain window shows them, and the step windows' answers read off the drawn curve with the
// pointer and the measuring lines.
#include <cmath>

#include "framework/numtext.h"
#include "framework/random.h"
#include "labs/correction/correction_model.h"
#include "support/model_draws.h"

using namespace correction;
using numtext::FloatCut;

namespace {

constexpr QSize Plot{415, 271};

// The steady value of the corrected loop for a gain k, from its polynomial's constant term.
double steady(Scheme s, double k) {
  switch (s) {
    case Scheme::Series:
      return k / (1 + k);
    case Scheme::Parallel:
      return (1 + k) / (2 + k);
    case Scheme::LocalFeedback:
      return 1 / (2 - k);
  }
  return 0;
}

// A gain window, then a step window for each of its gains.
void work(draws::Probe& p, const Work& w) {
  const Params params = drawParams();
  const QString name = QString::fromStdString(w.picture) + QStringLiteral(" gains");
  const double T1 = p.shown("T1", FloatToStr(params.T1)), T2 = p.shown("T2", FloatCut(params.T2, w.t2Chars));
  const std::vector<double> truth = gains(w.scheme, params.T1, params.T2), read = gains(w.scheme, T1, T2);
  for (std::size_t i = 0; i < truth.size(); ++i) {
    p.answer(QStringLiteral("%1 k%2").arg(name).arg(i + 1), Acceptance::band(truth[i]), truth[i], read[i], 7);
    const Polynomial c = characteristic(w.scheme, params.T1, params.T2, truth[i]);
    p.value("discriminant", c.discriminant());
  }
  for (std::size_t n = 0; n < w.gainOf.size(); ++n) {
    const QString form = QString::fromStdString(w.picture) + QStringLiteral(" step %1").arg(n + 2);
    const Params q = drawParams();
    const double k = gains(w.scheme, q.T1, q.T2).at(w.gainOf[n]);
    const Response r = simulate(w.scheme, q.T1, q.T2, k);
    for (int i = 0; i <= kLastColumn; ++i) p.pixel(form + " output", i + 30, row(r.y[i]), Plot);
    // e from the shown gain, and from the settled curve at the pointer.
    const double kShown = p.shown("k", FloatCut(k, 5));
    p.answer(form + " e", errorRule(r), r.error(), 1 - steady(w.scheme, kShown), 7);
    const double yRead = p.shown("h", FloatCut((kAxisRow - row(r.y[kLastColumn])) / double(kScale), 4));
    p.answer(form + " e read off the curve", errorRule(r), r.error(), 1 - yRead, 7);
    // t_p: the lines typed at 0.95 and 1.05 of the steady value (1 − e, e as its box shows it
    // once accepted), the pointer on the last column at which the curve is outside them;
    // the curve has settled before the plot ends.
    const double yInf = 1 - p.shown("e", FloatCut(r.error(), 6));
    const int low = lineRow(0.95 * yInf), high = lineRow(1.05 * yInf);
    int last = 0;
    for (int i = 1; i <= kLastColumn; ++i)
      if (row(r.y[i]) > low || row(r.y[i]) < high) last = i;
    p.value(form + " settled on the plot", last < kLastColumn ? 0 : NAN);
    p.answer(form + " tp", settlingRule(r), r.settling, p.shown("t", FloatCut(last * r.dt, 5)), 7);
  }
}

LUMEQ_MODEL_DRAWS(
    "correction",
    [](draws::Probe& p) {
      for (const Work& w : works()) work(p, w);
    },
    1000);

}  // namespace
