#include "section.h"

#include "circuit_form.h"
#include "rows.h"
#include "texts.h"

namespace compound {

SectionEntry section() {
  WindowRegistry made;
  for (const StepRow& row : stepRows()) {
    const StepRow* p = &row;  // the table lives for the whole run
    made.add(row.form, [p](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<StepForm>(h, *p); });
  }
  for (const HarmonicRow& row : harmonicRows()) {
    const HarmonicRow* p = &row;
    made.add(row.form, [p](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<HarmonicForm>(h, *p); });
  }
  for (const LafcRow& row : lafcRows()) {
    const LafcRow* p = &row;
    made.add(row.form, [p](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<LafcForm>(h, *p); });
  }
  made.add(QStringLiteral("Form6_4"),
           [](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<CircuitForm>(h); });
  return {3,
          QT_TRANSLATE_NOOP("Main", "Составные динамические звенья"),
          6,
          {{QStringLiteral("B6"), 24, texts::PiHelp, windowsOf(made, 6, 4)},
           {QStringLiteral("B7"), 112, texts::DiffHelp, windowsOf(made, 7, 4)},
           {QStringLiteral("B8"), 208, texts::InforsHelp, windowsOf(made, 8, 3)}}};
}

}  // namespace compound
