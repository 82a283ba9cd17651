#include "labs/correction/register.h"

#include "app/window_registry.h"
#include "labs/correction/gain_window.h"
#include "labs/correction/step_window.h"

void registerCorrection(WindowRegistry& r) {
  using namespace correction;
  for (const Work& w : works()) {
    const Work* work = &w;  // the table lives for the whole run
    r.add(layout::text(w.form(1)), [work](Host& h) -> ExperimentWindow* {
      return ExperimentWindow::create<GainWindow>(h, *work);
    });
    for (int n = 2; n <= w.windows; ++n)
      r.add(layout::text(w.form(n)), [work, n](Host& h) -> ExperimentWindow* {
        return ExperimentWindow::create<StepWindow>(h, *work, n);
      });
  }
}
