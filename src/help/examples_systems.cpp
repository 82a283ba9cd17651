// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Worked examples of the loop works: fixed parameters run through the sections' model functions.
#include <cmath>
#include <numbers>

#include "framework/numtext.h"
#include "labs/astatism/astatism_model.h"
#include "labs/correction/correction_model.h"
#include "labs/diagrams/state_model.h"
#include "labs/diagrams/transform_model.h"
#include "labs/invariance/invariance_model.h"
#include "labs/stability/stability_model.h"
#include "topics.h"

namespace help {
namespace {

QString n(double v) { return FloatToStr(v); }
QString c(double v, int chars) { return numtext::FloatCut(v, chars); }

Values stateVariables() {
  // RandomRange draws 20, 10, 8, 10: k1 = 2, T1 = 0.1 s, T3 = 0.08 s, γ = 0.5. T3 differs
  // from T2 = T1/k1, so the example tells the two apart.
  rnd::ScriptedSource draws;
  draws.push({20, 10, 8, 10});
  const diagrams::StateParams p = diagrams::drawStateParams(draws);
  const diagrams::StateAnswers a = diagrams::stateAnswers(p);
  using diagrams::AnswerLength, diagrams::SummaryLength;
  return {{"k1", n(p.k1)},
          {"T1", n(p.T1)},
          {"T3", n(p.T3)},
          {"g", n(p.gamma)},
          {"k2", c(a.k2, AnswerLength)},
          {"T2", c(a.T2, AnswerLength)},
          {"k3", c(a.k3, AnswerLength)},
          {"k", c(a.k, SummaryLength)},
          {"T", c(a.T, SummaryLength)},
          {"T1T3", c(p.T1 * p.T3, AnswerLength)},
          {"k1T3", c(p.k1 * p.T3, AnswerLength)}};
}

Values transformations() {
  const diagrams::TransformParams p{2, 1.5, 0.5, 0.2, 1};
  const diagrams::TransformAnswers a = diagrams::transformAnswers(p);
  Values v{{"k1", n(p.k1)}, {"k2", n(p.k2)}, {"T1", n(p.T1)}, {"T2", n(p.T2)}, {"T3", n(p.T3)}};
  const char* first[] = {"b3", "a3", "b2", "a2", "b1", "a1", "b0", "a0"};
  for (int i = 0; i < 8; ++i) v[first[i]] = n(a.form1[i]);
  const char* second[] = {"K", "B3", "A3", "B2", "A2", "B1", "A1"};
  for (int i = 0; i < 7; ++i) v[second[i]] = n(a.form2[i]);
  return v;
}

Values stability() {
  using namespace stability;
  const Params p{0.2, 0.3, 0.4, 1};
  const Coefficients k = coefficients(Loop::Lags, p);
  const double K = criticalGain(Loop::Lags, p);
  const Poles poles = polesOnBoundary(characteristic(Loop::Lags, p, K));
  const OpenLoop open{Loop::Lags, p, K};
  const Crossover cross = crossover(open);
  // The first work's frequency window scales L to 30 pixels at ω = 0.0001.
  const Acceptance wBand = crossoverBand(open, cross, 30 / open.L(0.0001)), kBand = band(K);
  // Answers as the fields show them once accepted: cut to six characters.
  return {{"T1", n(p.t1)},
          {"T2", n(p.t2)},
          {"T3", n(p.t3)},
          {"k1", n(p.k1)},
          {"k", c(k.k, 6)},
          {"a3", c(k.a3, 6)},
          {"a2", c(k.a2, 6)},
          {"a1", c(k.a1, 6)},
          {"kcr", c(K, 6)},
          {"kcr_lo", bandEnd(kBand.lo, true)},
          {"kcr_hi", bandEnd(kBand.hi, false)},
          {"sumT", c(p.t1 + p.t2 + p.t3, 6)},
          {"sumTT", c(p.t1 * p.t2 + p.t1 * p.t3 + p.t2 * p.t3, 6)},
          {"prodT", c(p.t1 * p.t2 * p.t3, 6)},
          {"wcr_shown", c(cross.w, 6)},
          {"wcr_lg", c(std::log10(cross.w), 5)},
          {"wcr_lo", bandEnd(wBand.lo, true)},
          {"wcr_hi", bandEnd(wBand.hi, false)},
          {"p1", c(poles.alpha[0], 6)},
          {"beta", c(poles.beta[1], 6)},
          {"beta_neg", c(poles.beta[2], 6)}};
}

Values astatism() {
  using namespace astatism;
  const Params p{0.2, 0.3, 0};
  const ErrorCoefficients g = errorCoefficients(1, Signal::Reference, p);
  const ErrorCoefficients f = errorCoefficients(1, Signal::Disturbance, p);
  const std::vector<double> ramp = trueAnswers(windowInfo(1, 5), p);
  const std::vector<double> parabola = trueAnswers(windowInfo(1, 7), p);
  return {{"T1", n(p.t1)},
          {"T2", n(p.t2)},
          {"g0", n(g.c0)},
          {"g1", n(g.c1)},
          {"g2", n(g.c2)},
          {"gN", QString::number(g.order)},
          {"f0", n(f.c0)},
          {"f1", n(f.c1)},
          {"f2", n(f.c2)},
          {"fN", QString::number(f.order)},
          {"r0", n(ramp[0])},
          {"r1", n(ramp[1])},
          {"r2", n(ramp[2])},
          {"q0", n(parabola[0])},
          {"q1", n(parabola[1])},
          {"q2", n(parabola[2])},
          {"g1_lo", bandEnd(std::fmin(0.95 * g.c1, 1.05 * g.c1), true)},
          {"g1_hi", bandEnd(std::fmax(0.95 * g.c1, 1.05 * g.c1), false)},
          {"q0_lo", bandEnd(std::fmin(0.95 * parabola[0], 1.05 * parabola[0]), true)},
          {"q0_hi", bandEnd(std::fmax(0.95 * parabola[0], 1.05 * parabola[0]), false)}};
}

Values invarianceWork(invariance::Work work) {
  const invariance::Params p = invariance::makeParams(0.1, 1.5);
  const double b = invariance::leadConstant(work, p);
  const Acceptance lead = invariance::leadBand(b, numtext::StrToFloat(c(b, 5)).value_or(b));
  return {{"T1", n(p.t1)},
          {"T2", n(p.t2)},
          {"T2_shown", c(p.t2, 5)},
          {"e", n(invariance::kSteadyError)},
          {"b", n(b)},
          {"b_lo", bandEnd(lead.lo, true)},
          {"b_hi", bandEnd(lead.hi, false)},
          {"sigma", c(invariance::sigma(p), 6)},
          {"w", c(std::sqrt(invariance::omegaSquared(p)), 6)}};
}

// The draws of a correction window, RandomRange(10, 250) for T1 and RandomRange(65, 85) for m,
// turned into T1, m and T2 as the windows turn them.
correction::Params correctionDraw(int t1, int m) {
  rnd::ScriptedSource draws;
  draws.push({t1, m});
  return correction::drawParams(draws);
}

// A step window of a correction work: it draws its own T1 and T2 and takes only the gain k
// over from the first window; its answers are checked by the model's rules for the drawn curve.
void correctionStep(Values& v, const QString& key, correction::Scheme s, const correction::Params& p, double k) {
  const correction::Response r = correction::simulate(s, p.T1, p.T2, k);
  const Acceptance e = correction::errorRule(r), tp = correction::settlingRule(r);
  const auto put = [&](const char* name, const QString& value) { v[key + QLatin1String(name)] = value; };
  put("T1", n(p.T1));
  put("T2", c(p.T2, 5));  // as the step windows show T2 and k
  put("k", c(k, 5));
  put("steady", c(r.steady(), 6));
  put("e", c(r.error(), 6));
  put("e_lo", bandEnd(e.lo, true));
  put("e_hi", bandEnd(e.hi, false));
  put("tp", c(r.settling, 6));
  put("tp_lo", bandEnd(tp.lo, true));
  put("tp_hi", bandEnd(tp.hi, false));
  put("low", c(0.95 * r.steady(), 5));
  put("high", c(1.05 * r.steady(), 5));
}

Values correctionWork(correction::Scheme s) {
  const correction::Work& work = correction::work(s);
  const correction::Params p = correctionDraw(100, 75);
  const std::vector<double> k = correction::gains(s, p.T1, p.T2);
  const correction::Polynomial poly = correction::characteristic(s, p.T1, p.T2, k[0]);
  Values v{{"T1", n(p.T1)},       {"T2", c(p.T2, work.t2Chars)},
           {"m", n(p.m)},         {"k", c(k[0], 6)},
           {"a2", c(poly.a2, 6)}, {"a1", c(poly.a1, 6)},
           {"a0", c(poly.a0, 6)}, {"root", c(-poly.a1 / (2 * poly.a2), 6)}};
  if (k.size() > 1) v["k2"] = c(k[1], 6);
  // Window 2 (and window 3 of the parallel work, with the second gain) draws anew.
  correctionStep(v, QStringLiteral("s_"), s, correctionDraw(200, 70), k[work.gainOf[0]]);
  if (work.windows > 2) correctionStep(v, QStringLiteral("t_"), s, correctionDraw(40, 80), k[work.gainOf[1]]);
  return v;
}

}  // namespace

Values systemExamples(int context) {
  switch (context) {
    case 4:
      return stateVariables();
    case 5:
      return transformations();
    case 6:
      return stability();
    case 7:
      return astatism();
    case 81:
      return invarianceWork(invariance::Work::Reference);
    case 82:
      return invarianceWork(invariance::Work::Disturbance);
    case 91:
      return correctionWork(correction::Scheme::Series);
    case 92:
      return correctionWork(correction::Scheme::Parallel);
    case 93:
      return correctionWork(correction::Scheme::LocalFeedback);
    default:
      return {};
  }
}

}  // namespace help
