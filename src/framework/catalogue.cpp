// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <QSet>
#include <algorithm>

#include "experiment_window.h"

QString formName(int topic, int n) {
  return QStringLiteral("Form") + QString::number(topic) + QLatin1Char('_') + QString::number(n);
}

QString describe(const SectionEntry& s) {
  return QStringLiteral("section %1 (%2)").arg(s.number).arg(QString::fromUtf8(s.caption));
}

QString describe(const SectionEntry& s, const WorkEntry& w) {
  const QString first = w.windows.empty() ? QString() : w.windows.front().form;
  return QStringLiteral("work %1 of %2").arg(w.button.isEmpty() ? first : w.button, describe(s));
}

Catalogue::Catalogue(std::vector<SectionEntry> sections) : sections_(std::move(sections)) {
  std::stable_sort(sections_.begin(), sections_.end(),
                   [](const SectionEntry& a, const SectionEntry& b) { return a.number < b.number; });
  {
    QHash<QString, QString> controls, forms;  // name -> where it was declared first
    // A start-screen control (Button<n>, Panel<n>, a work's button) taken by one declaration only.
    const auto claim = [&](const QString& name, const QString& where) {
      if (controls.contains(name))
        problems_ << QStringLiteral("%1: its %2 is already %3's").arg(where, name, controls.value(name));
      else
        controls.insert(name, where);
    };
    for (const SectionEntry& s : sections_) {
      claim(QStringLiteral("Button%1").arg(s.number), describe(s));
      if (s.panel) {
        claim(QStringLiteral("Panel%1").arg(s.panel), describe(s));
      } else if (s.works.size() != 1) {
        problems_ << QStringLiteral("%1: a section without a panel opens one work, not %2")
                         .arg(describe(s))
                         .arg(s.works.size());
      }
      for (const WorkEntry& w : s.works) {
        const QString where = describe(s, w);
        if (w.windows.empty()) problems_ << where + QStringLiteral(": a work without windows");
        if (s.panel) claim(w.button, where);
        for (const WindowEntry& e : w.windows) {
          if (e.form.isEmpty() || !e.make)
            problems_ << QStringLiteral("%1: a window without %2")
                             .arg(where, e.form.isEmpty() ? QStringLiteral("a name")
                                                          : QStringLiteral("a factory (%1)").arg(e.form));
          else if (forms.contains(e.form))
            problems_ << QStringLiteral("%1: window %2 is declared again (first in %3)")
                             .arg(where, e.form, forms.value(e.form));
          forms.insert(e.form, where);
          if (e.errorLimit < 1)
            problems_ << QStringLiteral("%1: window %2 has an error limit of %3").arg(where, e.form).arg(e.errorLimit);
        }
      }
    }
  }
  for (const SectionEntry& s : sections_) {
    const QString panel = s.panel ? QStringLiteral("Panel%1").arg(s.panel) : QString();
    const QString first =
        s.works.empty() || s.works.front().windows.empty() ? QString() : s.works.front().windows.front().form;
    sectionButtons_.push_back(
        {QStringLiteral("Button%1").arg(s.number), s.caption, panel, s.panel ? QString() : first});
  }

  // Panels and their buttons in the order of the panel numbers.
  std::vector<const SectionEntry*> byPanel;
  for (const SectionEntry& s : sections_)
    if (s.panel) byPanel.push_back(&s);
  std::stable_sort(byPanel.begin(), byPanel.end(), [](auto* a, auto* b) { return a->panel < b->panel; });
  for (const SectionEntry* s : byPanel) {
    const QString panel = QStringLiteral("Panel%1").arg(s->panel);
    panels_ << panel;
    for (const WorkEntry& w : s->works)
      if (!w.windows.empty()) workButtons_.push_back({panel, w.button, w.top, w.windows.front().form});
  }

  for (const SectionEntry& s : sections_)
    for (std::size_t work = 0; work < s.works.size(); ++work) {
      const WorkEntry& w = s.works[work];
      const int n = static_cast<int>(w.windows.size());
      QStringList names;
      for (const WindowEntry& e : w.windows) names << e.form;
      for (int i = 0; i < n; ++i) {
        const WindowEntry& e = w.windows[i];
        if (windows_.has(e.form)) continue;  // a duplicate, reported above: the first declaration holds
        windows_.add({.form = e.form,
                      .firstForm = w.windows.front().form,
                      .index = i + 1,
                      .count = n,
                      .work = names,
                      .title = w.title,
                      .workNumber = static_cast<int>(work) + 1,
                      .endsWork = i + 1 == n && w.lastEndsWork && !w.repeatsLast,
                      .activateOnRepeat = i + 1 == n && w.repeatsLast && w.activateOnRepeat,
                      .helpContext = w.helpContext,
                      .errorLimit = e.errorLimit,
                      .regenerates = e.regenerates},
                     e.make);
        if (i + 1 < n) next_.push_back({e.form, w.windows[i + 1].form, false, w.repeatsLast && i + 2 == n});
      }
      if (w.repeatsLast && n > 0)
        next_.push_back({w.windows.back().form, w.windows.back().form, true, false, w.activateOnRepeat});
    }
}

const NextRow* Catalogue::nextRowFrom(const QString& f) const {
  for (const auto& r : next_)
    if (r.from == f) return &r;
  return nullptr;
}

const NextRow* Catalogue::openRowTo(const QString& f) const {
  for (const auto& r : next_)
    if (!r.repeat && r.to == f) return &r;
  return nullptr;
}
