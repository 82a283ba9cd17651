// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The journal dialog with a long record: opening it, and a key typed into the student's name
// (the README's budget: a key well within a frame with 1 000 works).
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QLineEdit>

#include "app/journal_dialog.h"

namespace {

void fill(journal::Journal& j, QDateTime& t, int works) {
  for (int w = 0; w < works; ++w) {
    j.workStarted(QStringLiteral("Устойчивость одноконтурной САУ"), QStringLiteral("Form16_1"));
    for (int n = 1; n <= 5; ++n) {
      const QString form = QStringLiteral("Form16_%1").arg(n);
      j.windowReached(form, QStringLiteral("Устойчивость САУ. Лаб №1.%1").arg(n));
      j.answer(form, Host::AnswerEvent::Wrong, n % 2);
      j.answer(form, Host::AnswerEvent::Accepted, 0);
      t = t.addSecs(30);
    }
    j.workLeft();
  }
}

void JournalDialogTyping(benchmark::State& state) {
  QDateTime t(QDate(2026, 12, 9), QTime(9, 0));
  journal::Journal j({[&t] { return t; }, {}});
  fill(j, t, int(state.range(0)));
  journal::Student student;
  JournalDialogServices services;
  QElapsedTimer open;
  open.start();
  JournalDialog dialog(j, student, services);
  state.counters["open_ms"] = open.nsecsElapsed() / 1e6;
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("StudentName"));
  const QString typed = QStringLiteral("Иванова Мария");
  qint64 keys = 0, ns = 0;
  for (auto _ : state) {
    name->clear();
    QElapsedTimer k;
    k.start();
    for (const QChar c : typed) name->insert(c);  // a key at a time, as typed
    ns += k.nsecsElapsed();
    keys += typed.size();
  }
  state.counters["ms_per_key"] = ns / 1e6 / double(std::max<qint64>(keys, 1));
}
BENCHMARK(JournalDialogTyping)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
