#include "labs/astatism/section.h"

#include "labs/astatism/astatism_model.h"
#include "labs/astatism/coefficient_window.h"
#include "labs/astatism/response_window.h"

namespace astatism {

SectionEntry section() {
  SectionEntry s{.number = 7, .caption = QT_TRANSLATE_NOOP("Main", "Астатизм САУ"), .panel = 10};
  const struct {
    const char* button;
    int top;
  } buttons[kWorkCount] = {{"b71", 2}, {"b72", 80}, {"b73", 160}, {"b74", 238}};
  for (const auto& b : buttons)
    s.works.push_back({.button = QString::fromLatin1(b.button), .top = b.top, .helpContext = kHelpContext});
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
    s.works[w.work - 1].windows.push_back({QString::fromStdString(w.formName), make, w.errorLimit()});
  }
  return s;
}

}  // namespace astatism
