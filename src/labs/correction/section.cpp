#include "labs/correction/section.h"

#include "labs/correction/gain_window.h"
#include "labs/correction/step_window.h"

namespace correction {

SectionEntry section() {
  const QString buttons[] = {QStringLiteral("b91"), QStringLiteral("b92"), QStringLiteral("b93")};
  const int tops[] = {16, 112, 216};
  SectionEntry s{9, QT_TRANSLATE_NOOP("Main", "Коррекция САУ"), 8, {}};
  for (const Work& w : works()) {
    const Work* work = &w;  // the table lives for the whole run
    const int i = static_cast<int>(s.works.size());
    WorkEntry entry{buttons[i], tops[i], w.helpContext, {}};
    // The gain window, then the step windows with their closer limit.
    entry.windows.push_back({layout::text(w.form(1)), [work](Host& h) -> ExperimentWindow* {
                               return ExperimentWindow::create<GainWindow>(h, *work);
                             }});
    for (int n = 2; n <= w.windows; ++n)
      entry.windows.push_back(
          {layout::text(w.form(n)),
           [work, n](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<StepWindow>(h, *work, n); }, 2});
    s.works.push_back(entry);
  }
  return s;
}

}  // namespace correction
