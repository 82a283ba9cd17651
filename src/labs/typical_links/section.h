#pragma once
// The typical-link section: the integrating, aperiodic and oscillating works.
#include "framework/catalogue.h"

namespace typical {
SectionEntry section();
}  // namespace typical
