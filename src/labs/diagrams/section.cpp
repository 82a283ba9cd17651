// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/diagrams/section.h"

#include "labs/diagrams/state_window.h"
#include "labs/diagrams/transform_window.h"

namespace diagrams {

// Two sections of one window each: their buttons open the window directly.
std::vector<SectionEntry> sections() {
  static constexpr language::Text state{"diagrams",
                                        QT_TRANSLATE_NOOP("diagrams", "Представление схем в переменных сосотояния")};
  static constexpr language::Text transform{"Main", QT_TRANSLATE_NOOP("Main", "Структурные преобразования схем")};
  return {{.number = 4,
           .caption = QT_TRANSLATE_NOOP("Main", "Представление схемы в переменных состояния"),
           .works = {{.helpContext = 4,
                      .title = state,
                      .windows = {{QStringLiteral("Form9_1"),
                                   [](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                                     return ExperimentWindow::create<StateWindow>(h, d);
                                   }}}}}},
          {.number = 5,
           .caption = QT_TRANSLATE_NOOP("Main", "Структурные преобразования схем"),
           .works = {{.helpContext = 5,
                      .title = transform,
                      .windows = {{QStringLiteral("Form10_1"),
                                   [](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                                     return ExperimentWindow::create<TransformWindow>(h, d);
                                   },
                                   5}}}}}};
}

}  // namespace diagrams
