// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The integrating link's four windows through random draws: answers read from the screen the
// way a student reads them, and every point the traces draw inside its plot.
#include "framework/numtext.h"
#include "framework/typical_form.h"
#include "labs/typical_links/integrating_frequency.h"
#include "labs/typical_links/integrating_model.h"
#include "frequency_draws.h"
#include "support/model_draws.h"

using namespace integrating;
using numtext::FloatCut;
using numtext::FloatToStr;

namespace {

const QSize Plot = TypicalForm::PlotSize;

LUMEQ_MODEL_DRAWS("integrating step", [](draws::Probe& p) {
  const Step d = Step::draw();
  // The readout where the output reaches 1: h = 1 at 110 pixels, t = T at 190 pixels.
  const double h = p.shown("h", FloatCut(Step::level(Step::offsetY(130)), 6));
  const double t = p.shown("t", FloatCut(d.time(Step::offsetX(220)), 5));
  p.answer("T", d.rule(), d.T, t / h, 5);
  for (int n = 1; n < kTimePasses - kInputPass; ++n) p.pixel("output", n + kInputPass + 10, 240 - d.height(n), Plot);
});

LUMEQ_MODEL_DRAWS("integrating ramp", [](draws::Probe& p) {
  const Ramp d = Ramp::draw();
  // The crossing of the curves is labelled with its time, 2T.
  p.answer("T", d.rule(), d.T, p.shown("crossing", FloatToStr(d.crossingTime()) + " c") / 2, 5);
  p.pixel("crossing", d.crossingX(), d.crossingTop(), Plot);
  for (int k = 0; k <= kTimePasses - kInputPass; ++k) {
    p.pixel("output", k + kInputPass + 10, 240 - d.output(k), Plot);
    p.pixel("input", k + kInputPass + 10, 240 - d.input(k), Plot);
  }
});

LUMEQ_MODEL_DRAWS(
    "integrating sine",
    [](draws::Probe& p) {
      const Sine d = Sine::draw();
      const double T = p.shown("T", FloatToStr(d.T)), w = p.shown("w", FloatToStr(d.w));
      p.answer("A", d.amplitudeRule(), d.amplitude(), 1 / (w * T), 7);
      p.answer("phase", Sine::phaseRule(), -std::numbers::pi / 2, -std::numbers::pi / 2, 7);
      for (int j = 1; j <= kTimePasses; ++j) {
        p.pixel("output", j + 10, 135 - d.output(j - kInputPass), Plot);
        p.pixel("input", j + 10, 135 - d.input(j - kInputPass), Plot);
      }
    },
    3000);

LUMEQ_MODEL_DRAWS(
    "integrating frequency",
    [](draws::Probe& p) {
      IntegratingFrequency link;
      link.generate(true, rnd::source());
      const FrequencyLink::Setup s = link.setup();
      for (int run = 1; run <= 5; ++run) {
        const double w = link.omega(run);
        p.value("w", w);
        p.value("L", link.level(w));
        // The amplitude read off the sine plot at the output's dash.
        const double A = p.shown("A", FloatCut(link.readoutAmplitude(link.outputDash(w), w), 5));
        p.answer(QStringLiteral("A, run %1").arg(run), link.amplitudeRule(w), link.amplitude(w), A, s.amplitudeLength);
        p.answer(QStringLiteral("phase, run %1").arg(run), link.phaseRule(w), -std::numbers::pi / 2,
                 p.shown("phase", link.phaseShown(w)), s.phaseLength);
        frequencyPixels(p, link, w);
      }
      // The exact characteristics are lines through points beyond the plots' edges, clipped there.
    },
    2000);

}  // namespace
