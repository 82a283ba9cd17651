// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/pictures.h"

#include "i18n/language.h"
#include "pictures/catalogue.h"

#include <QHash>
#include <map>

namespace pictures {

namespace {

const std::map<QString, catalogue::Entry>& entries() {
  static const std::map<QString, catalogue::Entry> all = [] {
    std::map<QString, catalogue::Entry> m;
    for (auto group : {
             catalogue::icons,
             catalogue::links,
             catalogue::loops,
             catalogue::nontypical,
             catalogue::diagrams,
             catalogue::invariance,
             catalogue::compound,
             catalogue::typical,
             catalogue::correction,
             catalogue::stability,
         })
      for (catalogue::Entry& e : group()) m.emplace(e.name, std::move(e));
    return m;
  }();
  return all;
}

QImage render(const catalogue::Entry& e, QStringList* problems, QStringList* texts = nullptr) {
  draw::Diagram d(e.size, e.background, e.style);
  e.paint(d);
  if (problems) *problems = d.problems();
  if (texts) *texts = d.texts();
  return d.finish();
}

}  // namespace

QImage get(const QString& name) {
  // Pictures are only ever drawn from the GUI thread, so a plain static cache will do.
  // Pictures with words are drawn once per language.
  static QHash<QString, QImage> cache;
  const QString key = language::code(language::current()) + QLatin1Char('/') + name;
  if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
  const auto found = entries().find(name);
  if (found == entries().end()) return QImage();
  QImage img = render(found->second, nullptr);
  cache.insert(key, img);
  return img;
}

bool has(const QString& name) { return entries().count(name) > 0; }

QStringList names() {
  QStringList out;
  for (const auto& [name, entry] : entries()) out << name;
  return out;
}

QStringList layoutProblems(const QString& name) {
  const auto found = entries().find(name);
  if (found == entries().end()) return {};
  QStringList problems;
  render(found->second, &problems);
  return problems;
}

QStringList texts(const QString& name) {
  const auto found = entries().find(name);
  if (found == entries().end()) return {};
  QStringList texts;
  render(found->second, nullptr, &texts);
  return texts;
}

}  // namespace pictures
