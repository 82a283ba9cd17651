// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The compound-link windows through random draws: answers worked out from the task's labels,
// the pointer readouts and the drawn pixels as a student reads them; every curve inside its
// plot.
#include <cmath>

#include "framework/numtext.h"
#include "framework/typical_form.h"
#include "labs/compound_links/diff_model.h"
#include "labs/compound_links/infors_model.h"
#include "labs/compound_links/pi_model.h"
#include "support/model_draws.h"

using namespace compound;
using numtext::FloatCut;
using numtext::FloatToStr;

namespace {

const QSize Plot = TypicalForm::PlotSize;

double label(draws::Probe& p, double v) { return p.shown("label", FloatToStr(v)); }

void answer(draws::Probe& p, QAnyStringView what, const Expected& e, double truth, double fromScreen) {
  p.answer(what, e.rule, truth, fromScreen, 7);
}

// A step curve on its plot (x = 30 + n), and the readout h at a height of d pixels.
void stepPixels(draws::Probe& p, const StepCurve& c) {
  p.value("S", c.S);
  p.pixel("input", 30, 240 - c.input(), Plot);
  for (int n = 0; n <= StepCurve::kLastIndex; ++n) p.pixel("output", n + 30, 240 - c.heights[n], Plot);
}
double readH(draws::Probe& p, const StepCurve& c, int d, int chars) { return p.shown("h", FloatCut(d / c.S, chars)); }

// Both sinusoids on the plot about y = 135 (x = j + 10, time index j − 20).
void sinePixels(draws::Probe& p, const Sinusoids& s) {
  p.value("S", s.S);
  for (int j = 1; j <= 380; ++j) {
    p.pixel("input", j + 10, 135 - s.input(j - 20), Plot);
    p.pixel("output", j + 10, 135 - s.output(j - 20), Plot);
  }
  p.pixel("output level", 20, 135 + s.outputLevel(), Plot);
  p.pixel("input level", 20, 135 + s.inputLevel(), Plot);
}

LUMEQ_MODEL_DRAWS(
    "pi step",
    [](draws::Probe& p) {
      const pi::Step d = pi::Step::draw();
      const StepCurve c = d.curve();
      stepPixels(p, c);
      // The jump h0 = T1/T2 and the slope 1/T2 between the jump and the last column.
      const double h0 = readH(p, c, c.heights[0], 6), hEnd = readH(p, c, c.heights.back(), 6);
      const double T2 = p.shown("t", FloatCut(StepCurve::kLastIndex * c.delta, 5)) / (hEnd - h0);
      const auto a = d.answers();
      answer(p, "T2", a[0], d.T2(), T2);
      answer(p, "T1", a[1], d.T1, h0 * T2);
    },
    3000);

LUMEQ_MODEL_DRAWS("diff step", [](draws::Probe& p) {
  const diff::Step d = diff::Step::draw();
  const StepCurve c = d.curve();
  stepPixels(p, c);
  // h(0) = T1/T2 with T1 given.
  answer(p, "T2", d.answer(), d.T2(), label(p, d.T1) / readH(p, c, c.heights[0], 5));
});

LUMEQ_MODEL_DRAWS("infors step", [](draws::Probe& p) {
  const infors::Step d = infors::Step::draw();
  const StepCurve c = d.curve();
  stepPixels(p, c);
  p.pixel("steady", 360, 240 - c.steady, Plot);
  // k on the steady dashes, h(0) = kT1/T2 with T1 as the task shows it.
  const double k = readH(p, c, c.steady, 5), h0 = readH(p, c, c.heights[0], 5);
  const auto a = d.answers();
  answer(p, "k", a[0], d.k, k);
  answer(p, "T2", a[1], d.T2, k * p.shown("T1", d.shownT1()) / h0);
});

LUMEQ_MODEL_DRAWS(
    "pi sine",
    [](draws::Probe& p) {
      const pi::Sine d = pi::Sine::draw();
      sinePixels(p, d.plot());
      const double T1 = label(p, d.T1), T2 = label(p, d.T2), w = label(p, d.w);
      const auto a = d.answers();
      answer(p, "A", a[0], d.A(), pi::amplitude(T1, T2, w));
      answer(p, "phase", a[1], d.dphi(), pi::phase(T1, w));
    },
    3000);

LUMEQ_MODEL_DRAWS(
    "pi frequency",
    [](draws::Probe& p) {
      const pi::Frequency d = pi::Frequency::draw();
      sinePixels(p, d.plot());
      const double T1 = label(p, d.T1), T2 = label(p, d.T2), R = d.target();
      answer(p, "w1", d.answer(), d.w1(), 1 / std::sqrt((R * T2) * (R * T2) - T1 * T1));
    },
    3000);

LUMEQ_MODEL_DRAWS("pi circuit", [](draws::Probe& p) {
  const pi::Circuit d = pi::Circuit::draw();
  const auto a = d.answers();
  answer(p, "R1", a[0], static_cast<double>(d.R1()), std::round(label(p, d.T2()) * 1e6));
  answer(p, "R2", a[1], static_cast<double>(d.R2()), std::round(label(p, d.T1()) * 1e6));
});

LUMEQ_MODEL_DRAWS(
    "diff harmonic",
    [](draws::Probe& p) {
      const diff::Lowered d = diff::Lowered::draw();
      sinePixels(p, d.h.plot());
      sinePixels(p, d.output2(d.T2()));
      const double A = label(p, d.h.A), w = d.h.w, T1 = label(p, d.h.T1);
      answer(p, "B1", d.h.idealAnswer(), d.h.B1(), w * A * T1);
      answer(p, "T2", d.answer(), d.T2(), std::sqrt(double(d.k) * d.k - 1) / w);
    },
    3000);

LUMEQ_MODEL_DRAWS(
    "infors sine",
    [](draws::Probe& p) {
      const infors::Sine d = infors::Sine::draw();
      const Sinusoids s = d.plot();
      sinePixels(p, s);
      // The output amplitude read on its dashes over |W(jω)|/k from the task's values.
      const double A = p.shown("h", FloatCut(s.outputLevel() / s.S, 5));
      const double T1 = label(p, d.T1), T2 = label(p, d.T2), w = d.w;
      answer(p, "k", d.answer(), d.k, A * std::sqrt(w * T2 * w * T2 + 1) / std::sqrt(w * T1 * w * T1 + 1));
    },
    3000);

// An asymptotic LAFC: every corner on the plot, and lg ω read at the column of a corner or of
// the crossing of a level, at the nearest pixel.
void lafcPixels(draws::Probe& p, const Lafc& l) {
  p.value("Lx", l.Lx);
  p.value("Ly", l.Ly);
  // The first and last corners lie beyond the edges; the canvas clips the lines to them.
  for (std::size_t k = 1; k + 1 < l.corners.size(); ++k)
    p.pixel("corner", l.x(l.corners[k].lgw), l.y(l.corners[k].a), Plot);
}
double readT(draws::Probe& p, const Lafc& l, double X) {
  return 1 / std::pow(10.0, p.shown("lg w", FloatCut(l.readLgW(static_cast<int>(std::lround(X))), 5)));
}
// The column at which the drawn segment between corners i and i + 1 crosses the row y.
double crossing(const Lafc& l, std::size_t i, int y) {
  const auto &a = l.corners[i], &b = l.corners[i + 1];
  const double x0 = l.x(a.lgw), y0 = l.y(a.a), x1 = l.x(b.lgw), y1 = l.y(b.a);
  return x0 + (x1 - x0) * (y - y0) / (y1 - y0);
}

LUMEQ_MODEL_DRAWS(
    "diff lafc",
    [](draws::Probe& p) {
      const diff::Asymptotic d = diff::Asymptotic::draw();
      const Lafc l = d.lafc();
      lafcPixels(p, l);
      const auto a = d.answers();
      // 1/T1 where the rising line crosses 0 dB, 1/T2 at its corner.
      answer(p, "T1", a[0], d.T1, readT(p, l, crossing(l, 0, 140)));
      answer(p, "T2", a[1], d.T2, readT(p, l, l.x(l.corners[1].lgw)));
    },
    3000);

LUMEQ_MODEL_DRAWS(
    "infors lafc",
    [](draws::Probe& p) {
      const infors::Asymptotic d = infors::Asymptotic::draw();
      const Lafc l = d.lafc();
      lafcPixels(p, l);
      const auto a = d.answers();
      answer(p, "T1", a[0], d.T1, readT(p, l, l.x(l.corners[1].lgw)));
      answer(p, "T2", a[1], d.T2, readT(p, l, l.x(l.corners[2].lgw)));
    },
    3000);

}  // namespace
