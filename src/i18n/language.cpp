// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QApplication>
#include <QTranslator>
#include <memory>

namespace language {
namespace {

Language& slot() {
  static Language l = Language::Russian;
  return l;
}

std::optional<Language> fromCode(const QString& code) {
  if (code.compare(QLatin1String("ru"), Qt::CaseInsensitive) == 0) return Language::Russian;
  if (code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) return Language::English;
  return std::nullopt;
}

}  // namespace

Language fromLocaleName(const QString& name) {
  // "ru_RU.UTF-8" -> "ru"; "C.UTF-8" -> "C".
  const QString lang =
      name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).section(QLatin1Char('_'), 0, 0);
  if (lang.isEmpty() || lang == QLatin1String("C") || lang == QLatin1String("POSIX")) return Language::Russian;
  return lang.compare(QLatin1String("ru"), Qt::CaseInsensitive) == 0 ? Language::Russian : Language::English;
}

Language fromEnvironment() {
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(var);
    if (!value.isEmpty()) return fromLocaleName(value);
  }
  return Language::Russian;  // nothing set: the bare C locale
}

std::optional<Language> fromArguments(const QStringList& arguments) {
  std::optional<Language> found;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == QLatin1String("--lang") && i + 1 < arguments.size()) {
      if (auto l = fromCode(arguments[++i])) found = l;
    } else if (a.startsWith(QLatin1String("--lang="))) {
      if (auto l = fromCode(a.mid(7))) found = l;
    }
  }
  return found;
}

Language atStart(const QStringList& arguments) { return fromArguments(arguments).value_or(fromEnvironment()); }

Language current() { return slot(); }

QString code(Language l) { return l == Language::English ? QStringLiteral("en") : QStringLiteral("ru"); }

bool set(Language l) {
  static std::unique_ptr<QTranslator> translator;
  if (l == slot()) return true;
  std::unique_ptr<QTranslator> next;
  if (l != Language::Russian) {
    next = std::make_unique<QTranslator>();
    if (!next->load(QStringLiteral(":/i18n/lumeq_%1.qm").arg(code(l)))) return false;
  }
  // Installing and removing a translator posts QEvent::LanguageChange to every widget.
  if (translator) QCoreApplication::removeTranslator(translator.get());
  translator = std::move(next);
  if (translator) QCoreApplication::installTranslator(translator.get());
  slot() = l;
  // The widgets hear of it through posted events; deliver them now, so that what the caller
  // shows next is already in the new language.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  return true;
}

}  // namespace language
