#include "labs/correction/section.h"

#include "labs/correction/gain_window.h"
#include "labs/correction/step_window.h"

namespace correction {

SectionEntry section() {
  SectionEntry s{.number = 9, .caption = QT_TRANSLATE_NOOP("Main", "Коррекция САУ"), .panel = 8};
  const struct {
    const char* button;
    int top;
  } buttons[] = {{"b91", 16}, {"b92", 112}, {"b93", 216}};
  for (const Work& w : works()) {
    const Work* work = &w;  // the table lives for the whole run
    const auto& button = buttons[s.works.size()];
    WorkEntry entry{.button = QString::fromLatin1(button.button), .top = button.top, .helpContext = w.helpContext};
    // The gain window, then the step windows with their closer limit.
    entry.windows.push_back({layout::text(w.form(1)), [work](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                               return ExperimentWindow::create<GainWindow>(h, d, *work);
                             }});
    for (int n = 2; n <= w.windows; ++n)
      entry.windows.push_back({layout::text(w.form(n)),
                               [work, n](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                                 return ExperimentWindow::create<StepWindow>(h, d, *work, n);
                               },
                               2});
    s.works.push_back(entry);
  }
  return s;
}

}  // namespace correction
