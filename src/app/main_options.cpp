// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "replay.h"

#ifndef LUMEQ_VERSION
#define LUMEQ_VERSION ""
#endif

namespace options {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("options", text); }

struct Entry {
  QStringList names;
  QString value;  // empty: a switch
  QString help;
};

QString program(const QStringList& arguments) {
  return arguments.isEmpty() ? QStringLiteral("lumeq") : QFileInfo(arguments.first()).fileName();
}

QString usage(const QStringList& arguments) { return tr("Использование: %1 [параметры]").arg(program(arguments)); }

QString helpText(const QStringList& arguments, const std::vector<Entry>& entries) {
  QString h = usage(arguments) + QLatin1Char('\n') +
              tr("Лабораторный тренажер по линейным непрерывным системам автоматического управления.") +
              QStringLiteral("\n\n") + tr("Параметры:") + QLatin1Char('\n');
  for (const Entry& e : entries) {
    QStringList names;
    for (const QString& n : e.names) names << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    QString left = QStringLiteral("  ") + names.join(QStringLiteral(", "));
    if (!e.value.isEmpty()) left += QLatin1Char(' ') + e.value;
    h += left.leftJustified(26) + QLatin1Char(' ') + e.help + QLatin1Char('\n');
  }
  h += QLatin1Char('\n') +
       tr("В пути журнала: %d — дата и время начала записи, %r — код запуска, %n — фамилия и имя студента.\n"
          "Файл с журналом другого запуска не перезаписывается: журнал получает имя с номером (журнал-2.pdf).\n"
          "Пример: --journal-pdf '/srv/labs/%d-%r.pdf'") +
       QLatin1Char('\n');
  return h;
}

}  // namespace

CommandLine parse(const QStringList& arguments) {
  const std::vector<Entry> entries{
      {{QStringLiteral("lang")}, QStringLiteral("ru|en"), tr("Язык программы (иначе язык системы).")},
      {{QStringLiteral("journal-pdf")}, tr("ПУТЬ"), tr("Записать журнал работ в PDF-файл при выходе.")},
      {{QStringLiteral("student")}, tr("ИМЯ"), tr("Фамилия и имя студента для журнала.")},
      {{QStringLiteral("group")}, tr("ГРУППА"), tr("Группа студента для журнала.")},
      {{QStringLiteral("journal-db")}, tr("ПУТЬ"), tr("Файл записи работ на этом компьютере (SQLite).")},
      {{QStringLiteral("class-db")},
       tr("URL"),
       tr("База записей класса (PostgreSQL), например postgresql://lumeq_student@server/lab.")},
      {{QStringLiteral("list-runs")},
       {},
       tr("Вывести запуски из записи (код, начало, студент, группа, начато, выполнено) и выйти.")},
      {{QStringLiteral("class-db-init")},
       tr("URL"),
       tr("Создать или проверить схему базы класса (администратор) и выйти.")},
      {{QStringLiteral("teacher")},
       {},
       tr("Окно преподавателя: весь класс по работам (из базы класса или из записи этого компьютера).")},
      {{QStringLiteral("export-csv")},
       tr("ПУТЬ"),
       tr("С --teacher: записать таблицу класса в CSV-файл без окна и выйти.")},
      {{QStringLiteral("replay")},
       tr("ЗАПУСК:ОКНО[#N]"),
       tr("Открыть окно с данными, которые видел студент (из записи, --journal-db или --class-db), "
          "например 7f3a2c:Form1_1#2; в запись ничего не пишется.")},
      {{QStringLiteral("h"), QStringLiteral("help")}, {}, tr("Показать эту справку и выйти.")},
      {{QStringLiteral("v"), QStringLiteral("version")}, {}, tr("Показать версию программы и выйти.")},
  };
  QCommandLineParser parser;
  // "-platform" is one word, not the letters p, l, a …; Qt's own options are taken out of the
  // arguments before they come here.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  std::vector<QCommandLineOption> opts;
  for (const Entry& e : entries)
    opts.emplace_back(e.names, e.help, e.value.isEmpty() ? QString() : QStringLiteral("value"));
  for (const auto& o : opts) parser.addOption(o);
  const bool parsed = parser.parse(arguments);

  CommandLine line;
  auto& o = line.options;
  if (parser.isSet(opts[1])) o.journalPdf = parser.value(opts[1]);
  if (parser.isSet(opts[2])) o.student = parser.value(opts[2]);
  if (parser.isSet(opts[3])) o.group = parser.value(opts[3]);
  if (parser.isSet(opts[4])) o.journalDb = parser.value(opts[4]);
  if (parser.isSet(opts[5])) o.classDb = parser.value(opts[5]);
  o.teacher = parser.isSet(opts[8]);
  if (parser.isSet(opts[9])) o.exportCsv = parser.value(opts[9]);
  QString why;
  if (parser.isSet(opts[10])) {
    o.replay = parser.value(opts[10]);
    if (!replay::parseTarget(*o.replay))
      why = tr("Не понял, что воспроизвести: «%1». Нужно ЗАПУСК:ОКНО или ЗАПУСК:ОКНО#N, например 7f3a2c:Form1_1#2.")
                .arg(*o.replay);
  }
  if (parser.isSet(opts[0])) {
    const QString code = parser.value(opts[0]).trimmed().toLower();
    if (code == QLatin1String("ru"))
      o.language = language::Language::Russian;
    else if (code == QLatin1String("en"))
      o.language = language::Language::English;
    else
      why = tr("Неизвестный язык «%1»: возможны ru и en.").arg(parser.value(opts[0]));
  }
  if (parser.isSet(opts[11])) {
    line.action = Action::Help;
    line.text = helpText(arguments, entries);
    return line;
  }
  if (parser.isSet(opts[12])) {
    line.action = Action::Version;
    line.text =
        tr("%1, версия %2")
            .arg(QCoreApplication::translate("Main", "Лабораторный тренажер. Lumeq"), QStringLiteral(LUMEQ_VERSION)) +
        QLatin1Char('\n');
    return line;
  }
  if (!parsed) {
    if (!parser.unknownOptionNames().isEmpty()) {
      const QString name = parser.unknownOptionNames().first();
      why = tr("Неизвестный параметр: %1").arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    } else {
      // The parser's own text names the option; only its words are said in the running language.
      why = tr("Не указано значение параметра: %1").arg(arguments.isEmpty() ? QString() : arguments.last());
    }
  } else if (!parser.positionalArguments().isEmpty()) {
    why = tr("Лишний аргумент: %1").arg(parser.positionalArguments().first());
  } else if (why.isEmpty() && o.replay && o.teacher) {
    why = tr("Параметры --replay и --teacher не действуют вместе.");
  }
  if (why.isEmpty() && parser.isSet(opts[7])) {
    line.action = Action::ClassDbInit;
    line.initUrl = parser.value(opts[7]);
  } else if (why.isEmpty() && parser.isSet(opts[6])) {
    line.action = Action::ListRuns;
  } else if (why.isEmpty() && o.exportCsv) {
    if (o.teacher)
      line.action = Action::TeacherExport;
    else
      why = tr("Параметр --export-csv действует только вместе с --teacher.");
  }
  if (!why.isEmpty()) {
    line.action = Action::Refuse;
    line.text =
        QStringLiteral("%1: %2\n%3\n%4\n")
            .arg(program(arguments), why, usage(arguments), tr("Список параметров: %1 --help").arg(program(arguments)));
  }
  return line;
}

}  // namespace options
