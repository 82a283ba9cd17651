// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section.h"

#include "delay_window.h"
#include "lag_window.h"

namespace nontypical {

SectionEntry section() {
  const auto lag = [](const LagWindow& row) {
    return [&row](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
      return ExperimentWindow::create<LagLinkWindow>(h, d, row);
    };
  };
  const auto& rows = lagWindows();
  static constexpr language::Text delay{"nontypical", QT_TRANSLATE_NOOP("nontypical", "Звено чистого запаздывания")};
  static constexpr language::Text lagLink{
      "nontypical", QT_TRANSLATE_NOOP("nontypical", "Неминимально-фазовое звено первого порядка")};
  return {.number = 2,
          .caption = QT_TRANSLATE_NOOP("Main", "Нетиповые динамические звенья"),
          .panel = 5,
          .works = {{.button = QStringLiteral("B4"),
                     .top = 56,
                     .helpContext = 21,
                     .title = delay,
                     .windows = {{QStringLiteral("Form4_1"),
                                  [](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                                    return ExperimentWindow::create<DelayWindow>(h, d);
                                  }}}},
                    {.button = QStringLiteral("B5"),
                     .top = 176,
                     .helpContext = 22,
                     .title = lagLink,
                     .windows = {{QStringLiteral("Form5_1"), lag(rows[0])},
                                 // The second window reads the first one's link: its limit starts the work over.
                                 {QStringLiteral("Form5_2"), lag(rows[1]), 3, WindowDeclaration::Regenerates::Work}},
                     // The second window completes the work itself, yet hands the focus to Next.
                     .lastEndsWork = false}}};
}

}  // namespace nontypical
