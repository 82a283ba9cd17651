// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/stability/section.h"

#include "labs/stability/coefficient_window.h"
#include "labs/stability/frequency_window.h"
#include "labs/stability/poles_window.h"

namespace stability {

namespace {

template <class W>
WindowRegistry::Factory shaped(const WindowRow* row) {
  return [row](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
    return ExperimentWindow::create<W>(h, d, *row);
  };
}

}  // namespace

SectionEntry section() {
  // The works end without completing: Menu asks even after the last window.
  SectionEntry s{
      .number = 6,
      .caption = QT_TRANSLATE_NOOP("Main", "Устойчивость одноконтурной САУ"),
      .panel = 9,
      .works = {{.button = QStringLiteral("B61"), .top = 24, .helpContext = kHelpContext, .lastEndsWork = false},
                {.button = QStringLiteral("b62"), .top = 120, .helpContext = kHelpContext, .lastEndsWork = false},
                {.button = QStringLiteral("b63"), .top = 216, .helpContext = kHelpContext, .lastEndsWork = false}}};
  // The windows of the three works come from one table (the table lives for the whole run):
  // work n's windows are Form<15 + n>_1 .. _5.
  for (const WindowRow& w : allWindows()) {
    const WindowRegistry::Factory make = w.shape == Shape::Coefficients ? shaped<CoefficientWindow>(&w)
                                         : w.shape == Shape::Frequency  ? shaped<FrequencyWindow>(&w)
                                                                        : shaped<PolesWindow>(&w);
    s.works.at(w.work - 1).windows.push_back({formName(15 + w.work, w.task), make, w.errorLimit});
  }
  return s;
}

}  // namespace stability
