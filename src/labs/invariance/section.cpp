#include "labs/invariance/section.h"

#include "labs/invariance/compensator_form.h"
#include "labs/invariance/response_form.h"
#include "labs/invariance/runs_form.h"

namespace invariance {

SectionEntry section() {
  WorkEntry reference{QStringLiteral("B81"), 48, kHelpReference, {}};
  WorkEntry disturbance{QStringLiteral("b82"), 176, kHelpDisturbance, {}};
  for (const WindowRow& w : windowRows()) {
    const WindowRow* row = &w;  // the table lives for the whole run
    (w.reference() ? reference : disturbance)
        .windows.push_back({w.form,
                            [row](Host& h) -> ExperimentWindow* {
                              switch (row->task) {
                                case Task::Compensator:
                                  return ExperimentWindow::create<CompensatorForm>(h, *row);
                                case Task::Runs:
                                  return ExperimentWindow::create<RunsForm>(h, *row);
                                default:
                                  return ExperimentWindow::create<ResponseForm>(h, *row);
                              }
                            },
                            kErrorLimit});
  }
  return {8, QT_TRANSLATE_NOOP("Main", "Инвариантность САУ"), 7, {reference, disturbance}};
}

}  // namespace invariance
