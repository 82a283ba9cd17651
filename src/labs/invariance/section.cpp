// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/invariance/section.h"

#include "labs/invariance/compensator_form.h"
#include "labs/invariance/response_form.h"
#include "labs/invariance/runs_form.h"

namespace invariance {

SectionEntry section() {
  WorkEntry reference{.button = QStringLiteral("B81"),
                      .top = 48,
                      .helpContext = kHelpReference,
                      .title = {"invariance", QT_TRANSLATE_NOOP("invariance", "Инвариантность к сигналу задания")}};
  WorkEntry disturbance{
      .button = QStringLiteral("b82"),
      .top = 176,
      .helpContext = kHelpDisturbance,
      .title = {"invariance", QT_TRANSLATE_NOOP("invariance", "Инвариантность к возмущающему воздействию")}};
  for (const WindowRow& w : windowRows()) {
    const WindowRow* row = &w;  // the table lives for the whole run
    (w.reference() ? reference : disturbance)
        .windows.push_back({w.form,
                            [row](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
                              switch (row->task) {
                                case Task::Compensator:
                                  return ExperimentWindow::create<CompensatorForm>(h, d, *row);
                                case Task::Runs:
                                  return ExperimentWindow::create<RunsForm>(h, d, *row);
                                default:
                                  return ExperimentWindow::create<ResponseForm>(h, d, *row);
                              }
                            },
                            kErrorLimit});
  }
  return {.number = 8,
          .caption = QT_TRANSLATE_NOOP("Main", "Инвариантность САУ"),
          .panel = 7,
          .works = {reference, disturbance}};
}

}  // namespace invariance
