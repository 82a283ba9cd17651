// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Worked examples of the program topic and of the link works: fixed parameters run through
// the links' model functions.
#include <cmath>
#include <numbers>

#include "framework/numtext.h"
#include "labs/compound_links/diff_model.h"
#include "labs/compound_links/infors_model.h"
#include "labs/compound_links/pi_model.h"
#include "labs/nontypical_links/delay_model.h"
#include "labs/nontypical_links/lag_model.h"
#include "labs/typical_links/aperiodic_model.h"
#include "labs/typical_links/integrating_model.h"
#include "labs/typical_links/oscillating_model.h"
#include "topics.h"

namespace help {
namespace {

QString n(double v) { return FloatToStr(v); }
QString c(double v, int chars) { return numtext::FloatCut(v, chars); }
// The ends of an acceptance band as "name_lo" and "name_hi".
void band(Values& v, const QString& name, const Acceptance& a) {
  v[name + QStringLiteral("_lo")] = bandEnd(a.lo, true);
  v[name + QStringLiteral("_hi")] = bandEnd(a.hi, false);
}

// The sine window's example: the given values, r_max and Δφ as its boxes show them once
// accepted (longer than four and five characters they are cut to five and six), with their bands.
void sineValues(Values& v, const links::SteadySine& h) {
  const QString A = n(h.amplitude), phi = n(h.phase);
  v["h_T"] = n(h.p.T);
  v["h_w"] = n(h.p.w);
  v["h_k"] = n(h.p.k);
  v["h_A"] = A.size() > 4 ? numtext::cut(A, 5) : A;
  v["h_phi"] = phi.size() > 5 ? numtext::cut(phi, 6) : phi;
  band(v, "h_A", Acceptance::band(h.amplitude));
  band(v, "h_phi", Acceptance::band(h.phase));
}

Values program() {
  const integrating::Step s{0.5};
  Values v{{"T", n(s.T)}, {"t", n(s.time(190))}, {"h", n(integrating::Step::level(110))}};
  band(v, "T", s.rule());
  return v;
}

Values integratingLink() {
  Values v;
  const integrating::Step s{0.5};
  v["s_T"] = n(s.T);
  v["s_t"] = n(s.time(190));
  band(v, "s_T", s.rule());
  const integrating::Ramp r{0.67};
  v["r_T"] = n(r.T);
  v["r_t"] = n(r.crossingTime());
  const integrating::Sine h{0.2, 10};
  v["h_T"] = n(h.T);
  v["h_w"] = n(h.w);
  v["h_A"] = n(h.amplitude());
  band(v, "h_A", h.amplitudeRule());
  band(v, "phase", integrating::Sine::phaseRule());
  const integrating::Frequency f{1.2};
  v["f_T"] = n(f.T);
  QString rows;
  for (int run = 1; run <= 5; ++run) {
    const double w = f.omega(run);
    rows += tableRow({QString::number(run), c(w, 6), c(std::log10(w), 6), c(f.amplitude(w), 6), c(f.level(w), 6),
                      numtext::local(QStringLiteral("-1.5707"))});
  }
  v["f_rows"] = rows;
  return v;
}

Values aperiodicLink() {
  Values v;
  aperiodic::Step s;
  s.T = 0.5;
  s.k = 1.5;
  v["s_T"] = n(s.T);
  v["s_k"] = n(s.k);
  v["s_tp"] = c(s.tp(), 6);
  v["s_tp_shown"] = c(s.tp(), 4);
  v["s_low"] = n(0.95 * s.k);
  v["s_high"] = n(1.05 * s.k);
  v["s_hT"] = c(s.response(s.T), 6);
  band(v, "s_tp", s.tpRule());
  band(v, "s_T", Acceptance::band(s.T));
  band(v, "s_k", Acceptance::band(s.k));

  const links::RampCase r = aperiodic::ramp(0.6, 1.5);
  const double t = r.crossingTime, T = r.p.T;
  v["r_T"] = n(T);
  v["r_k"] = n(r.p.k);
  v["r_t"] = n(t);
  v["r_fall"] = c(T * (1 - std::exp(-t / T)), 6);
  v["r_kfound"] = c(t / (t - T * (1 - std::exp(-t / T))), 6);
  band(v, "r_k", Acceptance::band(r.p.k));

  const links::SteadySine h = aperiodic::sine(0.3, 10, 1.5);
  sineValues(v, h);
  v["h_wT"] = n(h.p.w * h.p.T);
  v["h_A_shown"] = c(h.amplitude, 5);

  aperiodic::Frequency f;
  f.T = 1.2;
  f.k = 1.5;
  const double w = f.omega(3);
  v["f_T"] = n(f.T);
  v["f_k"] = n(f.k);
  v["f_w"] = c(w, 5);
  v["f_A"] = c(f.amplitude(w), 7);
  v["f_L"] = c(f.level(w), 6);
  v["f_phi"] = c(f.phase(w), 5);
  return v;
}

Values oscillatingLink() {
  Values v;
  const oscillating::Step s = oscillating::Step::of(0.5, 1, 0.2);
  const double beta = s.beta(), period = 2 * std::numbers::pi * s.T / beta, ls = std::log(s.sigma());
  v["s_T"] = n(s.T);
  v["s_k"] = n(s.k);
  v["s_g"] = n(s.gamma);
  v["s_beta"] = c(beta, 6);
  v["s_sigma"] = c(s.sigma(), 6);
  v["s_sigma_shown"] = c(s.sigma(), 4);
  v["s_tp"] = n(s.tp);
  v["s_tp_rough"] = c(3 * s.T / s.gamma, 6);
  v["s_period"] = c(period, 5);
  v["s_ln"] = c(ls, 6);
  v["s_gfound"] = c(ls / std::sqrt(std::numbers::pi * std::numbers::pi + ls * ls), 6);
  v["s_Tfound"] = c(beta * period / (2 * std::numbers::pi), 6);
  band(v, "s_sigma", Acceptance::band(s.sigma(), 0.9, 1.1));
  band(v, "s_tp", s.tpRule());
  band(v, "s_g", Acceptance::band(s.gamma));
  band(v, "s_T", Acceptance::band(s.T));

  const links::RampCase r = oscillating::ramp(0.4, 1.6, 0.3);
  const oscillating::Link l{0.4, 1.6, 0.3};
  v["r_T"] = n(l.T);
  v["r_g"] = n(l.gamma);
  v["r_k"] = n(l.k);
  v["r_t"] = n(r.crossingTime);
  v["r_yu"] = c(l.rampUnit(r.crossingTime), 6);
  v["r_kfound"] = c(r.crossingTime / l.rampUnit(r.crossingTime), 6);
  band(v, "r_k", Acceptance::band(l.k));

  const links::SteadySine h = oscillating::sine(0.3, 10, 1.5, 0.3);
  sineValues(v, h);
  v["h_g"] = n(h.p.gamma);

  oscillating::Frequency f;
  f.T = 1.1;
  f.k = 1.2;
  f.gamma = 0.4;
  const double w = f.omega(3);
  v["f_k"] = n(f.k);
  v["f_g"] = n(f.gamma);
  v["f_w"] = c(w, 5);
  v["f_A"] = c(f.amplitude(w), 7);
  v["f_phi"] = c(f.phase(w), 5);
  return v;
}

Values delayLink() {
  nontypical::Delay d;
  d.T = 0.2;
  d.w = 6;
  d.k = 0.5;
  d.A = 10;
  Values v{{"T", n(d.T)},
           {"w", n(d.w)},
           {"k", n(d.k)},
           {"A", n(d.A)},
           {"kA", n(d.k * d.A)},
           {"shift", n(d.w * d.T)},
           {"dash", n(d.level(d.outputDash()))}};
  band(v, "k", d.gainRule());
  band(v, "T", d.delayRule());
  return v;
}

Values nonMinimumPhaseLink() {
  nontypical::Lag lag;
  lag.T = 0.5;
  lag.k = 0.4;
  const auto right = nontypical::limits(nontypical::Pole::Right, lag);
  const auto left = nontypical::limits(nontypical::Pole::Left, lag);
  Values v{{"T", n(lag.T)},
           {"k", n(lag.k)},
           {"pi", c(right[2].value, 7)},
           {"halfpi", c(right[3].value, 7)},
           {"left_phi0", n(left[2].value)},
           {"w2", n(2 / lag.T)},
           {"phi_right_w2", c(nontypical::phase(nontypical::Pole::Right, 2 / lag.T, lag.T), 6)},
           {"phi_left_w2", c(nontypical::phase(nontypical::Pole::Left, 2 / lag.T, lag.T), 6)}};
  band(v, "k", right[0].rule);
  band(v, "pi", right[2].rule);
  band(v, "halfpi", right[3].rule);
  return v;
}

Values piLink() {
  Values v;
  compound::pi::Step s{0.5, 0.5};
  const auto step = s.answers();
  v["s_T1"] = n(s.T1);
  v["s_h0"] = n(s.h0);
  v["s_T2"] = step[0].shown;
  band(v, "s_T2", step[0].rule);
  const compound::pi::Sine h{0.2, 0.5, 10};
  const auto sine = h.answers();
  v["h_T1"] = n(h.T1);
  v["h_T2"] = n(h.T2);
  v["h_w"] = n(h.w);
  v["h_A"] = sine[0].shown;
  v["h_phi"] = sine[1].shown;
  band(v, "h_A", sine[0].rule);
  band(v, "h_phi", sine[1].rule);
  compound::pi::Frequency f;
  f.T1 = 0.2;
  f.T2 = 0.5;
  f.N = 4;
  v["f_T1"] = n(f.T1);
  v["f_T2"] = n(f.T2);
  v["f_R"] = n(f.target());
  v["f_w1"] = f.answer().shown;
  band(v, "f_w1", f.answer().rule);
  compound::pi::Circuit k{150, 400};
  v["c_T1"] = n(k.T1());
  v["c_T2"] = n(k.T2());
  v["c_R1"] = QString::number(k.R1());
  v["c_R2"] = QString::number(k.R2());
  return v;
}

Values differentiatingLink() {
  Values v;
  const compound::diff::Step s{0.1, 2};
  v["s_T1"] = n(s.T1);
  v["s_h0"] = n(s.h0);
  v["s_T2"] = s.answer().shown;
  v["s_h1"] = c(s.h0 * std::exp(-1.0), 5);
  band(v, "s_T2", s.answer().rule);
  compound::diff::Harmonic h{0.1, 0.05, 20};
  v["h_T1"] = n(h.T1);
  v["h_A"] = n(h.A);
  v["h_w"] = QString::number(h.w);
  v["h_B1"] = h.idealAnswer().shown;
  band(v, "h_B1", h.idealAnswer().rule);
  compound::diff::Lowered d{h, 3};
  v["d_k"] = QString::number(d.k);
  v["d_T2"] = d.answer().shown;
  band(v, "d_T2", d.answer().rule);
  compound::diff::Asymptotic a{0.3, 0.05};
  const auto lafc = a.lafc();
  v["a_T1"] = n(a.T1);
  v["a_T2"] = n(a.T2);
  v["a_lg1"] = c(std::log10(1 / a.T1), 6);
  v["a_lg2"] = c(lafc.corners[1].lgw, 6);
  v["a_w2"] = n(1 / a.T2);
  return v;
}

Values forcingLink() {
  Values v;
  const compound::infors::Step s = compound::infors::Step::of(0.2, 2, 1);
  const auto step = s.answers();
  v["s_T1"] = s.shownT1();
  v["s_k"] = step[0].shown;
  v["s_T2"] = step[1].shown;
  v["s_h0"] = n(s.k * s.ratio());
  v["s_h1"] = c(s.k * (1 + (s.ratio() - 1) * std::exp(-1.0)), 5);
  band(v, "s_k", step[0].rule);
  band(v, "s_T2", step[1].rule);
  compound::infors::Sine h;
  h.T1 = 0.1;
  h.T2 = 0.05;
  h.w = 5;
  h.k = 2;
  v["h_T1"] = n(h.T1);
  v["h_T2"] = n(h.T2);
  v["h_w"] = QString::number(h.w);
  v["h_A"] = c(h.A(), 6);
  // A/k follows from T1, T2 and ω alone; k is then r_max divided by it.
  const double ratio = std::sqrt(1 + h.w * h.T1 * h.w * h.T1) / std::sqrt(1 + h.w * h.T2 * h.w * h.T2);
  v["h_ratio"] = c(ratio, 6);
  v["h_k"] = c(h.A() / ratio, 6);
  band(v, "h_k", h.answer().rule);
  compound::infors::Asymptotic a{0.4, 0.05, 2};
  const auto lafc = a.lafc();
  v["a_k"] = n(a.k);
  v["a_T1"] = n(a.T1);
  v["a_T2"] = n(a.T2);
  v["a_L0"] = c(20 * lafc.corners[0].a, 6);
  v["a_lg1"] = c(lafc.corners[1].lgw, 6);
  v["a_lg2"] = c(lafc.corners[2].lgw, 6);
  v["a_L1"] = c(20 * lafc.corners[2].a, 6);
  return v;
}

}  // namespace

Values linkExamples(int context) {
  switch (context) {
    case 111:
      return program();
    case 11:
      return integratingLink();
    case 12:
      return aperiodicLink();
    case 13:
      return oscillatingLink();
    case 21:
      return delayLink();
    case 22:
      return nonMinimumPhaseLink();
    case 31:
      return piLink();
    case 32:
      return differentiatingLink();
    case 33:
      return forcingLink();
    default:
      return {};
  }
}

}  // namespace help
