// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Both invariance works through random draws: the lead's time constant from its label, and
// every response and run inside the plot.
#include "framework/numtext.h"
#include "framework/random.h"
#include "labs/invariance/invariance_model.h"
#include "support/model_draws.h"

using namespace invariance;

namespace {

constexpr QSize Bitmap{423, 239};

void curve(draws::Probe& p, const QString& what, const invariance::Plot& plot, const std::vector<double>& r) {
  p.value(what + " dt", plot.dt);
  for (int i = 0; i <= plot.columns; ++i) {
    p.value(what, r[i]);
    p.pixel(what, i + 30, rowOf(plot, r[i]), Bitmap);
  }
}

LUMEQ_MODEL_DRAWS(
    "invariance",
    [](draws::Probe& p) {
      const Params params = drawParams();
      // T1 is shown whole, T2 cut to 5 characters; the lead is T2 (reference) or T1 (disturbance).
      const double t1 = p.shown("T1", FloatToStr(params.t1)), t2 = p.shown("T2", numtext::FloatCut(params.t2, 5));
      for (Work work : {Work::Reference, Work::Disturbance}) {
        const QString name = work == Work::Reference ? QStringLiteral("reference") : QStringLiteral("disturbance");
        const double lead = leadConstant(work, params);
        p.answer(name + " b", leadBand(lead, p.shown("lead", numtext::FloatCut(lead, 5))), lead,
                 work == Work::Reference ? t2 : t1, 7);
        for (Task task : {Task::Error, Task::Gain})
          curve(p, name + (task == Task::Error ? " error" : " gain"), plotOf(work, task, params),
                response(work, task, params));
        for (int k = 0; k < 3; ++k)
          curve(p, name + QStringLiteral(" run %1").arg(k + 1), plotOf(work, Task::Runs, params), run(work, params, k));
      }
    },
    3000);

}  // namespace
