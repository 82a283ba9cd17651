#include "aperiodic_model.h"

#include <algorithm>
#include <numbers>

#include "framework/random.h"

namespace aperiodic {

namespace {
// Where a measuring line stands when its box is given `level` (100 pixels per unit).
int lineRow(double level) { return ceil_(230 - 100 * level) + 10; }
}  // namespace

Step Step::draw() {
  Step s;
  s.T = RandomRange(10, 100) / 100.0;
  s.k = RandomRange(120, 200) / 100.0;
  return s;
}

double Step::drawnTp() const {
  const int low = lineRow(0.95 * k), high = lineRow(1.05 * k);
  int last = 30;
  for (int x = 30; x <= 360; ++x) {
    const int y = column(x);
    if (y > low || y < high) last = x;
  }
  return (last - 30) * dt();
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

Ramp Ramp::draw() {
  Ramp r;
  r.T = RandomRange(40, 85) / 100.0;
  r.k = RandomRange(120, 200) / 100.0;
  return r;
}

int Ramp::crossingPixel() const {
  // The response's slope tends to 200/200 = 1 pixel per pixel against the ramp's G < 1, so
  // the curves always cross; the cap only bounds the loop.
  for (int n = 1; n < 1000000; ++n)
    if (output(n) - n * G() >= 0) return n;
  return 0;
}

double Ramp::crossingTime() const {
  // k > 1, so the response overtakes the ramp.
  for (int a = 1; a < 100000000; ++a) {
    const double t = a / 200.0;
    if (k * (t - T * (1 - std::exp(-t / T))) >= t) return t;
  }
  return 0;
}

Sine Sine::draw() {
  Sine s;
  s.T = RandomRange(200, 400) / 1000.0;
  s.w = RandomRange(950, 1500) / 100.0;
  s.k = RandomRange(140, 200) / 100.0;
  return s;
}

double Sine::step() const { return w * 2 * std::numbers::pi / 1900; }

}  // namespace aperiodic
