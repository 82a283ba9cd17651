#include "labs/stability/register.h"

#include "app/window_registry.h"
#include "labs/stability/coefficient_window.h"
#include "labs/stability/frequency_window.h"
#include "labs/stability/poles_window.h"

void registerStability(WindowRegistry& r) {
  using namespace stability;
  for (const WindowRow& w : allWindows()) {
    const WindowRow* row = &w;  // the table lives for the whole run
    ExperimentWindow* (*make)(Host&, const WindowRow&) = nullptr;
    switch (w.shape) {
      case Shape::Coefficients:
        make = [](Host& h, const WindowRow& x) -> ExperimentWindow* { return ExperimentWindow::create<CoefficientWindow>(h, x); };
        break;
      case Shape::Frequency:
        make = [](Host& h, const WindowRow& x) -> ExperimentWindow* { return ExperimentWindow::create<FrequencyWindow>(h, x); };
        break;
      case Shape::Poles:
        make = [](Host& h, const WindowRow& x) -> ExperimentWindow* { return ExperimentWindow::create<PolesWindow>(h, x); };
        break;
    }
    r.add(QString::fromStdString(w.form), [make, row](Host& h) { return make(h, *row); });
  }
}
