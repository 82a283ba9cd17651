#include "labs/stability/section.h"

#include "labs/stability/coefficient_window.h"
#include "labs/stability/frequency_window.h"
#include "labs/stability/poles_window.h"

namespace stability {

SectionEntry section() {
  SectionEntry s{.number = 6, .caption = QT_TRANSLATE_NOOP("Main", "Устойчивость одноконтурной САУ"), .panel = 9};
  const struct {
    const char* button;
    int top;
  } buttons[] = {{"B61", 24}, {"b62", 120}, {"b63", 216}};
  // The works end without completing: Menu asks even after the last window.
  for (const auto& b : buttons)
    s.works.push_back(
        {.button = QString::fromLatin1(b.button), .top = b.top, .helpContext = kHelpContext, .lastEndsWork = false});
  for (const WindowRow& w : allWindows()) {
    const WindowRow* row = &w;  // the table lives for the whole run
    WindowRegistry::Factory make;
    switch (w.shape) {
      case Shape::Coefficients:
        make = [row](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
          return ExperimentWindow::create<CoefficientWindow>(h, d, *row);
        };
        break;
      case Shape::Frequency:
        make = [row](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
          return ExperimentWindow::create<FrequencyWindow>(h, d, *row);
        };
        break;
      case Shape::Poles:
        make = [row](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
          return ExperimentWindow::create<PolesWindow>(h, d, *row);
        };
        break;
    }
    s.works[w.work - 1].windows.push_back({QString::fromStdString(w.form), make, w.errorLimit});
  }
  return s;
}

}  // namespace stability
