#include "section.h"

#include "delay_window.h"
#include "lag_window.h"

namespace nontypical {

SectionEntry section() {
  WorkEntry delay{QStringLiteral("B4"), 56, 21, {{QStringLiteral("Form4_1"), [](Host& h) -> ExperimentWindow* {
                                                    return ExperimentWindow::create<DelayWindow>(h);
                                                  }}}};
  WorkEntry lag{QStringLiteral("B5"), 176, 22, {}};
  for (const LagWindow& row : lagWindows())
    lag.windows.push_back({QString::fromLatin1(row.form), [&row](Host& h) -> ExperimentWindow* {
                             return ExperimentWindow::create<LagLinkWindow>(h, row);
                           }});
  return {2, QT_TRANSLATE_NOOP("Main", "Нетиповые динамические звенья"), 5, {delay, lag}};
}

}  // namespace nontypical
