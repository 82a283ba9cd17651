// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/catalogue.h"

namespace pictures::catalogue {

using namespace draw;

std::vector<Entry> typical() {
  // The oscillating link's long denominator keeps clear of the icons only in a smaller face.
  Entry koleb = linkWindow(QStringLiteral("koleb"), frac(QStringLiteral("k"), QStringLiteral("T^2p^2+2γTp+1")));
  koleb.style.formulaSize = 16;
  koleb.style.padX = 6;
  return {
      linkWindow(QStringLiteral("aperiod"), frac(QStringLiteral("k"), QStringLiteral("Tp+1"))),
      koleb,
  };
}

}  // namespace pictures::catalogue
