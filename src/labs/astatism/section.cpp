#include "labs/astatism/section.h"

#include "labs/astatism/astatism_model.h"
#include "labs/astatism/coefficient_window.h"
#include "labs/astatism/response_window.h"

namespace astatism {

SectionEntry section() {
  const QString buttons[] = {QStringLiteral("b71"), QStringLiteral("b72"), QStringLiteral("b73"),
                             QStringLiteral("b74")};
  const int tops[] = {2, 80, 160, 238};
  SectionEntry s{7, QT_TRANSLATE_NOOP("Main", "Астатизм САУ"), 10, {}};
  for (int work = 1; work <= kWorkCount; ++work)
    s.works.push_back({buttons[work - 1], tops[work - 1], kHelpContext, {}});
  for (const WindowInfo& w : allWindows()) {
    const WindowInfo* info = &w;  // the table lives for the whole run
    WindowRegistry::Factory make;
    if (w.isResponse())
      make = [info](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<ResponseWindow>(h, *info); };
    else
      make = [info](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<CoefficientWindow>(h, *info); };
    s.works[w.work - 1].windows.push_back({QString::fromStdString(w.formName), make, w.errorLimit()});
  }
  return s;
}

}  // namespace astatism
