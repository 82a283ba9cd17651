// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the seeds: each draw told to the record, and a recorded draw opened
// again as the student saw it.
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "main_window.h"
#include "record/event.h"
#include "replay.h"

void Main::reportDraw(const QString& form, const Draw& draw, const QString& fingerprint) {
  if (replaying_) return;
  journal_.drawn(form, draw.seed, draw.takenText(), fingerprint);
}

namespace {

QString outcome(const QString& kind) {
  if (kind == record::kind::Accepted) return Main::tr("принят");
  if (kind == record::kind::Wrong) return Main::tr("неверно");
  return Main::tr("не число");
}

}  // namespace

void Main::openReplay(const replay::Plan& plan) {
  replaying_ = true;
  closeAllWindows();
  Panel1->hide();
  Label1->hide();
  work_.replayNext(plan.target.form, plan.draw);
  open(plan.target.form);
  const QString who = plan.group.isEmpty() ? plan.student : plan.student + QStringLiteral(", ") + plan.group;
  setWindowTitle(tr("Воспроизведение %1 — %2").arg(plan.target.text(), who.isEmpty() ? tr("без имени") : who));

  // What the student typed into this draw's boxes, beside the window.
  auto* list = new QDialog(this, Qt::Tool);
  list->setObjectName(QStringLiteral("ReplayAnswers"));
  list->setAttribute(Qt::WA_DeleteOnClose);
  list->setWindowTitle(tr("Ответы студента"));
  auto* head = new QLabel(tr("Запуск %1, окно %2, выборка %3.\nОтветы можно вводить снова; в запись ничего не пишется.")
                              .arg(plan.target.run, plan.target.form)
                              .arg(plan.target.n),
                          list);
  head->setWordWrap(true);
  auto* table = new QTableWidget(static_cast<int>(plan.typed.size()), 4, list);
  table->setObjectName(QStringLiteral("ReplayAnswersTable"));
  table->setHorizontalHeaderLabels({tr("Поле"), tr("Введено"), tr("Итог"), tr("Время")});
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int r = 0; r < static_cast<int>(plan.typed.size()); ++r) {
    const replay::Typed& t = plan.typed[r];
    table->setItem(r, 0, new QTableWidgetItem(t.field < 0 ? tr("вопрос") : QString::number(t.field + 1)));
    table->setItem(r, 1, new QTableWidgetItem(t.text));
    table->setItem(r, 2, new QTableWidgetItem(outcome(t.kind)));
    table->setItem(r, 3, new QTableWidgetItem(t.wall.toLocalTime().toString(QStringLiteral("HH:mm:ss"))));
  }
  table->resizeColumnsToContents();
  auto* layout = new QVBoxLayout(list);
  layout->addWidget(head);
  layout->addWidget(table);
  list->resize(320, 360);
  list->move(frameGeometry().topRight() + QPoint(4, 0));
  list->show();
}
