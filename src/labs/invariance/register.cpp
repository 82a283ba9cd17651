#include "labs/invariance/register.h"

#include "app/window_registry.h"
#include "labs/invariance/compensator_form.h"
#include "labs/invariance/response_form.h"
#include "labs/invariance/runs_form.h"

void registerInvariance(WindowRegistry& r) {
  using namespace invariance;
  for (const WindowRow& w : windowRows()) {
    const WindowRow* row = &w;  // the table lives for the whole run
    r.add(w.form, [row](Host& h) -> ExperimentWindow* {
      switch (row->task) {
        case Task::Compensator: return ExperimentWindow::create<CompensatorForm>(h, *row);
        case Task::Runs: return ExperimentWindow::create<RunsForm>(h, *row);
        default: return ExperimentWindow::create<ResponseForm>(h, *row);
      }
    });
  }
}
