// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the durable record: the student's fields on the start screen, the
// typed answers passed on to the journal, and the one line that says when the record cannot be
// kept where it should be.
#include <QDir>
#include <QLineEdit>
#include <QPointer>

#include "framework/canvas.h"
#include "main_window.h"
#include "program.h"
#include "record/recorder.h"

void Main::reportTyped(const QString& form, AnswerEvent event, int field, const QString& typed) {
  if (event == AnswerEvent::WorkDone || (event == AnswerEvent::WindowDone && !nextRowFrom(form)))
    journal_.workCompleted();
  else
    journal_.answer(form, event, field, typed);
}

void Main::buildRecordFields() {
  // The free strip between the work panels and the journal button: name and group before the
  // first work (the journal dialog edits the same two).
  StudentName = new QLineEdit(Panel1);
  StudentName->setObjectName(QStringLiteral("StudentName"));
  StudentName->setGeometry(312, 330, 181, 21);
  StudentName->setMaxLength(journal::NameMaxLength);
  StudentGroup = new QLineEdit(Panel1);
  StudentGroup->setObjectName(QStringLiteral("StudentGroup"));
  StudentGroup->setGeometry(497, 330, 88, 21);
  StudentGroup->setMaxLength(journal::GroupMaxLength);
  const auto edited = [this] {
    student_.name = StudentName->text();
    student_.group = StudentGroup->text();
    if (journalDialog_) journalDialog_->refresh();
  };
  connect(StudentName, &QLineEdit::textEdited, this, edited);
  connect(StudentGroup, &QLineEdit::textEdited, this, edited);
  const auto note = [this] { journal_.noteStudent(student_); };
  connect(StudentName, &QLineEdit::editingFinished, this, note);
  connect(StudentGroup, &QLineEdit::editingFinished, this, note);

  // The strip under the start screen's panel, free on the start screen: one line, shown only
  // while something is wrong with the record.
  recordLine_ = new QLabel(Panel1->parentWidget());
  recordLine_->setObjectName(QStringLiteral("RecordProblem"));
  recordLine_->setGeometry(Panel1->x(), Panel1->geometry().bottom() + 2, Panel1->width(), 15);
  recordLine_->setFont(fonts::font(fonts::Arial, 12));
  recordLine_->setStyleSheet(QStringLiteral("color: #800000"));
  recordLine_->hide();

  if (services_.recorder) {
    record::Recorder* r = services_.recorder;
    journal_.setSink([r](record::Event e) { r->add(std::move(e)); });
    // Told on the recorder's thread; shown on this one, while this window lives.
    r->setHealthHandler([self = QPointer<Main>(this)](const record::Health& h) {
      QMetaObject::invokeMethod(
          qApp,
          [self, h] {
            if (self) self->showRecordHealth(h);
          },
          Qt::QueuedConnection);
    });
  }
}

void Main::showStudent() {
  if (StudentName->text() != student_.name) StudentName->setText(student_.name);
  if (StudentGroup->text() != student_.group) StudentGroup->setText(student_.group);
}

void Main::retranslateRecord() {
  StudentName->setPlaceholderText(tr("Фамилия и имя"));
  StudentGroup->setPlaceholderText(tr("Группа"));
  StudentName->setToolTip(tr("Студент для журнала"));
  StudentGroup->setToolTip(tr("Группа студента для журнала"));
  if (recordHealth_) showRecordHealth(*recordHealth_);
}

void Main::showRecordHealth(const record::Health& h) {
  recordHealth_ = std::make_unique<record::Health>(h);
  const QString text = recordProblem();
  recordLine_->setText(text);
  recordLine_->setToolTip(h.localOk ? h.serverWhy : h.localWhy);
  recordLine_->setVisible(!text.isEmpty());
}

QString Main::recordProblem() const {
  if (!recordHealth_) return {};
  const record::Health& h = *recordHealth_;
  if (!h.localOk) return tr("Файл записи работ недоступен: журнал хранится только в памяти.");
  switch (h.server) {
    case record::ServerProblem::None:
      return {};
    case record::ServerProblem::Address:
      return tr("Неверный адрес базы класса: записи хранятся на этом компьютере.");
    case record::ServerProblem::Unreachable:
      return tr("Сервер класса недоступен: записи хранятся на этом компьютере.");
    case record::ServerProblem::Login:
      return tr("Сервер класса не принял вход: записи хранятся на этом компьютере.");
    case record::ServerProblem::Schema:
      return tr("На сервере класса схема другой версии: записи хранятся на этом компьютере.");
    case record::ServerProblem::Refused:
      return tr("Сервер класса отказал в записи: записи хранятся на этом компьютере.");
  }
  return {};
}
