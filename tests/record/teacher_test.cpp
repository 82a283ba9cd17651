// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's view of a class: cells and summaries from the record's events, the class read
// from a real PostgreSQL as the students' machines sent it, followed live, exported as CSV,
// and refused to a student's login.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QDialog>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "app/journal.h"
#include "app/journal_print.h"
#include "app/journal_report.h"
#include "app/replay.h"
#include "app/teacher_report.h"
#include "app/teacher_data.h"
#include "app/teacher_model.h"
#include "app/teacher_window.h"
#include "pg_support.h"
#include "record/recorder.h"

using record::CellStatus;

namespace {

bool waitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// A student at a lab machine: the trainer's journal on a clock of the test's, its events
// written and sent by a recorder of the student's own, as the trainer does it.
struct Student {
  QDateTime wall = QDateTime(QDate(2026, 12, 9), QTime(9, 0));
  qint64 tick = 0;
  std::unique_ptr<record::Recorder> recorder;
  journal::Journal journal{journal::Clock{[this] { return wall; }, [this] { return tick; }}};

  Student(const QString& file, const QString& url, const QString& name, const QString& group)
      : recorder(std::make_unique<record::Recorder>(file, url)) {
    journal.setSink([r = recorder.get()](record::Event e) { r->add(std::move(e)); });
    journal.noteStudent({name, group});
  }
  void pass(qint64 ms) {
    tick += ms;
    wall = wall.addMSecs(ms);
  }
};

// Thirty students; student i: the first work completed after i+1 minutes with i % 3 wrong
// answers, a malformed one when i % 5 == 0 and new data when i % 7 == 0; the second work left
// after half a minute (i < 10) or still being played (i < 20); the rest closed the program.
void playClass(std::vector<std::unique_ptr<Student>>& students, const QTemporaryDir& dir, const QString& url,
               const std::vector<record::WorkColumn>& works) {
  const QString a = works[0].firstForm, b = works[1].firstForm;
  for (int i = 0; i < 30; ++i) {
    const QString name = i == 0 ? QStringLiteral("=Иванов, \"Ваня\"") : QStringLiteral("Студент %1").arg(i);
    auto s = std::make_unique<Student>(dir.filePath(QStringLiteral("m%1.sqlite").arg(i)), url, name,
                                       i % 2 ? QStringLiteral("ИУ-21") : QStringLiteral("ИУ-22"));
    journal::Journal& j = s->journal;
    j.workStarted(works[0].section, a);
    j.windowReached(a, QStringLiteral("Окно А"));
    if (i == 1) j.drawn(a, 4242, QStringLiteral("params=0.25,1.5"), QStringLiteral("f1"));
    for (int k = 0; k < i % 3; ++k) j.answer(a, Host::AnswerEvent::Wrong, k, QString::number(k));
    if (i % 5 == 0) j.answer(a, Host::AnswerEvent::BadFormat, 0, QStringLiteral("1,2,3"));
    if (i % 7 == 0) j.answer(a, Host::AnswerEvent::Regenerated, 0);
    s->pass(60000 * (i + 1));
    j.workCompleted();
    j.workLeft();
    if (i < 20) {
      j.workStarted(works[1].section, b);
      j.windowReached(b, QStringLiteral("Окно Б"));
      s->pass(30000);
      if (i < 10) j.workLeft();
    } else {
      j.noteEnd();
    }
    students.push_back(std::move(s));
  }
  for (auto& s : students) ASSERT_TRUE(s->recorder->waitSent(30000));
}

const record::StudentRow* rowOf(const record::ClassTable& t, const QString& name) {
  for (const auto& r : t.rows())
    if (r.name == name) return &r;
  return nullptr;
}

QStringList csvFields(const QString& line) {
  QStringList out;
  QString f;
  bool quoted = false;
  for (int i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
      f += c;
      ++i;
    } else if (c == u'"') {
      quoted = !quoted;
    } else if (c == u',' && !quoted) {
      out << f;
      f.clear();
    } else {
      f += c;
    }
  }
  return out << f;
}

}  // namespace

