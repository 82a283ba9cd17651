#include "section.h"

#include "circuit_form.h"
#include "rows.h"
#include "texts.h"

namespace compound {

SectionEntry section() {
  WindowRegistry made;
  // The windows take their rows from the tables of the language running when they open.
  for (size_t i = 0; i < stepRows().size(); ++i)
    made.add(stepRows()[i].form,
             [i](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<StepForm>(h, stepRows()[i]); });
  for (size_t i = 0; i < harmonicRows().size(); ++i)
    made.add(harmonicRows()[i].form, [i](Host& h) -> ExperimentWindow* {
      return ExperimentWindow::create<HarmonicForm>(h, harmonicRows()[i]);
    });
  for (size_t i = 0; i < lafcRows().size(); ++i)
    made.add(lafcRows()[i].form,
             [i](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<LafcForm>(h, lafcRows()[i]); });
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
