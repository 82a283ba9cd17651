// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section.h"

#include <QHash>

#include "circuit_form.h"
#include "rows.h"
#include "texts.h"

namespace compound {

SectionEntry section() {
  // The windows by name, each taking its row from the tables of the language running when it
  // opens; the works list them in order below.
  QHash<QString, WindowRegistry::Factory> made;
  for (size_t i = 0; i < stepRows().size(); ++i)
    made.insert(stepRows()[i].form, [i](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
      return ExperimentWindow::create<StepForm>(h, d, stepRows()[i]);
    });
  for (size_t i = 0; i < harmonicRows().size(); ++i)
    made.insert(harmonicRows()[i].form, [i](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
      return ExperimentWindow::create<HarmonicForm>(h, d, harmonicRows()[i]);
    });
  for (size_t i = 0; i < lafcRows().size(); ++i)
    made.insert(lafcRows()[i].form, [i](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
      return ExperimentWindow::create<LafcForm>(h, d, lafcRows()[i]);
    });
  made.insert(QStringLiteral("Form6_4"), [](Host& h, const WindowDeclaration& d) -> ExperimentWindow* {
    return ExperimentWindow::create<CircuitForm>(h, d);
  });
  const auto windows = [&made](std::initializer_list<const char*> forms) {
    std::vector<WindowEntry> out;
    for (const char* form : forms) out.push_back({QString::fromLatin1(form), made.value(QString::fromLatin1(form))});
    return out;
  };
  return {.number = 3,
          .caption = QT_TRANSLATE_NOOP("Main", "Составные динамические звенья"),
          .panel = 6,
          .works = {{.button = QStringLiteral("B6"),
                     .top = 24,
                     .helpContext = texts::PiHelp,
                     .title = {"compound", QT_TRANSLATE_NOOP("compound", "\"ПИ\" звено")},
                     .windows = windows({"Form6_1", "Form6_2", "Form6_3", "Form6_4"})},
                    {.button = QStringLiteral("B7"),
                     .top = 112,
                     .helpContext = texts::DiffHelp,
                     .title = {"compound", QT_TRANSLATE_NOOP("compound", "Реальное дифференцирующее звено")},
                     .windows = windows({"Form7_1", "Form7_2", "Form7_3", "Form7_4"})},
                    {.button = QStringLiteral("B8"),
                     .top = 208,
                     .helpContext = texts::InforsHelp,
                     .title = {"compound", QT_TRANSLATE_NOOP("compound", "Инерционно-форсирующее звено")},
                     .windows = windows({"Form8_1", "Form8_2", "Form8_3"})}}};
}

}  // namespace compound
