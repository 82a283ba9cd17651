// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include "record/class_db.h"
#include "record/local_store.h"

namespace record_commands {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("record", text); }

QString ending(record::RunSummary::End e) {
  switch (e) {
    case record::RunSummary::End::Closed:
      return QStringLiteral("closed");
    case record::RunSummary::End::Interrupted:
      return QStringLiteral("interrupted");
    case record::RunSummary::End::Open:
      break;
  }
  return QStringLiteral("open");
}

// A tab or a line break in a typed name would break the columns a script reads.
QString field(const QString& s) {
  QString out = s.trimmed();
  for (QChar& c : out)
    if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) c = QLatin1Char(' ');
  return out;
}

}  // namespace

QString localPath(const options::Options& o) {
  return o.journalDb && !o.journalDb->trimmed().isEmpty() ? QFileInfo(*o.journalDb).absoluteFilePath()
                                                          : record::defaultLocalPath();
}

int listRuns(const options::Options& o, QString* out, QString* err) {
  std::vector<record::RunSummary> runs;
  if (o.classDb) {
    record::ClassDb db(*o.classDb);
    const auto r = db.runs();
    if (!r) {
      *err = tr("База класса не прочитана: %1").arg(db.why()) + QLatin1Char('\n');
      return 1;
    }
    runs = *r;
  } else {
    const QString path = localPath(o);
    if (!QFileInfo::exists(path)) {
      *err = tr("Записи нет: %1").arg(QDir::toNativeSeparators(path)) + QLatin1Char('\n');
      return 1;
    }
    record::LocalStore store(path);
    QString why;
    if (!store.open(&why)) {
      *err = tr("Запись не прочитана: %1").arg(why) + QLatin1Char('\n');
      return 1;
    }
    store.markInterrupted(QSysInfo::machineHostName(), record::processAlive);
    runs = store.runs();
  }
  for (const auto& r : runs) {
    const QString student =
        r.student.trimmed().isEmpty() ? QCoreApplication::translate("journal", "(имя не указано)") : r.student;
    *out += QStringList{r.run,          r.started.toUTC().toString(Qt::ISODate), field(student),
                        field(r.group), QString::number(r.worksStarted),         QString::number(r.worksCompleted),
                        ending(r.end)}
                .join(QLatin1Char('\t')) +
            QLatin1Char('\n');
  }
  return 0;
}

int classDbInit(const QString& url, QString* out, QString* err) {
  record::ClassDb db(url);
  if (!db.init()) {
    *err = tr("Схема базы класса не создана: %1").arg(db.why()) + QLatin1Char('\n');
    return 1;
  }
  *out = tr("База класса готова, версия схемы %1.").arg(record::SchemaVersion) + QLatin1Char('\n');
  return 0;
}

}  // namespace record_commands
