// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The aperiodic and oscillating links' windows through random draws: every answer worked out
// from the drawn pixels, the pointer readout and the labels as a student reads them, and the
// traces inside their plots.
#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/numtext.h"
#include "framework/typical_form.h"
#include "labs/typical_links/aperiodic_model.h"
#include "labs/typical_links/lag_frequency.h"
#include "labs/typical_links/oscillating_model.h"
#include "frequency_draws.h"
#include "support/model_draws.h"

using numtext::FloatCut;
using numtext::FloatToStr;

namespace {

const QSize Plot = TypicalForm::PlotSize;
constexpr int Columns = 331;  // the step curves span x = 30 (b = 0) to 360

// The step windows' pointer readout (hChars, timeChars as the window cuts them).
double readH(draws::Probe& p, int d, int chars) { return p.shown("h", FloatCut(d / 100.0, chars)); }
double readT(draws::Probe& p, int b, double dt, int chars) { return p.shown("t", FloatCut(b * dt, chars)); }

// Heights of a step curve by offset b from the axis (the column x = b + 30).
template <class S>
std::vector<int> curve(const S& d) {
  std::vector<int> h(Columns);
  for (int b = 0; b < Columns; ++b) h[b] = 240 - d.column(b + 30);
  return h;
}

// The settling time read with both lines typed as 0.95k and 1.05k and the pointer on the last
// column outside them.
template <class S>
double readTp(draws::Probe& p, const S& d, double k, int chars) {
  return readT(
      p, static_cast<int>(std::lround(links::drawnSettling([&](int x) { return d.column(x); }, k, d.dt()) / d.dt())),
      d.dt(), chars);
}

LUMEQ_MODEL_DRAWS("aperiodic step", [](draws::Probe& p) {
  const aperiodic::Step d = aperiodic::Step::draw();
  const std::vector<int> h = curve(d);
  for (int b = 0; b < Columns; ++b) p.pixel("output", b + 30, 240 - h[b], Plot);
  // k on the dashed final line; T where the curve passes 0.632k, and along the tangent.
  const double k = readH(p, 240 - d.finalRow(), 6);
  p.answer("k", Acceptance::band(d.k), d.k, k, 7);
  int b = 0;
  while (b + 1 < Columns && h[b] < 0.632 * 100 * k) ++b;
  p.answer("T at 0.632k", Acceptance::band(d.T), d.T, readT(p, b, d.dt(), 6), 7);
  const int at = b / 2;
  p.answer("T by the tangent", Acceptance::band(d.T), d.T,
           p.shown("tangent", FloatCut(at * d.dt() + d.T, 5)) - readT(p, at, d.dt(), 6), 7);
  p.answer("tp", d.tpRule(), d.tp(), readTp(p, d, k, 6), 7);
});

LUMEQ_MODEL_DRAWS(
    "oscillating step",
    [](draws::Probe& p) {
      const oscillating::Step d = oscillating::Step::draw();
      const std::vector<int> h = curve(d);
      for (int b = 0; b < Columns; ++b) p.pixel("output", b + 30, 240 - h[b], Plot);
      const double k = readH(p, 240 - d.finalRow(), 4);
      p.answer("k", Acceptance::band(d.k), d.k, k, 7);
      // Peaks above the final line (the middle of a flat top), read with the pointer.
      std::vector<double> peaks, tops;
      int firstTop = -1;
      for (int b = 1; b + 1 < Columns; ++b) {
        if (h[b] <= h[b - 1] || h[b] <= 240 - d.finalRow() + 1) continue;
        int e = b;
        while (e + 1 < Columns && h[e + 1] == h[b]) ++e;
        if (e + 1 < Columns && h[e + 1] < h[b]) {
          peaks.push_back(readT(p, (b + e) / 2, d.dt(), 5));
          tops.push_back(readH(p, h[b], 4));
          if (firstTop < 0) firstTop = b;
        }
        b = e;
      }
      p.value("peaks", peaks.size() < 2 ? NAN : 0);
      if (peaks.size() < 2) return;
      // σ from the first overshoot, and from the first maximum and the next minimum read at the
      // pen's centre and at its outer edges; γ from σ as its box shows it once accepted.
      const int bottom = *std::min_element(h.begin() + firstTop, h.end());
      p.answer("sigma", d.sigmaRule(), d.sigma(), k / (tops[0] - k), 7);
      for (int edge : {0, 1}) {
        const double top = readH(p, h[firstTop] + edge, 4), low = readH(p, bottom - edge, 4);
        p.answer(edge ? "sigma from the extremes' edges" : "sigma from the extremes", d.sigmaRule(), d.sigma(),
                 (top - k) / (k - low), 7);
      }
      p.answer("tp", d.tpRule(), d.tp, readTp(p, d, k, 5), 7);
      const double lnS = std::log(p.shown("sigma", FloatCut(d.sigma(), 4)));
      const double gamma = lnS / std::sqrt(std::numbers::pi * std::numbers::pi + lnS * lnS);
      p.answer("gamma", Acceptance::band(d.gamma), d.gamma, gamma, 7);
      const double period = (peaks.back() - peaks.front()) / static_cast<double>(peaks.size() - 1);
      p.answer("T", Acceptance::band(d.T), d.T, period * std::sqrt(1 - gamma * gamma) / (2 * std::numbers::pi), 7);
    },
    1000);

void ramp(draws::Probe& p, const links::RampCase& d, double kFromScreen) {
  p.answer("k", Acceptance::band(d.p.k), d.p.k, kFromScreen, 7);
  for (int n = 0; n <= 360; ++n) {
    p.pixel("output", n + 30, 240 - d.output(n), Plot);
    p.pixel("input", n + 30, 240 - d.input(n), Plot);
  }
  const int np = d.crossingPixel();
  p.pixel("crossing", np + 30, 240 - ceil_(np * d.G()), Plot);
}

LUMEQ_MODEL_DRAWS(
    "aperiodic ramp",
    [](draws::Probe& p) {
      const links::RampCase d = aperiodic::drawRamp();
      const double T = p.shown("T", FloatToStr(d.p.T)), t = p.shown("crossing", FloatToStr(d.crossingTime));
      ramp(p, d, t / (t - T * (1 - std::exp(-t / T))));
    },
    3000);

LUMEQ_MODEL_DRAWS(
    "oscillating ramp",
    [](draws::Probe& p) {
      const links::RampCase d = oscillating::drawRamp();
      const oscillating::Link l{p.shown("T", FloatToStr(d.p.T)), 1, p.shown("g", FloatToStr(d.p.gamma))};
      const double t = p.shown("crossing", FloatToStr(d.crossingTime));
      ramp(p, d, t / l.rampUnit(t));
    },
    2000);

void sine(draws::Probe& p, const links::SteadySine& d, const links::SteadySine& fromScreen) {
  p.answer("amplitude", Acceptance::band(d.amplitude), d.amplitude, fromScreen.amplitude, 7);
  p.answer("phase", Acceptance::band(d.phase), d.phase, fromScreen.phase, 7);
  for (int j = 1; j < 380; ++j) {
    p.pixel("output", j + 10, 135 - d.output(j - 20), Plot);
    p.pixel("input", j + 10, 135 - d.input(j - 20), Plot);
  }
  p.pixel("output dash", 20, 135 + d.amplitudePixels(), Plot);
}

links::Params shownParams(draws::Probe& p, const links::Params& q) {
  const double g = q.gamma < 0 ? q.gamma : p.shown("g", FloatToStr(q.gamma));
  return {p.shown("T", FloatToStr(q.T)), p.shown("w", FloatToStr(q.w)), p.shown("k", FloatToStr(q.k)), g};
}

LUMEQ_MODEL_DRAWS(
    "aperiodic sine",
    [](draws::Probe& p) {
      const links::SteadySine d = aperiodic::drawSine();
      const links::Params s = shownParams(p, d.p);
      sine(p, d, aperiodic::sine(s.T, s.w, s.k));
    },
    2000);

LUMEQ_MODEL_DRAWS(
    "oscillating sine",
    [](draws::Probe& p) {
      const links::SteadySine d = oscillating::drawSine();
      const links::Params s = shownParams(p, d.p);
      sine(p, d, oscillating::sine(s.T, s.w, s.k, s.gamma));
    },
    2000);

// Five runs of a frequency series: A at the output's dash through the readout, Δφ from the
// pixels between the curves' zero crossings through the readout, the markers on their plots.
void frequency(draws::Probe& p, LagFrequency& link) {
  link.generate(true, rnd::source());
  const FrequencyLink::Setup s = link.setup();
  for (int run = 1; run <= 5; ++run) {
    const double w = link.omega(run);
    p.value("w", w);
    p.value("L", link.level(w));
    p.shown("w", FloatCut(w, 5));
    const double A = p.shown("A", FloatCut(link.readoutAmplitude(link.outputDash(w), w), 5));
    p.answer(QStringLiteral("A, run %1").arg(run), link.readAmplitudeRule(w), link.amplitude(w), A, s.amplitudeLength);
    const int shift = static_cast<int>(std::lround(-link.phase(w) / freq::K));
    p.answer(QStringLiteral("phase, run %1").arg(run), link.readPhaseRule(w), link.phase(w),
             -p.shown("phase", FloatCut(freq::phaseAt(shift), 4)), s.phaseLength);
    frequencyPixels(p, link, w);
  }
}

LUMEQ_MODEL_DRAWS(
    "aperiodic frequency",
    [](draws::Probe& p) {
      LagFrequency link({{}, {}, 7, 7}, std::make_unique<aperiodic::Frequency>());
      frequency(p, link);
    },
    2000);

LUMEQ_MODEL_DRAWS(
    "oscillating frequency",
    [](draws::Probe& p) {
      LagFrequency link({{}, {}, 6, 7}, std::make_unique<oscillating::Frequency>());
      frequency(p, link);
    },
    2000);

}  // namespace
