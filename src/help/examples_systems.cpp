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
  const diagrams::StateParams p{2, 0.1, 0.05, 0.5};
  const diagrams::StateAnswers a = diagrams::stateAnswers(p);
  return {{"k1", n(p.k1)}, {"T1", n(p.T1)}, {"T3", n(p.T3)}, {"g", n(p.gamma)}, {"k2", n(a.k2)}, {"T2", n(a.T2)},
          {"k3", n(a.k3)}, {"k", c(a.k, 7)}, {"T", c(a.T, 7)}};
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
  const Crossover cross = crossover(OpenLoop{Loop::Lags, p, K});
  const Acceptance wBand = band(cross.w);
  Values v{{"T1", n(p.t1)}, {"T2", n(p.t2)}, {"T3", n(p.t3)}, {"k1", n(p.k1)}, {"k", n(k.k)}, {"a3", n(k.a3)},
           {"a2", n(k.a2)}, {"a1", n(k.a1)}, {"kcr", n(K)}, {"k_shown", c(k.k, 6)}, {"a3_shown", c(k.a3, 6)},
           {"a2_shown", c(k.a2, 6)}, {"a1_shown", c(k.a1, 6)}, {"kcr_shown", c(K, 6)}, {"wcr", n(cross.w)},
           {"wcr_shown", c(cross.w, 6)}, {"wcr_lg", c(std::log10(cross.w), 5)}, {"wcr_lo", bandEnd(wBand.lo, true)},
           {"wcr_hi", bandEnd(wBand.hi, false)}, {"p1", c(poles.alpha[0], 6)}, {"beta", c(poles.beta[1], 6)},
           {"beta_neg", c(poles.beta[2], 6)}};
  const Acceptance kBand = band(K);
  v["kcr_lo"] = bandEnd(kBand.lo, true);
  v["sumT"] = n(p.t1 + p.t2 + p.t3);
  v["sumTT"] = n(p.t1 * p.t2 + p.t1 * p.t3 + p.t2 * p.t3);
  v["prodT"] = n(p.t1 * p.t2 * p.t3);
  v["kcr_hi"] = bandEnd(kBand.hi, false);
  return v;
}

Values astatism() {
  using namespace astatism;
  const Params p{0.2, 0.3, 0};
  const ErrorCoefficients g = errorCoefficients(1, Signal::Reference, p);
  const ErrorCoefficients f = errorCoefficients(1, Signal::Disturbance, p);
  const std::vector<double> ramp = trueAnswers(windowInfo(1, 5), p);
  const std::vector<double> parabola = trueAnswers(windowInfo(1, 7), p);
  return {{"T1", n(p.t1)}, {"T2", n(p.t2)}, {"g0", n(g.c0)}, {"g1", n(g.c1)}, {"g2", n(g.c2)},
          {"gN", QString::number(g.order)}, {"f0", n(f.c0)}, {"f1", n(f.c1)}, {"f2", n(f.c2)},
          {"fN", QString::number(f.order)}, {"r0", n(ramp[0])}, {"r1", n(ramp[1])}, {"r2", n(ramp[2])},
          {"q0", n(parabola[0])}, {"q1", n(parabola[1])}, {"q2", n(parabola[2])},
          {"g1_lo", bandEnd(std::fmin(0.95 * g.c1, 1.05 * g.c1), true)}, {"g1_hi", bandEnd(std::fmax(0.95 * g.c1, 1.05 * g.c1), false)},
          {"q0_lo", bandEnd(std::fmin(0.95 * parabola[0], 1.05 * parabola[0]), true)},
          {"q0_hi", bandEnd(std::fmax(0.95 * parabola[0], 1.05 * parabola[0]), false)}};
}

Values invarianceWork(invariance::Work work) {
  const invariance::Params p = invariance::makeParams(0.1, 1.5);
  const double b = invariance::leadConstant(work, p);
  const Acceptance lead = invariance::leadBand(b, numtext::StrToFloat(c(b, 5)).value_or(b));
  return {{"T1", n(p.t1)}, {"T2", n(p.t2)}, {"T2_shown", c(p.t2, 5)}, {"e", n(invariance::kSteadyError)},
          {"b", n(b)}, {"b_lo", bandEnd(lead.lo, true)}, {"b_hi", bandEnd(lead.hi, false)}, {"sigma", c(invariance::sigma(p), 6)},
          {"w", c(std::sqrt(invariance::omegaSquared(p)), 6)}};
}

Values correctionWork(correction::Scheme s) {
  const double T1 = 0.1, T2 = 0.75;
  const std::vector<double> k = correction::gains(s, T1, T2);
  const correction::Polynomial poly = correction::characteristic(s, T1, T2, k[0]);
  const correction::Response r = correction::simulate(s, T1, T2, k[0]);
  Values v{{"T1", n(T1)}, {"T2", n(T2)}, {"m", n(T2 / T1)}, {"k", n(k[0])}, {"k_shown", c(k[0], 6)},
           {"a2", n(poly.a2)}, {"a1", c(poly.a1, 6)}, {"a0", c(poly.a0, 6)}, {"root", c(-poly.a1 / (2 * poly.a2), 6)},
           {"steady", c(r.steady(), 6)}, {"e", c(r.error(), 6)}, {"tp", c(r.settling, 6)}, {"dt", n(r.dt)},
           {"e_lo", bandEnd(Acceptance::band(r.error()).lo, true)}, {"e_hi", bandEnd(Acceptance::band(r.error()).hi, false)},
           {"tp_lo", bandEnd(Acceptance::band(r.settling, 0.9, 1.1).lo, true)}, {"tp_hi", bandEnd(Acceptance::band(r.settling, 0.9, 1.1).hi, false)},
           {"low", c(0.95 * r.steady(), 5)}, {"high", c(1.05 * r.steady(), 5)}};
  if (k.size() > 1) v["k2"] = n(k[1]), v["k2_shown"] = c(k[1], 6);
  return v;
}

}  // namespace

Values systemExamples(int context) {
  switch (context) {
    case 4: return stateVariables();
    case 5: return transformations();
    case 6: return stability();
    case 7: return astatism();
    case 81: return invarianceWork(invariance::Work::Reference);
    case 82: return invarianceWork(invariance::Work::Disturbance);
    case 91: return correctionWork(correction::Scheme::Series);
    case 92: return correctionWork(correction::Scheme::Parallel);
    case 93: return correctionWork(correction::Scheme::LocalFeedback);
    default: return {};
  }
}

}  // namespace help
