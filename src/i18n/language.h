// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the texts. The sources are written in Russian, the program's own language;
// English comes from the translation built into the program (translations/lumeq_en.ts).
// The system language picks one at start, "--lang ru|en" overrides it, and the start screen
// switches it while the program runs.
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace language {

enum class Language { Russian, English };

// The language of a locale name as the environment gives it ("ru_RU.UTF-8", "en_US",
// "de_DE@euro", "C", "POSIX"): Russian for ru* and for the bare C/POSIX locale, English for
// any other.
Language fromLocaleName(const QString& name);
// The language of the messages locale of the environment: LC_ALL, else LC_MESSAGES, else LANG.
Language fromEnvironment();
// "--lang ru", "--lang en" or "--lang=…" among the arguments; nothing when absent or unknown.
std::optional<Language> fromArguments(const QStringList& arguments);
// The language to start in: the command line's, else the system's.
Language atStart(const QStringList& arguments);

Language current();
// Loads the translation of `l` (none for Russian) and lets every widget know. False, and
// the language unchanged, when the translation cannot be loaded.
bool set(Language l);
QString code(Language l);  // "ru", "en"

// A fixed text kept as its Russian source and shown in the running language: it is
// translated at the moment of use, so a table of them made before the translation was
// loaded still follows the language. The source is marked with QT_TRANSLATE_NOOP for lupdate.
struct Text {
  const char* context;
  const char* source;
  QString text() const { return QCoreApplication::translate(context, source); }
  operator QString() const { return text(); }
};

// The table `Build` makes, made in the running language the first time that language asks for
// it and kept for the run (a window may hold a row of it as long as it lives). For tables of
// rows whose texts are translated as the rows are built.
template <auto Build>
const auto& perLanguage() {
  static std::map<Language, decltype(Build())> tables;
  auto it = tables.find(current());
  if (it == tables.end()) it = tables.emplace(current(), Build()).first;
  return it->second;
}

}  // namespace language
