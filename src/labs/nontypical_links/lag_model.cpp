#include "lag_model.h"

#include "framework/random.h"

namespace nontypical {

Lag Lag::draw() {
  Lag l;
  Randomize();
  l.T = RandomRange(300, 700) / 1000.0;
  l.k = RandomRange(100, 900) / 1000.0;
  return l;
}

}  // namespace nontypical
