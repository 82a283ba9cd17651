// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's data follow from its draw's seed: drawn again from the record, a window shows what
// the student saw, and a record whose answers or seeds were changed shows itself.
#include <QCryptographicHash>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/program.h"
#include "app/replay.h"
#include "app/teacher_model.h"
#include "app/teacher_window.h"
#include "record/local_store.h"
#include "record/recorder.h"
#include "support/fixture.h"
#include "support/language_guard.h"
#include "support/recorder_holder.h"

namespace {

// Everything a student can see or is asked of a window: its labels, the pixels of its plots,
// the bands of its answer boxes.
QByteArray face(ExperimentWindow* w) {
  QCryptographicHash h(QCryptographicHash::Sha1);
  for (const QLabel* l : w->findChildren<QLabel*>()) h.addData(l->text().toUtf8());
  for (PlotView* v : w->findChildren<PlotView*>()) {
    const QImage& image = v->canvas().image();
    h.addData(QByteArrayView(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
  }
  for (int i = 0; i < w->answerCount(); ++i)
    h.addData(QByteArray::number(w->answer(i).rule.lo, 'g', 17) + QByteArray::number(w->answer(i).rule.hi, 'g', 17));
  return h.result();
}

}  // namespace

TEST(Replay, EveryWindowDrawsTheSameFromOneSeedAndOtherDataFromAnother) {
  const WindowRegistry& windows = programWindows();
  for (const QString& form : windows.forms()) {
    replay::Unseen one(windows, form, {20261210}), again(windows, form, {20261210}), other(windows, form, {77});
    ASSERT_TRUE(one.window()) << form.toStdString();
    EXPECT_EQ(face(one.window()), face(again.window())) << form.toStdString();
    EXPECT_EQ(one.window()->fingerprint(), again.window()->fingerprint()) << form.toStdString();
    EXPECT_NE(face(one.window()), face(other.window())) << form.toStdString();
  }
}

TEST(Replay, TargetsAreReadStrictly) {
  const auto t = replay::parseTarget(QStringLiteral("7F3A2C:Form1_1#2"));
  ASSERT_TRUE(t);
  EXPECT_EQ(t->run, QStringLiteral("7f3a2c"));
  EXPECT_EQ(t->form, QStringLiteral("Form1_1"));
  EXPECT_EQ(t->n, 2);
  EXPECT_EQ(replay::parseTarget(QStringLiteral("7f3a2c:Form3_2"))->n, 1);
  for (const char* bad : {"", "7f3a2c", "7f3a2:Form1_1", "7f3a2c:Form1_1#0", "7f3a2c:Form1_1#x", "7f3a2c:1;drop"})
    EXPECT_FALSE(replay::parseTarget(QString::fromLatin1(bad))) << bad;
}

namespace {

// A work played through the real window and recorded into a machine file.
class RecordedPlay : public RecorderHolder, public TrainerTest {
 protected:
  RecordedPlay() : TrainerTest(nullptr, nullptr, recorder.get()) {}

  // The run's events as the store has them, after playing the first window of `form`'s work:
  // one wrong answer, then every field right.
  std::vector<record::Event> play(const QString& form) {
    ExperimentWindow* w = start(form);
    settle();
    type(w, 0, QStringLiteral("12345"));
    answerAll(w);
    EXPECT_TRUE(w->completed());
    recorder->flush();
    record::LocalStore store(path);
    EXPECT_TRUE(store.open(nullptr));
    return store.events(main->journal().runId());
  }
};

std::vector<record::Event>::iterator firstOf(std::vector<record::Event>& run, const QString& kind) {
  return std::find_if(run.begin(), run.end(), [&](const record::Event& e) { return e.kind == kind; });
}

}  // namespace

TEST_F(RecordedPlay, AnHonestRecordIsVerifiedAndADoctoredOneNamesItsWindowAndField) {
  const std::vector<record::Event> honest = play(QStringLiteral("Form2_1"));
  const replay::Verdict ok = replay::verify(honest, programWindows());
  EXPECT_EQ(ok.status, replay::Verdict::Status::Verified) << ok.text().toStdString();
  EXPECT_EQ(ok.drawsChecked, 1);
  EXPECT_GE(ok.answersChecked, 2);

  // An accepted answer moved far outside its band.
  std::vector<record::Event> changed = honest;
  auto accepted = std::find_if(changed.begin(), changed.end(), [](const record::Event& e) {
    return e.kind == record::kind::Accepted && e.field == 1;
  });
  ASSERT_NE(accepted, changed.end());
  accepted->text = QStringLiteral("987654");
  replay::Verdict v = replay::verify(changed, programWindows());
  EXPECT_EQ(v.status, replay::Verdict::Status::NotVerified);
  ASSERT_EQ(v.findings.size(), 1u);
  EXPECT_EQ(v.findings[0].form, QStringLiteral("Form2_1"));
  EXPECT_EQ(v.findings[0].field, 1);
  EXPECT_TRUE(v.text().contains(QStringLiteral("987654")));

  // Another seed: the data the answers were given for are not the record's.
  changed = honest;
  firstOf(changed, record::kind::Drawn)->seed = *firstOf(changed, record::kind::Drawn)->seed + 1;
  v = replay::verify(changed, programWindows());
  EXPECT_EQ(v.status, replay::Verdict::Status::NotVerified);
  ASSERT_EQ(v.findings.size(), 1u);
  EXPECT_EQ(v.findings[0].field, -1);

  // A record of another version is said to be one, not judged.
  changed = honest;
  firstOf(changed, record::kind::RunStarted)->detail = QStringLiteral("0.0.1");
  v = replay::verify(changed, programWindows());
  EXPECT_EQ(v.status, replay::Verdict::Status::OtherVersion);
  EXPECT_TRUE(v.text().contains(QStringLiteral("0.0.1")));
}

TEST_F(RecordedPlay, AReplayShowsTheStudentsWindowWithWhatWasTypedAndRecordsNothing) {
  const std::vector<record::Event> run = play(QStringLiteral("Form1_1"));
  const QByteArray seen = face(main->findWindow(QStringLiteral("Form1_1")));
  const QString runId = main->journal().runId();
  QString why;
  const auto plan = replay::find(run, {runId, QStringLiteral("Form1_1"), 1}, &why);
  ASSERT_TRUE(plan) << why.toStdString();
  EXPECT_FALSE(replay::find(run, {runId, QStringLiteral("Form1_1"), 2}, &why));
  EXPECT_TRUE(why.contains(QStringLiteral("Form1_1")));

  const auto before = run.size();
  Main replayed;
  replayed.p->setChecked(false);  // no pacing
  replayed.openReplay(*plan);
  TrainerTest::flushDeletes();
  ExperimentWindow* w = replayed.findWindow(QStringLiteral("Form1_1"));
  ASSERT_TRUE(w);
  for (int i = 0; i < 50 && w->Timer1->isActive(); ++i) QTest::qWait(5);
  QTest::qWait(20);
  EXPECT_EQ(face(w), seen);
  const auto* typed = replayed.findChild<QTableWidget*>(QStringLiteral("ReplayAnswersTable"));
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->rowCount(), static_cast<int>(plan->typed.size()));
  EXPECT_EQ(typed->item(0, 1)->text(), QStringLiteral("12345"));
  recorder->flush();
  record::LocalStore store(path);
  ASSERT_TRUE(store.open(nullptr));
  EXPECT_EQ(store.events(runId).size(), before);
}

TEST_F(RecordedPlay, TheTeachersRecordOfAWorkIsVerifiedAndOpensItsWindowAsTheStudentSawIt) {
  play(QStringLiteral("Form1_1"));
  const QByteArray seen = face(main->findWindow(QStringLiteral("Form1_1")));
  TeacherWindow teacher(teacher::Source{path, {}});
  QTRY_COMPARE(teacher.model()->table().rows().size(), std::size_t{1});
  teacher.openRecord(teacher.model()->index(0, TeacherModel::FirstWork));
  auto* record = teacher.findChild<QDialog*>(QStringLiteral("StudentRecord"));
  ASSERT_TRUE(record);
  EXPECT_TRUE(record->findChild<QLabel*>(QStringLiteral("RecordCheck"))->text().startsWith(QStringLiteral("Проверено")));
  auto* open = record->findChild<QPushButton*>(QStringLiteral("OpenAsSeen"));
  ASSERT_TRUE(open);
  open->click();
  Main* shown = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* m = qobject_cast<Main*>(w); m && m != main.get() && m->replaying()) shown = m;
  ASSERT_TRUE(shown);
  shown->p->setChecked(false);
  ExperimentWindow* w = shown->findWindow(QStringLiteral("Form1_1"));
  ASSERT_TRUE(w);
  QTRY_VERIFY(!w->tracing() && !w->Timer1->isActive());
  EXPECT_EQ(face(w), seen);
  shown->close();

