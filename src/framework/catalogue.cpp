#include "catalogue.h"

#include <algorithm>

#include "experiment_window.h"

QString formName(int topic, int n) { return QStringLiteral("Form%1_%2").arg(topic).arg(n); }

std::vector<WindowEntry> windowsOf(const WindowRegistry& made, int topic, int count, int errorLimit) {
  std::vector<WindowEntry> out;
  for (int n = 1; n <= count; ++n) {
    const QString form = formName(topic, n);
    out.push_back({form, made.factory(form), errorLimit});
  }
  return out;
}

Catalogue::Catalogue(std::vector<SectionEntry> sections) : sections_(std::move(sections)) {
  std::stable_sort(sections_.begin(), sections_.end(),
                   [](const SectionEntry& a, const SectionEntry& b) { return a.number < b.number; });
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
    for (const WorkEntry& w : s->works) workButtons_.push_back({panel, w.button, w.top, w.windows.front().form});
  }

  for (const SectionEntry& s : sections_)
    for (const WorkEntry& w : s.works) {
      const int n = static_cast<int>(w.windows.size());
      for (int i = 0; i < n; ++i) {
        const WindowEntry& e = w.windows[i];
        windows_.add(e.form, [make = e.make, help = w.helpContext, limit = e.errorLimit](Host& h) {
          ExperimentWindow* made = make(h);
          if (made) made->declare(help, limit);
          return made;
        });
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