// The cases a table can get wrong with no server: a work played twice, a run cut off.
TEST(ClassTable, AttemptsAddUpAndACutRunIsInterrupted) {
  const std::vector<record::WorkColumn> works{{QStringLiteral("Form1_1"), QStringLiteral("S"), QStringLiteral("A")},
                                              {QStringLiteral("Form2_1"), QStringLiteral("S"), QStringLiteral("B")}};
  record::ClassTable t(works);
  qint64 n = 0;
  const auto add = [&](const QString& run, const QString& kind, int work, const QString& form, qint64 tick,
                       const QString& text = {}) {
    record::Event e;
    e.run = run;
    e.machine = QStringLiteral("m");
    e.kind = kind;
    e.work = work;
    e.form = form;
    e.steadyMs = tick;
    e.wall = QDateTime(QDate(2026, 12, 9), QTime(9, 0)).addMSecs(tick);
    e.text = text;
    t.add(++n, e);
  };
  add(QStringLiteral("r1"), record::kind::RunStarted, 0, {}, 0);
  add(QStringLiteral("r1"), record::kind::WorkStarted, 1, QStringLiteral("Form1_1"), 0);
  add(QStringLiteral("r1"), record::kind::Wrong, 1, QStringLiteral("Form1_1"), 1000);
  add(QStringLiteral("r1"), record::kind::WorkEnded, 1, QStringLiteral("Form1_1"), 60000, QStringLiteral("left"));
  EXPECT_EQ(t.rows()[0].cells[0].status, CellStatus::Left);
  add(QStringLiteral("r1"), record::kind::WorkStarted, 2, QStringLiteral("Form1_1"), 70000);
  EXPECT_EQ(t.rows()[0].cells[0].status, CellStatus::InProgress);
  EXPECT_FALSE(t.rows()[0].cells[0].ended.isValid());
  add(QStringLiteral("r1"), record::kind::Wrong, 2, QStringLiteral("Form1_1"), 80000);
  add(QStringLiteral("r1"), record::kind::WorkCompleted, 2, QStringLiteral("Form1_1"), 100000);
  add(QStringLiteral("r1"), record::kind::WorkEnded, 2, QStringLiteral("Form1_1"), 130000, QStringLiteral("completed"));
  const record::Cell& c = t.rows()[0].cells[0];
  EXPECT_EQ(c.status, CellStatus::Completed);
  EXPECT_EQ(c.wrong, 2);
  EXPECT_EQ(c.ms, 60000 + 60000);
  // A run killed mid-work and marked at the next start: its work is interrupted, not running.
  add(QStringLiteral("r2"), record::kind::RunStarted, 0, {}, 0);
  add(QStringLiteral("r2"), record::kind::WorkStarted, 1, QStringLiteral("Form2_1"), 0);
  add(QStringLiteral("r2"), record::kind::Wrong, 1, QStringLiteral("Form2_1"), 5000);
  EXPECT_EQ(t.rows()[1].cells[1].status, CellStatus::InProgress);
  add(QStringLiteral("r2"), record::kind::Interrupted, 0, {}, 0);
  EXPECT_EQ(t.rows()[1].cells[1].status, CellStatus::Interrupted);
  EXPECT_EQ(t.rows()[1].cells[1].ms, 5000);
  EXPECT_EQ(t.lastNumber(), n);
}

class TeacherClassTest : public pgtest::FreshSchemaTest {
 protected:
  QTemporaryDir dir;
};