  // The same record with an accepted answer changed in the file: the check marks the cell.
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("doctor"));
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec(QStringLiteral("UPDATE events SET typed = '987654' WHERE kind = 'accepted' AND field = 0")));
    EXPECT_EQ(q.numRowsAffected(), 1);
  }
  QSqlDatabase::removeDatabase(QStringLiteral("doctor"));
  TeacherWindow later(teacher::Source{path, {}});
  QTRY_COMPARE(later.model()->table().rows().size(), std::size_t{1});
  later.findChild<QPushButton*>(QStringLiteral("CheckRecords"))->click();
  const QModelIndex cell = later.model()->index(0, TeacherModel::FirstWork);
  EXPECT_TRUE(cell.data().toString().startsWith(QStringLiteral("⚠"))) << cell.data().toString().toStdString();
  EXPECT_TRUE(cell.data(Qt::ToolTipRole).toString().contains(QStringLiteral("Form1_1 (выборка 1), поле 1")));
  EXPECT_FALSE(later.findChild<QLabel*>(QStringLiteral("CheckSummary"))->isHidden());
}

TEST_F(RecordedPlay, AWindowThatTakesItsDataFromAnEarlierOneOrRunReplaysWithTheSameNumbers) {
  const auto firstOfButton = [](const char* button) {
    for (const WorkButton& b : workButtons())
      if (b.name == QLatin1String(button)) return b.form;
    return QString();
  };
  // The frequency series' second run, the stability work's second window (T1, T2, T3, k1 of the
  // first), the lag work's second (T, k of the first), a correction step window (a gain).
  struct Chain {
    QString first;
    int windows;  // windows (or runs) answered before the one replayed
  };
  const std::vector<Chain> chains{{QStringLiteral("Form1_1"), 4},
                                  {QStringLiteral("Form16_1"), 1},
                                  {QStringLiteral("Form5_1"), 1},
                                  {firstOfButton("b91"), 1}};
  for (const Chain& c : chains) {
    ASSERT_FALSE(c.first.isEmpty());
    ExperimentWindow* w = start(c.first);
    for (int i = 0; i < c.windows; ++i) {
      settle();
      w = active();
      answerAll(w);
      settle();
      if (active() == w && w->completed()) click("BNext");
    }
    settle();
    w = active();
    ASSERT_TRUE(w) << c.first.toStdString();
    const QString form = w->objectName();
    EXPECT_FALSE(w->currentDraw().taken.isEmpty()) << form.toStdString();
    recorder->flush();
    record::LocalStore store(path);
    ASSERT_TRUE(store.open(nullptr));
    const std::vector<replay::Plan> draws = replay::draws(store.events(main->journal().runId()));
    const auto last = std::find_if(draws.rbegin(), draws.rend(), [&](const replay::Plan& p) { return p.target.form == form; });
    ASSERT_NE(last, draws.rend()) << form.toStdString();
    replay::Unseen again(programWindows(), form, last->draw);
    EXPECT_EQ(face(again.window()), face(w)) << form.toStdString();
    // A record edited to hand the window numbers no draw gives: it draws its own instead, as
    // from the same seed with nothing taken.
    Draw edited = last->draw;
    for (auto& values : edited.taken) std::fill(values.begin(), values.end(), 1e9);
    replay::Unseen forged(programWindows(), form, edited), own(programWindows(), form, {last->draw.seed});
    EXPECT_EQ(face(forged.window()), face(own.window())) << form.toStdString();
    messages.answers = {true};
    click("BMenu");
    flushDeletes();
  }
}

TEST(Replay, TheVerdictSpeaksTheRunningLanguage) {
  LanguageGuard english(language::Language::English);
  replay::Verdict v;
  for (auto s : {replay::Verdict::Status::Nothing, replay::Verdict::Status::OtherVersion,
                 replay::Verdict::Status::Verified}) {
    v.status = s;
    EXPECT_FALSE(hasCyrillic(v.text())) << v.text().toStdString();
  }
  v.status = replay::Verdict::Status::NotVerified;
  v.findings = {{QStringLiteral("Form1_1"), 1, 0, QStringLiteral("x")}, {QStringLiteral("Form1_2"), 2, -1, {}}};
  EXPECT_FALSE(hasCyrillic(v.text())) << v.text().toStdString();
}
