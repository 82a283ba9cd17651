// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>

#include "help/topics.h"
#include "program.h"
#include "record/class_db.h"
#include "record_commands.h"

namespace teacher {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("teacher", text); }

// The work's name is its help topic's heading.
QString topicTitle(int context) {
  static const QRegularExpression heading(QStringLiteral("<h2>(.*?)</h2>"),
                                          QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch m = heading.match(help::topicSource(context));
  return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// A spreadsheet takes a field beginning so as a formula: a typed name must stay text.
QString csvField(QString s) {
  if (!s.isEmpty() && QStringLiteral("=+-@\t\r").contains(s.front())) s.prepend(QLatin1Char('\''));
  if (s.contains(QLatin1Char(',')) || s.contains(QLatin1Char('"')) || s.contains(QLatin1Char('\n')) ||
      s.contains(QLatin1Char('\r')))
    return QLatin1Char('"') + s.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
  return s;
}

QString isoTime(const QDateTime& t) { return t.isValid() ? t.toUTC().toString(Qt::ISODate) : QString(); }

}  // namespace

std::vector<record::WorkColumn> programWorks() {
  std::vector<record::WorkColumn> out;
  for (const SectionEntry& s : programCatalogue().sections()) {
    const QString section = QCoreApplication::translate("Main", s.caption);
    // Works sharing their section's topic (the stability and astatism labs) are named by number.
    QStringList titles;
    for (const WorkEntry& w : s.works) titles << topicTitle(w.helpContext);
    for (size_t n = 0; n < s.works.size(); ++n) {
      const WorkEntry& w = s.works[n];
      if (w.windows.empty()) continue;
      QString title = titles[int(n)];
      if (s.works.size() > 1 && (title.isEmpty() || title == section || titles.count(title) > 1))
        title = tr("Лаб №%1").arg(n + 1);
      else if (title.isEmpty())
        title = section;
      out.push_back({w.windows.front().form, section, title});
    }
  }
  return out;
}

QString workName(const record::WorkColumn& w) {
  return w.title == w.section ? w.section : QStringLiteral("%1. %2").arg(w.section, w.title);
}

Source sourceOf(const options::Options& o) {
  // A file named on the command line is what is asked for, whatever the settings say.
  if (!o.classDb && o.journalDb) return {record_commands::localPath(o), {}};
  return {record_commands::localPath(o), record::configuredClassDbUrl(o.classDb)};
}

QString problemText(const record::ClassReader& r) {
  switch (r.problem()) {
    case record::ClassReader::Problem::Refused:
      return tr("Эта учётная запись не может читать записи класса (сервер отказал): %1").arg(r.why());
    case record::ClassReader::Problem::Missing:
      return tr("Записи нет: %1").arg(QDir::toNativeSeparators(r.why()));
    case record::ClassReader::Problem::Unreadable:
      return tr("Запись не прочитана: %1").arg(r.why());
    case record::ClassReader::Problem::Unreachable:
      return tr("База класса не прочитана: %1").arg(r.why());
    case record::ClassReader::Problem::None:
      break;
  }
  return {};
}

bool readAll(record::ClassReader& reader, record::ClassTable& table) {
  do {
    const auto batch = reader.next(20000);
    if (!batch) return false;
    for (const auto& [n, e] : *batch) table.add(n, e);
  } while (reader.more());
  return true;
}

QByteArray csv(const record::ClassTable& table, const record::ClassFilter& filter) {
  QString out =
      QStringLiteral("name,group,work,status,wrong_answers,format_errors,regenerations,minutes,started,ended,run\r\n");
  const auto& works = table.works();
  for (const record::StudentRow& row : table.rows()) {
    if (!filter.accepts(row)) continue;
    for (size_t i = 0; i < works.size(); ++i) {
      if (!filter.shows(works[i])) continue;
      const record::Cell& c = row.cells[i];
      const QStringList fields{csvField(row.name.trimmed()),
                               csvField(row.group.trimmed()),
                               csvField(workName(works[i])),
                               record::statusCode(c.status),
                               QString::number(c.wrong),
                               QString::number(c.formatErrors),
                               QString::number(c.regenerations),
                               QString::number(c.ms / 60000.0, 'f', 1),
                               isoTime(c.started),
                               isoTime(c.ended),
                               csvField(row.run)};
      out += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
  }
  return out.toUtf8();
}

int exportCsv(const options::Options& o, const QString& path, QString* err) {
  const Source s = sourceOf(o);
  record::ClassReader reader(s.localPath, s.classUrl);
  record::ClassTable table(programWorks());
  if (!readAll(reader, table)) {
    *err = problemText(reader) + QLatin1Char('\n');
    return 1;
  }
  QSaveFile file(path);
  const QByteArray bytes = csv(table);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *err = tr("Файл не записан: %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()) + QLatin1Char('\n');
    return 1;
  }
  return 0;
}

}  // namespace teacher