TEST_F(TeacherClassTest, ThirtyStudentsShowInTheTableTheSummaryAndTheCsvAndTheViewFollowsLive) {
  const auto works = teacher::programWorks();
  QStringList names;
  for (const auto& w : works) names << teacher::workName(w);
  names.removeDuplicates();
  ASSERT_EQ(names.size(), int(works.size()));  // every work told apart
  ASSERT_GE(works.size(), 20u) << names.join(u'\n').toStdString();
  std::vector<std::unique_ptr<Student>> students;
  playClass(students, dir, student, works);

  record::ClassReader reader({}, teacher);
  record::ClassTable table(works);
  ASSERT_TRUE(teacher::readAll(reader, table)) << teacher::problemText(reader).toStdString();
  ASSERT_EQ(table.rows().size(), 30u);
  for (int i = 0; i < 30; ++i) {
    const record::StudentRow* r =
        rowOf(table, i == 0 ? QStringLiteral("=Иванов, \"Ваня\"") : QStringLiteral("Студент %1").arg(i));
    ASSERT_TRUE(r) << i;
    const record::Cell& a = r->cells[0];
    EXPECT_EQ(a.status, CellStatus::Completed) << i;
    EXPECT_EQ(a.wrong, i % 3) << i;
    EXPECT_EQ(a.formatErrors, i % 5 == 0) << i;
    EXPECT_EQ(a.regenerations, i % 7 == 0) << i;
    EXPECT_EQ(a.ms, 60000 * (i + 1)) << i;
    const CellStatus b = i < 10 ? CellStatus::Left : i < 20 ? CellStatus::InProgress : CellStatus::NotStarted;
    EXPECT_EQ(r->cells[1].status, b) << i;
    EXPECT_EQ(r->cells[2].status, CellStatus::NotStarted);
  }
  // A draw's seed and what it took come back from the class database for a replay.
  QString why;
  const auto run = replay::readRun({}, teacher, students[1]->journal.runId(), &why);
  ASSERT_TRUE(run) << why.toStdString();
  const auto plan = replay::find(*run, {students[1]->journal.runId(), works[0].firstForm, 1}, &why);
  ASSERT_TRUE(plan) << why.toStdString();
  EXPECT_EQ(plan->draw.seed, 4242u);
  EXPECT_EQ(plan->draw.taken.value(QStringLiteral("params")), (std::vector{0.25, 1.5}));
  EXPECT_EQ(plan->fingerprint, QStringLiteral("f1"));
  const record::WorkSummary a = table.summary(0, {});
  EXPECT_EQ(a.completed, 30);
  EXPECT_EQ(a.medianMs.value_or(-1), (15 + 16) * 60000 / 2);
  EXPECT_EQ(a.worstForm, works[0].firstForm);
  EXPECT_EQ(a.worstWrong, 30);
  const record::WorkSummary b = table.summary(1, {});
  EXPECT_EQ(b.started, 20);
  EXPECT_EQ(b.completed, 0);
  EXPECT_FALSE(b.medianMs);
  record::ClassFilter one;
  one.group = QStringLiteral("ИУ-21");
  EXPECT_EQ(table.summary(0, one).completed, 15);

  // The CSV written without a window, read back: the same numbers, a typed name kept as text.
  options::Options o;
  o.classDb = teacher;
  const QString path = dir.filePath(QStringLiteral("class.csv"));
  QString err;
  ASSERT_EQ(teacher::exportCsv(o, path, &err), 0) << err.toStdString();
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1 + 30 * int(works.size()));
  EXPECT_EQ(lines[0].split(u',').mid(0, 10).join(u','),
            QStringLiteral("name,group,work,status,wrong_answers,format_errors,regenerations,minutes,started,ended"));
  int checked = 0;
  for (const QString& line : lines.mid(1)) {
    const QStringList c = csvFields(line);
    ASSERT_EQ(c.size(), 11) << line.toStdString();
    if (c[2] != teacher::workName(works[0])) continue;
    const record::StudentRow* r = rowOf(table, c[0].startsWith(u'\'') ? c[0].mid(1) : c[0]);
    ASSERT_TRUE(r) << c[0].toStdString();
    EXPECT_EQ(c[3], QStringLiteral("completed"));
    EXPECT_EQ(c[4].toInt(), r->cells[0].wrong);
    EXPECT_EQ(c[5].toInt(), r->cells[0].formatErrors);
    EXPECT_EQ(c[6].toInt(), r->cells[0].regenerations);
    EXPECT_DOUBLE_EQ(c[7].toDouble(), r->cells[0].ms / 60000.0);
    EXPECT_EQ(c[8], r->cells[0].started.toUTC().toString(Qt::ISODate));
    EXPECT_EQ(c[1], r->group);
    ++checked;
  }
  EXPECT_EQ(checked, 30);
  EXPECT_TRUE(lines.join(u'\n').contains(QStringLiteral("\"'=Иванов, \"\"Ваня\"\"\"")));

  // The open view: the class comes in, then a wrong answer typed at a machine shows within 2 s.
  TeacherWindow window({{}, teacher});
  TeacherModel* model = window.model();
  ASSERT_TRUE(waitFor([&] { return model->rowCount() == 31; }, 10000)) << window.problem().toStdString();
  Student& late = *students[15];
  late.journal.answer(works[1].firstForm, Host::AnswerEvent::Wrong, 0, QStringLiteral("7"));
  ASSERT_TRUE(late.recorder->waitSent(10000));
  QElapsedTimer shown;
  shown.start();
  const auto wrongOfLate = [&] {
    const record::StudentRow* r = rowOf(model->table(), QStringLiteral("Студент 15"));
    return r ? r->cells[1].wrong : -1;
  };
  EXPECT_TRUE(waitFor([&] { return wrongOfLate() == 1; }, 2000)) << "after " << shown.elapsed() << " ms";

  // The cell opens the journal's own document of that work: its windows, the answer as typed.
  int row = -1;
  for (int r = 0; r < int(model->table().rows().size()); ++r)
    if (model->table().rows()[r].name == QStringLiteral("Студент 4")) row = r;
  ASSERT_GE(row, 0);
  const auto replayed = teacher::replay(model->eventsOf(row), works[0].firstForm, model->table().rows()[row]);
  const journal::Journal& j = replayed->journal;
  EXPECT_FALSE(replayed->header.version.isEmpty());  // the record's own, on its printout
  ASSERT_EQ(j.works().size(), 1u);
  EXPECT_EQ(j.works()[0].outcome, journal::Outcome::Completed);
  EXPECT_EQ(j.works()[0].wrongTotal(), 1);
  EXPECT_EQ(j.works()[0].durationMs(j.tick()), 5 * 60000);
  const QString html = journal::reportHtml(j, replayed->header);
  EXPECT_TRUE(html.contains(QStringLiteral("Окно А")) && html.contains(QStringLiteral("Студент 4")));

  // Enter on that cell in the view opens the same record; the class table goes to PDF.
  QTableView* view = window.view();
  for (int r = 0; r < view->model()->rowCount(); ++r)
    if (view->model()->index(r, TeacherModel::Name).data().toString() == QStringLiteral("Студент 4"))
      view->setCurrentIndex(view->model()->index(r, TeacherModel::FirstWork));
  QTest::keyClick(view, Qt::Key_Return);
  auto* record = window.findChild<QDialog*>(QStringLiteral("StudentRecord"));
  ASSERT_TRUE(record);
  EXPECT_TRUE(record->findChild<QTextBrowser*>()->toPlainText().contains(QStringLiteral("Окно А")));
  QTextDocument doc;
  teacher::fillClassDocument(doc, *model);
  EXPECT_TRUE(doc.toPlainText().contains(QStringLiteral("Итого по работе")));
  EXPECT_FALSE(journal::pdfBytes(doc, {}, QStringLiteral("class")).isEmpty());
}

TEST_F(TeacherClassTest, TheStudentsLoginIsRefusedTheClassAndSaysSo) {
  TeacherWindow window({{}, student});
  EXPECT_TRUE(waitFor([&] { return !window.problem().isEmpty(); }, 10000));
  EXPECT_TRUE(window.problem().contains(QStringLiteral("не может читать записи класса")))
      << window.problem().toStdString();
  EXPECT_EQ(window.model()->rowCount(), 1);  // the summary row alone
  options::Options o;
  o.classDb = student;
  QString err;
  const QString path = dir.filePath(QStringLiteral("refused.csv"));
  EXPECT_EQ(teacher::exportCsv(o, path, &err), 1);
  EXPECT_TRUE(err.contains(QStringLiteral("не может читать записи класса"))) << err.toStdString();
  EXPECT_FALSE(QFile::exists(path));
}
