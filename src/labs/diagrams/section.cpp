#include "labs/diagrams/section.h"

#include "labs/diagrams/state_window.h"
#include "labs/diagrams/transform_window.h"

namespace diagrams {

std::vector<SectionEntry> sections() {
  WorkEntry state{QString(), 0, 4, {{QStringLiteral("Form9_1"), [](Host& h) -> ExperimentWindow* {
                                       return ExperimentWindow::create<StateWindow>(h);
                                     }}}};
  WorkEntry transform{QString(),
                      0,
                      5,
                      {{QStringLiteral("Form10_1"),
                        [](Host& h) -> ExperimentWindow* { return ExperimentWindow::create<TransformWindow>(h); }, 5}}};
  return {{4, QT_TRANSLATE_NOOP("Main", "Представление схемы в переменных состояния"), 0, {state}},
          {5, QT_TRANSLATE_NOOP("Main", "Структурные преобразования схем"), 0, {transform}}};
}

}  // namespace diagrams
