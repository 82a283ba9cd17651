// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The event's columns as both databases name them, and the binding of an event to a query's
// placeholders in that order: no value is ever spliced into the text of a query.
#include <QSqlQuery>
#include <QVariant>

#include "record/event.h"

namespace record::columns {

// id, run, machine, seq, kind, wall, steady_ms, work, form, field, typed, detail, amount, seed
inline constexpr int Count = 14;
inline const QString List =
    QStringLiteral("id, run, machine, seq, kind, wall, steady_ms, work, form, field, typed, detail, amount, seed");

// The wall time as stored: UTC, milliseconds, ISO 8601.
inline QString wallText(const QDateTime& t) { return t.toUTC().toString(Qt::ISODateWithMs); }

template <class T>
QVariant orNull(const std::optional<T>& v) {
  return v ? QVariant::fromValue(*v) : QVariant(QMetaType::fromType<T>());
}

inline void bind(QSqlQuery& q, const Event& e) {
  q.addBindValue(e.id.toString(QUuid::WithoutBraces));
  q.addBindValue(e.run);
  q.addBindValue(e.machine);
  q.addBindValue(e.seq);
  q.addBindValue(e.kind);
  q.addBindValue(wallText(e.wall));
  q.addBindValue(e.steadyMs);
  q.addBindValue(e.work);
  q.addBindValue(e.form);
  q.addBindValue(orNull(e.field));
  q.addBindValue(e.text);
  q.addBindValue(e.detail);
  q.addBindValue(orNull(e.amount));
  q.addBindValue(orNull(e.seed));
}

// Reads the columns in List's order from `from` on.
inline Event read(const QSqlQuery& q, int from = 0) {
  Event e;
  e.id = QUuid(q.value(from).toString());
  e.run = q.value(from + 1).toString();
  e.machine = q.value(from + 2).toString();
  e.seq = q.value(from + 3).toLongLong();
  e.kind = q.value(from + 4).toString();
  const QVariant wall = q.value(from + 5);
  e.wall = wall.metaType().id() == QMetaType::QDateTime ? wall.toDateTime()
                                                        : QDateTime::fromString(wall.toString(), Qt::ISODateWithMs);
  e.steadyMs = q.value(from + 6).toLongLong();
  e.work = q.value(from + 7).toInt();
  e.form = q.value(from + 8).toString();
  if (!q.isNull(from + 9)) e.field = q.value(from + 9).toInt();
  e.text = q.value(from + 10).toString();
  e.detail = q.value(from + 11).toString();
  if (!q.isNull(from + 12)) e.amount = q.value(from + 12).toLongLong();
  if (!q.isNull(from + 13)) e.seed = q.value(from + 13).toLongLong();
  return e;
}

}  // namespace record::columns
