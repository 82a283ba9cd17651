// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's journal: what it records while works are played through the real windows,
// the dialog of the start screen, and the PDF written from the dialog and at exit.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>

#include "app/journal_dialog.h"
#include "app/journal_print.h"
#include "app/journal_report.h"
#include "framework/messages.h"
#include "support/fixture.h"
#include "support/language_guard.h"
#include "support/pdf_text.h"

using journal::Outcome;

namespace {

class Journal : public TrainerTest {
 protected:
  // Every answer of the window as the window itself would show it once accepted.
  void answerAll(ExperimentWindow* w) {
    for (int i = 0; i < w->answerCount(); ++i) type(w, i, w->answer(i).shown);
  }
  void wait(int seconds) {
    now = now.addSecs(seconds);
    steadyMs += seconds * 1000;
  }
  const journal::WorkEntry& work(int i) const { return main->journal().works().at(i); }
  JournalDialog* openDialog() {
    click("BJournal");
    return main->journalDialog();
  }
  void clickIn(QWidget* parent, const QString& text) {
    for (auto* b : parent->findChildren<QPushButton*>())
      if (b->text() == text) return b->click();
    ADD_FAILURE() << text.toStdString();
  }
  // The series correction: a gain window, then a step window that ends the work.
  static constexpr const char* First = "Form13_1";
  static constexpr const char* Second = "Form13_2";
};

TEST_F(Journal, RecordsPartOfAWorkAndThenAWholeWorkAsPlayed) {
  ASSERT_TRUE(main->journal().works().empty());
  click("Button9");
  click("b91");
  auto* gain = active();
  ASSERT_EQ(gain->objectName(), First);
  wait(20);
  type(gain, 0, "1,2.3");
  EXPECT_EQ(messages.last(), msg::BadFormat);
  type(gain, 0, "1000");
  EXPECT_EQ(messages.last(), msg::WrongValue);
  answerAll(gain);
  ASSERT_TRUE(main->work().completed(First));
  wait(40);
  click("BNext");
  ASSERT_EQ(active()->objectName(), Second);
  wait(15);
  click("BBack");  // time goes to the window on screen
  wait(5);
  click("BNext");
  wait(10);
  messages.answers = {true};
  click("BMenu");
  EXPECT_EQ(messages.asked.last(), "Результаты работ будут сброшены\n\rПерейти в главное меню?");
  flushDeletes();

  ASSERT_EQ(main->journal().works().size(), 1u);
  const auto& left = work(0);
  EXPECT_EQ(left.section, "Коррекция САУ");
  EXPECT_EQ(left.title, "Последовательная коррекция САУ");
  EXPECT_EQ(left.outcome, Outcome::Left);
  EXPECT_EQ(left.started, QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
  EXPECT_EQ(left.durationMs(steadyMs), 90'000);
  ASSERT_EQ(left.windows.size(), 2u);
  EXPECT_EQ(left.windows[0].form, First);
  EXPECT_EQ(left.windows[0].caption, "Последовательная коррекция САУ. Опыт №1");
  EXPECT_EQ(left.windows[0].accepted, 1);
  EXPECT_EQ(left.windows[0].formatErrors, 1);
  EXPECT_EQ(left.windows[0].wrong, (QMap<int, int>{{0, 1}}));
  EXPECT_EQ(left.windows[0].activeMs, 65'000);
  EXPECT_EQ(left.windows[1].form, Second);
  EXPECT_EQ(left.windows[1].accepted, 0);
  EXPECT_EQ(left.windows[1].activeMs, 25'000);

  // The same work again is a new entry; this time played to its end, through one
  // regeneration at the step window's error limit of 2.
  click("b91");
  answerAll(active());
  click("BNext");
  auto* step = active();
  ASSERT_EQ(step->objectName(), Second);
  type(step, 0, "1000");
  type(step, 0, "1000");
  EXPECT_EQ(messages.last(), msg::TooManyErrors);
  settle();
  answerAll(step);
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_EQ(main->journal().works().back().outcome, Outcome::Completed);
  click("BMenu");
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");

  ASSERT_EQ(main->journal().works().size(), 2u);
  const auto& done = work(1);
  EXPECT_EQ(done.outcome, Outcome::Completed);
  ASSERT_EQ(done.windows.size(), 2u);
  EXPECT_EQ(done.windows[1].accepted, 2);
  EXPECT_EQ(done.windows[1].wrong, (QMap<int, int>{{0, 2}}));
  EXPECT_EQ(done.windows[1].regenerations, 1);
  EXPECT_EQ(done.wrongTotal(), 2);
  EXPECT_TRUE(done.ended.isValid());
}

// The stability works end at their fifth window without the completed flag; answering that
// window in full completes the work all the same. An earlier window answered does not.
TEST_F(Journal, TheLastWindowOfAChainAnsweredInFullCompletesTheWork) {
  click("Button9");
  click("b91");
  main->report(First, Host::AnswerEvent::WindowDone, -1);
  EXPECT_EQ(work(0).outcome, Outcome::Running);
  main->report("Form16_5", Host::AnswerEvent::WindowDone, -1);
  EXPECT_EQ(work(0).outcome, Outcome::Completed);
  messages.answers = {true};
  click("BMenu");
  EXPECT_EQ(work(0).outcome, Outcome::Completed);
}

TEST_F(Journal, ClosingMidWorkEndsItUnfinishedAndWritesThePdfAskedForAtStart) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ivanova.pdf");
  main->applyArguments({"lumeq", "--journal-pdf", path});
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());  // nothing written yet

  main->student() = {"Иванова Мария", "АУ-21"};
  click("Button9");
  click("b91");
  type(active(), 0, "1000");
  main->close();
  EXPECT_EQ(work(0).outcome, Outcome::Unfinished);
  ASSERT_TRUE(isPdf(path));
  const QStringList pages = pdfPages(path);
  ASSERT_FALSE(pages.isEmpty());
  const QString text = flat(pages.join(' '));
  EXPECT_TRUE(text.contains("Иванова Мария")) << text.toStdString();
  EXPECT_TRUE(text.contains("АУ-21"));
  EXPECT_TRUE(text.contains("Последовательная коррекция САУ"));
  EXPECT_TRUE(text.contains("не завершена"));
}

TEST_F(Journal, AnUnwritablePathIsReportedAtStartAndNothingIsWrittenThere) {
  QTemporaryDir dir;
  const QString missingFolder = dir.filePath("no/such/folder/j.pdf");
  for (const QStringList& args : {QStringList{"lumeq", "--journal-pdf", missingFolder},
                                  QStringList{"lumeq", "--journal-pdf=" + dir.path()},  // a folder
                                  QStringList{"lumeq", "--journal-pdf"}}) {
    main->applyArguments(args);
    ASSERT_EQ(messages.shown.size(), 1) << args.join(' ').toStdString();
    EXPECT_TRUE(messages.last().contains("журнал", Qt::CaseInsensitive));
    if (args.size() == 3) EXPECT_TRUE(messages.last().contains(QDir::toNativeSeparators(missingFolder)));
    messages.clear();
  }
  main->applyArguments({"lumeq", "-platform", "offscreen"});  // other arguments: nothing to say
  EXPECT_TRUE(messages.shown.isEmpty());
  main->close();
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

TEST_F(Journal, DialogShowsTheReportAndSavesThatDocumentAsPdf) {
  click("Button9");
  click("b91");
  answerAll(active());
  click("BNext");
  answerAll(active());
  click("BMenu");

  auto* dialog = openDialog();
  ASSERT_TRUE(dialog);
  auto* name = dialog->findChild<QLineEdit*>("StudentName");
  auto* group = dialog->findChild<QLineEdit*>("StudentGroup");
  auto* text = dialog->findChild<QTextBrowser*>("JournalText");
  ASSERT_TRUE(name && group && text);
  EXPECT_TRUE(text->isReadOnly());
  name->setText("Петров Пётр");
  group->setText("АУ-22");
  EXPECT_EQ(main->student().name, "Петров Пётр");
  const QString shown = flat(text->toPlainText());
  EXPECT_TRUE(shown.contains("Петров Пётр")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("Коррекция САУ. Последовательная коррекция САУ"));
  EXPECT_TRUE(shown.contains("выполнена"));
  EXPECT_EQ(&dialog->document(), text->document());

  QTemporaryDir dir;
  pdfAnswer.clear();  // cancelled: nothing written, nothing said
  clickIn(dialog, "Сохранить PDF…");
  EXPECT_TRUE(pdfSuggested.endsWith("Петров_Пётр.pdf")) << pdfSuggested.toStdString();
  EXPECT_TRUE(messages.shown.endsWith("Лабораторная работа выполнена!"));

  pdfAnswer = dir.filePath("petrov.pdf");
  clickIn(dialog, "Сохранить PDF…");
  ASSERT_TRUE(isPdf(pdfAnswer));
  const QString pdf = flat(pdfPages(pdfAnswer).join(' '));
  EXPECT_TRUE(pdf.contains("Петров Пётр, группа АУ-22")) << pdf.toStdString();
  EXPECT_TRUE(pdf.contains("Последовательная коррекция САУ. Опыт №1")) << pdf.toStdString();

  pdfAnswer = dir.filePath("missing/petrov.pdf");
  clickIn(dialog, "Сохранить PDF…");
  EXPECT_TRUE(messages.last().startsWith("Не удалось записать файл журнала")) << messages.last().toStdString();
  EXPECT_FALSE(QFile::exists(pdfAnswer));

  // Closed and opened again, the dialog keeps the name for the rest of the run.
  clickIn(dialog, "Закрыть");
  flushDeletes();
  dialog = openDialog();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->findChild<QLineEdit*>("StudentName")->text(), "Петров Пётр");
  dialog->close();
}

TEST_F(Journal, TheButtonTakesAFreeSpotAndLeavesTheRestOfTheStartScreenAsItWas) {
  auto* b = main->findChild<QPushButton*>("BJournal");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->text(), "Журнал");
  auto* panel = main->findChild<QWidget*>("Panel1");
  EXPECT_EQ(b->parentWidget(), panel);
  EXPECT_TRUE(panel->rect().contains(b->geometry()));
  for (auto* sibling : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (sibling != b)
      EXPECT_FALSE(sibling->geometry().intersects(b->geometry())) << sibling->objectName().toStdString();
  // Also the exit button that replaces the credits, and every work panel.
  main->Timer1Timer();
  for (int i = 0; i < 5; ++i) main->Timer1Timer();
  const QImage with = main->grab().toImage();
  b->hide();
  const QImage without = main->grab().toImage();
  b->show();
  ASSERT_EQ(with.size(), without.size());
  const QRect place = b->geometry().translated(b->parentWidget()->mapTo(main.get(), QPoint(0, 0)));
  const qreal ratio = with.devicePixelRatio();
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x)
      if (with.pixel(x, y) != without.pixel(x, y))
        ASSERT_TRUE(place.contains(QPoint(int(x / ratio), int(y / ratio)))) << x << "," << y;
}

TEST(JournalReport, NumbersDatesAndTimesFollowTheLocale) {
  const QLocale ru(QLocale::Russian, QLocale::Russia), c = QLocale::c();
  EXPECT_EQ(journal::durationText(44'600, ru), "45 с");
  EXPECT_EQ(journal::durationText(185'000, ru), "3 мин 05 с");
  EXPECT_EQ(journal::durationText(3'725'000, ru), "1 ч 02 мин");

  QDateTime t(QDate(2026, 12, 9), QTime(10, 0));
  qint64 ms = 0;
  journal::Journal j({[&t] { return t; }, [&ms] { return ms; }});
  j.workStarted("Астатизм САУ", "Form19_1");
  j.windowReached("Form19_1", "Астатизм САУ. Лаб №1.1", "Лаб №1");
  for (int i = 0; i < 1234; ++i) j.answer("Form19_1", Host::AnswerEvent::Wrong, 0);
  const journal::ReportHeader head{"Тренажёр", "1.0", t, {"Иванова <b>Мария</b>", ""}};
  QTextDocument doc;
  doc.setHtml(journal::reportHtml(j, head, ru));
  const QString ruText = doc.toRawText();                                   // with the locale's own spaces
  EXPECT_TRUE(ruText.contains(ru.toString(1234))) << ruText.toStdString();  // grouped as Russian writes it
  EXPECT_TRUE(ruText.contains(ru.toString(t.date(), QLocale::LongFormat)));
  EXPECT_TRUE(ruText.contains("Иванова <b>Мария</b>"));  // typed text stays text
  EXPECT_TRUE(ruText.contains("выполняется"));
  // Under the C (or an English) locale the Russian report still writes its dates in Russian.
  doc.setHtml(journal::reportHtml(j, head, c));
  EXPECT_TRUE(doc.toPlainText().contains(ru.toString(t.date(), QLocale::LongFormat)))
      << doc.toPlainText().toStdString();
  EXPECT_FALSE(doc.toPlainText().contains("December"));
}

TEST(JournalReport, SpeaksEnglishInEnglish) {
  const LanguageGuard english(language::Language::English);
  EXPECT_EQ(journal::durationText(185'000, QLocale::c()), "3 min 05 s");

  QDateTime t(QDate(2026, 12, 9), QTime(10, 0));
  qint64 ms = 0;
  journal::Journal j({[&t] { return t; }, [&ms] { return ms; }});
  // The program names the section by its Russian source: the report translates it.
  j.workStarted("Коррекция САУ", "Form13_1");
  j.windowReached("Form13_1", "Series compensation. Experiment 1", "Series compensation");
  j.answer("Form13_1", Host::AnswerEvent::Wrong, 0);
  j.answer("Form13_1", Host::AnswerEvent::Wrong, -1);
  j.answer("Form13_1", Host::AnswerEvent::BadFormat, 0);
  t = t.addSecs(75);
  ms += 75'000;
  j.workLeft();
  j.workStarted("Устойчивость одноконтурной САУ", "Form16_1");
  QTextDocument doc;
  doc.setHtml(journal::reportHtml(j, {"Trainer", "1.0", t, {"", "A-1"}}, QLocale::c()));
  const QString text = doc.toPlainText();
  EXPECT_FALSE(hasCyrillic(text)) << text.toStdString();
  for (const char* word : {"Compensation of a control system. Series compensation", "question", "field 1",
                           "Data redrawn", "abandoned", "in progress", "1 min 15 s"})
    EXPECT_TRUE(text.contains(word)) << word << "\n" << text.toStdString();
}

TEST(JournalPdf, ALongJournalRunsOverPagesWithTheNameOnEveryPage) {
  QDateTime t(QDate(2026, 12, 9), QTime(9, 0));
  qint64 ms = 0;
  journal::Journal j({[&t] { return t; }, [&ms] { return ms; }});
  for (int w = 0; w < 30; ++w) {
    j.workStarted("Устойчивость одноконтурной САУ", "Form16_1");
    for (int n = 1; n <= 5; ++n) {
      j.windowReached(QStringLiteral("Form16_%1").arg(n), QStringLiteral("Устойчивость САУ. Лаб №1.%1").arg(n),
                      QStringLiteral("Лаб №1"));
      if (n == w % 5 + 1) j.answer(QStringLiteral("Form16_%1").arg(n), Host::AnswerEvent::Wrong, n % 2);
      t = t.addSecs(30);
      ms += 30'000;
    }
    j.workLeft();
  }
  const journal::Student s{"Сидоров Иван", "АУ-23"};
  QTextDocument doc;
  journal::fillDocument(doc, j, {"Тренажёр", "1.0", t, s});
  QTemporaryDir dir;
  const QString path = dir.filePath("long.pdf");
  ASSERT_TRUE(journal::writePdf(doc, path, s, "Журнал"));
  ASSERT_TRUE(isPdf(path));
  const QStringList pages = pdfPages(path);
  ASSERT_GE(pages.size(), 3);
  for (int i = 0; i < pages.size(); ++i) {
    EXPECT_TRUE(flat(pages[i]).contains("Сидоров Иван, группа АУ-23")) << i;
    EXPECT_TRUE(flat(pages[i]).contains(QStringLiteral("Стр. %1 из %2").arg(i + 1).arg(pages.size()))) << i;
  }
}

}  // namespace
