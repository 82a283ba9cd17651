#pragma once
// The correction section: series, parallel and local-feedback correction.
#include "framework/catalogue.h"

namespace correction {
SectionEntry section();
}  // namespace correction
