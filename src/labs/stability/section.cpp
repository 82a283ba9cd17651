#include "labs/stability/section.h"

#include "labs/stability/coefficient_window.h"
#include "labs/stability/frequency_window.h"
#include "labs/stability/poles_window.h"

namespace stability {

SectionEntry section() {
  const QString buttons[] = {QStringLiteral("B61"), QStringLiteral("b62"), QStringLiteral("b63")};
  const int tops[] = {24, 120, 216};
  SectionEntry s{6, QT_TRANSLATE_NOOP("Main", "Устойчивость одноконтурной САУ"), 9, {}};
  for (int work = 1; work <= 3; ++work) s.works.push_back({buttons[work - 1], tops[work - 1], kHelpContext, {}});
  for (const WindowRow& w : allWindows()) {
    const WindowRow* row = &w;  // the table lives for the whole run
    ExperimentWindow* (*make)(Host&, const WindowRow&) = nullptr;
    switch (w.shape) {
      case Shape::Coefficients:
        make = [](Host& h, const WindowRow& x) -> ExperimentWindow* {
          return ExperimentWindow::create<CoefficientWindow>(h, x);
        };
        break;
      case Shape::Frequency:
        make = [](Host& h, const WindowRow& x) -> ExperimentWindow* {
          return ExperimentWindow::create<FrequencyWindow>(h, x);
        };
        break;
      case Shape::Poles:
        make = [](Host& h, const WindowRow& x) -> ExperimentWindow* {
          return ExperimentWindow::create<PolesWindow>(h, x);
        };
        break;
    }
    s.works[w.work - 1].windows.push_back(
        {QString::fromStdString(w.form), [make, row](Host& h) { return make(h, *row); }, w.errorLimit});
  }
  return s;
}

}  // namespace stability
