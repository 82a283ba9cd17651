// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/correction/section.h"

#include "labs/correction/gain_window.h"
#include "labs/correction/step_window.h"

namespace correction {

SectionEntry section() {
  std::vector<WorkEntry> entries{{.button = QStringLiteral("b91"), .top = 16},
                                 {.button = QStringLiteral("b92"), .top = 112},
                                 {.button = QStringLiteral("b93"), .top = 216}};
  // Each work's windows from its row of the table (the table lives for the whole run): the
  // gain window, then the step windows with their closer limit; work i's windows are
  // Form<13 + i>_1 ...
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Work* work = &works().at(i);
    const int topic = 13 + static_cast<int>(i);
    WorkEntry& entry = entries[i];
    entry.helpContext = work->helpContext;
    entry.title = layout::titleText(*work);
    entry.windows.push_back({formName(topic, 1), [work](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                               return ExperimentWindow::create<GainWindow>(h, d, *work);
                             }});
    for (int n = 2; n <= work->windows; ++n)
      entry.windows.push_back({formName(topic, n),
                               [work](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                                 return ExperimentWindow::create<StepWindow>(h, d, *work);
                               },
                               2});
  }
  return {.number = 9, .caption = QT_TRANSLATE_NOOP("Main", "Коррекция САУ"), .panel = 8, .works = entries};
}

}  // namespace correction
