#include "aperiodic_model.h"

#include <algorithm>

#include "framework/random.h"

namespace aperiodic {

Step Step::draw() {
  Step s;
  s.T = RandomRange(10, 100) / 100.0;
  s.k = RandomRange(120, 200) / 100.0;
  return s;
}

double Step::drawnTp() const {
  return links::drawnSettling([this](int x) { return column(x); }, k, dt());
}

Acceptance Step::tpRule() const {
  const Acceptance exact = Acceptance::band(tp(), 0.94, 1.05);
  const Acceptance drawn = Acceptance::band(drawnTp(), 0.94, 1.05);
  return Acceptance::literal(std::min(exact.lo, drawn.lo), std::max(exact.hi, drawn.hi));
}

double Step::tangentStart(int b) const {
  const double t0 = b * dt();
  const double fall = std::exp(-t0 / T);
  return k * (1 - fall) - t0 * (k / T) * fall;
}

links::RampCase drawRamp() {
  const double T = RandomRange(40, 85) / 100.0;
  return ramp(T, RandomRange(120, 200) / 100.0);
}

links::RampCase ramp(double T, double k) {
  links::RampCase r;
  r.p.T = T;
  r.p.k = k;
  r.rise = [](int n) { return 200 * (std::exp(-n / 200.0) - 1 + n / 200.0); };
  // k > 1, so the response overtakes the ramp (within kT/(k − 1) seconds).
  for (int a = 1; a < 10000000; ++a) {
    const double t = a / 200.0;
    if (k * (t - T * (1 - std::exp(-t / T))) >= t) {
      r.crossingTime = t;
      break;
    }
  }
  return r;
}

links::SteadySine drawSine() {
  const double T = RandomRange(200, 400) / 1000.0;
  const double w = RandomRange(950, 1500) / 100.0;
  return sine(T, w, RandomRange(140, 200) / 100.0);
}

links::SteadySine sine(double T, double w, double k) {
  links::SteadySine s;
  s.p = {T, w, k};
  s.amplitude = k / std::sqrt(1 + (w * T) * (w * T));
  s.phase = std::atan2(-w * T, 1.0);
  return s;
}

}  // namespace aperiodic
