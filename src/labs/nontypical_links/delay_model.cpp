#include "delay_model.h"

#include "framework/random.h"

namespace nontypical {

Delay Delay::draw() {
  Delay d;
  Randomize();
  d.T = RandomRange(100, 400) / 1000.0;
  Randomize();
  d.w = RandomRange(500, 700) / 100.0;
  d.k = RandomRange(100, 900) / 1000.0;
  d.A = RandomRange(500, 1500) / 100.0;
  return d;
}

}  // namespace nontypical
