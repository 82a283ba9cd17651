// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/astatism/section.h"

#include "labs/astatism/astatism_model.h"
#include "labs/astatism/coefficient_window.h"
#include "labs/astatism/response_window.h"

namespace astatism {

SectionEntry section() {
  SectionEntry s{.number = 7,
                 .caption = QT_TRANSLATE_NOOP("Main", "Астатизм САУ"),
                 .panel = 10,
                 .works = {{.button = QStringLiteral("b71"), .top = 2, .helpContext = kHelpContext},
                           {.button = QStringLiteral("b72"), .top = 80, .helpContext = kHelpContext},
                           {.button = QStringLiteral("b73"), .top = 160, .helpContext = kHelpContext},
                           {.button = QStringLiteral("b74"), .top = 238, .helpContext = kHelpContext}}};
  // The windows of the four works come from one table, each row naming its work: work n's
  // windows are Form<18 + n>_1 .. _8.
  for (const WindowInfo& w : allWindows()) {
    const WindowInfo* info = &w;  // the table lives for the whole run
    WindowRegistry::Factory make;
    if (w.isResponse())
      make = [info](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
        return ExperimentWindow::create<ResponseWindow>(h, d, *info);
      };
    else
      make = [info](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
        return ExperimentWindow::create<CoefficientWindow>(h, d, *info);
      };
    s.works.at(w.work - 1).windows.push_back({formName(18 + w.work, w.task), make, w.errorLimit()});
  }
  return s;
}

}  // namespace astatism
