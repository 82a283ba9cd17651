#pragma once
// The stability section: three works of five windows each.
#include "framework/catalogue.h"

namespace stability {
SectionEntry section();
}  // namespace stability
