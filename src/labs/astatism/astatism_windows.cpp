#include "labs/astatism/astatism_windows.h"

#include "app/window_registry.h"
#include "labs/astatism/astatism_model.h"
#include "labs/astatism/coefficient_window.h"
#include "labs/astatism/response_window.h"

namespace astatism {

void registerWindows(WindowRegistry& r) {
  for (const WindowInfo& w : allWindows()) {
    const WindowInfo* info = &w;  // the table lives for the whole run
    if (w.isResponse())
      r.add(QString::fromStdString(w.formName),
            [info](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<ResponseWindow>(h, *info); });
    else
      r.add(QString::fromStdString(w.formName),
            [info](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<CoefficientWindow>(h, *info); });
  }
}

}  // namespace astatism
