// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three stability works through random draws: coefficients and poles from the parameters
// as the windows show them, the crossover and the margin read with the track bars, and every
// response and characteristic inside its plot.
#include <cmath>
#include <numbers>

#include "framework/acceptance.h"
#include "framework/numtext.h"
#include "framework/pixels.h"
#include "framework/random.h"
#include "labs/stability/stability_table.h"
#include "support/model_draws.h"

using namespace stability;
using numtext::FloatCut;
using numtext::FloatToStr;

namespace {

// "lab 1.3": the window's work and task, as its caption numbers them.
QString label(const WindowRow& row) { return QStringLiteral("lab %1.%2").arg(row.work).arg(row.task); }

Params drawn() { return drawParams(); }

Params shownParams(draws::Probe& p, const Params& q) {
  return {p.shown("T1", FloatToStr(q.t1)), p.shown("T2", FloatToStr(q.t2)), p.shown("T3", FloatToStr(q.t3)),
          p.shown("k1", FloatToStr(q.k1))};
}

Acceptance rule(double v) {
  const Acceptance b = band(v);
  return b;
}

// The window's multiplier as its label shows it (1 without one).
double multiplier(draws::Probe& p, const WindowRow& row) {
  if (!row.multiplier.any()) return 1;
  return p.shown("m", FloatToStr(row.multiplier.of(RandomRange(row.multiplier.lo, row.multiplier.hi))));
}

void coefficientWindow(draws::Probe& p, const WindowRow& row, const Params& q, const Params& s) {
  const QString name = label(row);
  const auto fields = [&](const Params& x) {
    const Coefficients c = coefficients(row.loop, x, x.t2);
    std::vector<double> t{c.k, c.a3, c.a2, c.a1};
    if (row.loop == Loop::Forcing) {
      t.push_back(c.b);
      t.push_back(criticalT4(x));
    } else if (row.loop != Loop::DoubleIntegrator) {
      t.push_back(criticalGain(row.loop, x));
    }
    return t;
  };
  const std::vector<double> truth = fields(q), read = fields(s);
  for (std::size_t i = 0; i < truth.size(); ++i)
    if (truth[i] != 0) p.answer(name + QStringLiteral(" field %1").arg(i + 1), rule(truth[i]), truth[i], read[i], 7);
}

void frequencyWindow(draws::Probe& p, const WindowRow& row, const Params& q, const Params& s) {
  constexpr QSize plot{411, 115};
  const QString name = label(row);
  const double m = multiplier(p, row);
  const double value = row.loop == Loop::Forcing ? m * criticalT4(q) : criticalGain(row.loop, q);
  const OpenLoop open{row.loop, q, value};
  const double sL = row.slPixels / open.L(row.slAt);
  p.value(name + " sL", sL);
  // ω_ср read at the middle of the run of columns where the drawn curve's centre lies on the
  // 0 dB row (the nearest column to the crossing where a steep curve jumps the row), Δφ with
  // the phase line on the curve at the same column.
  const Crossover c = crossover(open);
  const auto drawnRow = [&](int i) { return ceil_(open.L(std::pow(10.0, i / 100.0)) * sL); };
  int first = static_cast<int>(std::lround(100 * std::log10(c.w))), last = first;
  if (drawnRow(first) == 0) {
    while (drawnRow(first - 1) == 0) --first;
    while (drawnRow(last + 1) == 0) ++last;
  }
  const int x = 150 + (first + last) / 2;
  // The curves leave the plots far from the crossover; where they are read they are inside.
  p.pixel(name + " L at the crossover", x, 60 - drawnRow(x - 150), plot);
  p.pixel(name + " phase at the crossover", x, 60 - ceil_(open.phi(std::pow(10.0, (x - 150) / 100.0)) * 10), plot);
  const double w = p.shown("w", FloatCut(std::pow(10.0, (x - 150) / 100.0), 5));
  p.answer(name + " w", crossoverBand(open, c, sL), c.w, w, 7);
  if (row.loop == Loop::Forcing) {
    const OpenLoop read{row.loop, s, m * criticalT4(s)};
    const double margin = -std::numbers::pi - open.phi(c.w);
    const Acceptance b = readMarginBand(open, c, sL);
    const double phi = p.shown("phi", FloatCut(ceil_(read.phi(std::pow(10.0, (x - 150) / 100.0)) * 10) / 10.0, 5));
    p.answer(name + " margin", b, margin, -std::numbers::pi - phi, 7);
  }
}

void polesWindow(draws::Probe& p, const WindowRow& row, const Params& q, const Params& s, bool response) {
  constexpr QSize plot{423, 241};
  const QString name = label(row);
  const double m = multiplier(p, row);
  const auto valueOf = [&](const Params& x) {
    return m * (row.loop == Loop::Forcing ? criticalT4(x) : criticalGain(row.loop, x));
  };
  const auto polesOf = [&](const Params& x) {
    const Cubic c = characteristic(row.loop, x, valueOf(x));
    return row.regime == Regime::Boundary ? polesOnBoundary(c) : poles(c);
  };
  const Poles truth = polesOf(q), read = polesOf(s);
  for (int i = 0; i < 3; ++i) {
    p.answer(name + QStringLiteral(" alpha %1").arg(i + 1), rule(truth.alpha[i]), truth.alpha[i], read.alpha[i], 7);
    p.answer(name + QStringLiteral(" beta %1").arg(i + 1), rule(truth.beta[i]), truth.beta[i], read.beta[i], 7);
  }
  if (!response) return;
  // The response, at the window's scales. A growing one is scaled to its largest swing above
  // the axis; its swings below run off the plot's bottom, as the window is laid out.
  const double value = valueOf(q), sumT = q.t1 + q.t2 + q.t3, sx = row.sxPixels / sumT, end = row.endFactor * sumT;
  const double sy = row.regime == Regime::Unstable ? 135 / peakOfRun(row.rule, q, value, end) : row.sy;
  p.value(name + " sy", sy);
  State st;
  const QString curve = name + " response";
  while (end > st.t && !p.failed()) {
    eulerStep(row.rule, q, value, st);
    int y = row.y0 - ceil_(st.y * sy);
    // m = 1.0, where Form18_5's draw starts, puts its loop on the boundary: the swing reaches
    // 2.0, the plot's top, and Euler's slow growth takes it a pixel over. Left as drawn.
    if (row.loop == Loop::Forcing && m == 1.0) y = std::max(y, 0);
    p.pixel(curve, ceil_(st.t * sx) + 30, row.regime == Regime::Unstable ? std::min(y, row.y0) : y, plot);
  }
}

// Every window of the three works in order, the later ones on their owner's data; the
// responses (some 10 000 Euler steps a window) only in the second row.
void works(draws::Probe& p, bool responses) {
  Params q, s;
  for (const WindowRow& row : allWindows()) {
    if (row.drawsOwnData()) {
      q = drawn();
      s = shownParams(p, q);
    }
    switch (row.shape) {
      case Shape::Coefficients:
        coefficientWindow(p, row, q, s);
        break;
      case Shape::Frequency:
        frequencyWindow(p, row, q, s);
        break;
      case Shape::Poles:
        polesWindow(p, row, q, s, responses);
        break;
    }
  }
}

LUMEQ_MODEL_DRAWS(
    "stability answers", [](draws::Probe& p) { works(p, false); }, 300);
LUMEQ_MODEL_DRAWS(
    "stability responses", [](draws::Probe& p) { works(p, true); }, 60);

}  // namespace
