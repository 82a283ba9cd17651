// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include <QtGlobal>

#include "help/topics.h"
#include "labs/astatism/section.h"
#include "labs/compound_links/section.h"
#include "labs/correction/section.h"
#include "labs/diagrams/section.h"
#include "labs/invariance/section.h"
#include "labs/nontypical_links/section.h"
#include "labs/stability/section.h"
#include "labs/typical_links/section.h"
#include "pictures/pictures.h"
#include "start_screen.h"

const Catalogue& programCatalogue() {
  static const Catalogue catalogue = [] {
    std::vector<SectionEntry> sections{typical::section(),   nontypical::section(), compound::section(),
                                       stability::section(), astatism::section(),   invariance::section(),
                                       correction::section()};
    for (SectionEntry& s : diagrams::sections()) sections.push_back(std::move(s));
    Catalogue c(std::move(sections));
    if (const QStringList problems = checkCatalogue(c); !problems.isEmpty())
      qFatal("lumeq: the declarations of the works do not hold:\n  %s",
             qPrintable(problems.join(QStringLiteral("\n  "))));
    return c;
  }();
  return catalogue;
}

QStringList checkCatalogue(const Catalogue& c) {
  using namespace start_screen;
  QStringList out = c.problems();
  const QStringList reserved = reservedNames();
  int row = 0;  // the buttons stand in the order of their numbers
  for (const SectionEntry& s : c.sections()) {
    const QString button = QStringLiteral("Button%1").arg(s.number);
    if (reserved.contains(button))
      out << QStringLiteral("%1: its button %2 is a control of the start screen").arg(describe(s), button);
    if (sectionButton(++row).bottom() >= AnimationBox.top())
      out << QStringLiteral("%1: no place for its button %2 above the animation check box").arg(describe(s), button);
    if (s.panel && reserved.contains(QStringLiteral("Panel%1").arg(s.panel)))
      out << QStringLiteral("%1: its panel Panel%2 is a panel of the start screen").arg(describe(s)).arg(s.panel);
    for (const WorkEntry& w : s.works) {
      const QString where = describe(s, w);
      if (s.panel) {
        if (reserved.contains(w.button))
          out << QStringLiteral("%1: its button %2 is a control of the start screen").arg(where, w.button);
        if (w.top < 0 || w.top + WorkButtonSize.height() > WorkPanel.height())
          out << QStringLiteral("%1: its button at %2 runs past its panel (%3 high, the button %4)")
                     .arg(where)
                     .arg(w.top)
                     .arg(WorkPanel.height())
                     .arg(WorkButtonSize.height());
        if (!pictures::has(w.button)) out << QStringLiteral("%1: no picture %2 for its button").arg(where, w.button);
      }
      for (language::Language l : {language::Language::Russian, language::Language::English})
        if (!help::hasTopic(w.helpContext, l))
          out << QStringLiteral("%1: no help topic %2 (%3)").arg(where).arg(w.helpContext).arg(language::code(l));
    }
  }
  return out;
}

QList<int> helpContents(const Catalogue& c) {
  QList<int> topics{help::MainTopic};
  for (const SectionEntry& s : c.sections())
    for (const WorkEntry& w : s.works)
      if (!topics.contains(w.helpContext)) topics << w.helpContext;
  return topics;
}
