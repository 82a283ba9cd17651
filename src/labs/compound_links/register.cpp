#include "register.h"

#include "app/window_registry.h"
#include "circuit_form.h"
#include "rows.h"

using namespace compound;

void registerCompoundLinks(WindowRegistry& r) {
  for (const StepRow& row : stepRows()) {
    const StepRow* p = &row;  // the table lives for the whole run
    r.add(row.form, [p](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<StepForm>(h, *p); });
  }
  for (const HarmonicRow& row : harmonicRows()) {
    const HarmonicRow* p = &row;
    r.add(row.form, [p](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<HarmonicForm>(h, *p); });
  }
  for (const LafcRow& row : lafcRows()) {
    const LafcRow* p = &row;
    r.add(row.form, [p](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<LafcForm>(h, *p); });
  }
  r.add(QStringLiteral("Form6_4"), [](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<CircuitForm>(h); });
}
