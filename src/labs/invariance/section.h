#pragma once
// The invariance section: invariance to the reference and to the disturbance.
#include "framework/catalogue.h"

namespace invariance {
SectionEntry section();
}  // namespace invariance
