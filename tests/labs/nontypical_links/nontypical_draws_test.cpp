// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The delay and lag-link windows through random draws: answers from the labels and the pointer
// readout as the windows show them, and the curves inside their plots.
#include <cmath>
#include <numbers>

#include "framework/numtext.h"
#include "framework/typical_form.h"
#include "labs/nontypical_links/delay_model.h"
#include "labs/nontypical_links/lag_model.h"
#include "support/model_draws.h"

using namespace nontypical;
using numtext::FloatCut;
using numtext::FloatToStr;

namespace {

LUMEQ_MODEL_DRAWS(
    "delay",
    [](draws::Probe& p) {
      const Delay d = Delay::draw();
      const double A = p.shown("A", FloatToStr(d.A)), w = p.shown("w", FloatToStr(d.w));
      // k: the readout on the output's dash over the input amplitude A; T: the pixels between the
      // curves' zero crossings, read as a phase at the nearest pixel, over ω.
      p.answer("k", d.gainRule(), d.k, p.shown("h", FloatCut(d.level(d.outputDash()), 6)) / A, 7);
      const int shift = static_cast<int>(std::lround(d.T / kDelayStep));
      p.answer("T", d.delayRule(), d.T, p.shown("phase", FloatCut(d.phase(shift), 5)) / w, 7);
      const QSize plot = TypicalForm::PlotSize;
      for (int s = 1; s <= kDelayEndPass; ++s) {
        p.pixel("input", s + 10, 135 - d.input(s - kDelayOriginPass), plot);
        p.pixel("output", s + 10, 135 - d.output(s - kDelayOriginPass), plot);
      }
    },
    3000);

LUMEQ_MODEL_DRAWS(
    "lag links",
    [](draws::Probe& p) {
      const Lag lag = Lag::draw();
      const double k = p.shown("k", FloatToStr(lag.k));
      p.value("T", p.shown("T", FloatToStr(lag.T)));
      constexpr QSize plot{301, 173};
      for (const LagWindow& row : lagWindows()) {
        const auto limits = nontypical::limits(row.pole, lag);
        const double fromScreen[] = {k, 0, row.pole == Pole::Right ? -std::numbers::pi : 0, -std::numbers::pi / 2};
        for (int i = 0; i < 4; ++i)
          p.answer(QStringLiteral("%1 limit %2").arg(QString::fromLatin1(row.picture1)).arg(i + 1), limits[i].rule,
                   limits[i].value, fromScreen[i], 6);
        for (int i = 0; i <= kLastColumn + 1; ++i) {
          p.pixel("amplitude", i + 30, amplitudeY(lag.T, i), plot);
          p.pixel("phase", i + 30, phaseY(row.pole, lag.T, i), plot);
        }
        p.pixel("guide", 30, guideY(row.pole, lag.T), plot);
      }
    },
    2000);

}  // namespace
