// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The journal where it used to lose or mix a record: a disk that fills mid-write, one lab path
// for many runs and students, a folder gone before exit, a clock set during a work, a name
// typed into a long record; and the command line of the program itself.
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>
#include <csignal>
#include <sys/resource.h>

#include "app/journal_dialog.h"
#include "app/journal_file.h"
#include "app/journal_print.h"
#include "app/journal_report.h"
#include "support/fixture.h"
#include "support/language_guard.h"
#include "support/pdf_text.h"

namespace {

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString fromFile(const QString& path) { return flat(pdfPages(path).join(' ')); }

// Files in a folder, hidden ones (the writer's temporary file) too.
QStringList filesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System); }

class JournalFaults : public TrainerTest {
 protected:
  void wait(int seconds) {
    now = now.addSecs(seconds);
    steadyMs += seconds * 1000;
  }
  void playAWork() {
    click("Button9");
    click("b91");
    answerAll(active());
    messages.answers.push_back(true);
    click("BMenu");
  }
};

// A disk that takes a file only up to a size, as a nearly full one does: the writes past it
// fail (EFBIG) part-way through the PDF.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit small = old_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST_F(JournalFaults, AWriteCutShortByAFullDiskKeepsTheOldFileAndSaysSo) {
  for (int i = 0; i < 3; ++i) playAWork();
  main->student() = {"Иванова Мария", "АУ-21"};
  QTemporaryDir dir;
  const QString path = dir.filePath("journal.pdf");
  QTextDocument doc;
  journal::fillDocument(doc, main->journal(), journalHeader(main->journal(), main->student()));
  const QByteArray whole = journal::pdfBytes(doc, main->student(), "J");
  ASSERT_GT(whole.size(), 8000);
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("%PDF-1.4 the earlier record\n%%EOF\n");
  old.close();
  const QByteArray before = contents(path);

  {
    const FileSizeLimit limit(whole.size() / 2);
    QString why;
    EXPECT_FALSE(journal::writePdf(doc, path, main->student(), "J", &why));
    EXPECT_FALSE(why.isEmpty());
    // The same write from the dialog's "Сохранить PDF…" says so.
    auto* dialog = (click("BJournal"), main->journalDialog());
    ASSERT_TRUE(dialog);
    pdfAnswer = path;
    dialog->savePdfClick();
    dialog->close();
  }
  EXPECT_TRUE(messages.last().startsWith("Не удалось записать файл журнала")) << messages.last().toStdString();
  EXPECT_TRUE(messages.last().contains("Прежний файл остался как был"));
  EXPECT_EQ(contents(path), before);
  EXPECT_EQ(filesIn(dir.path()), QStringList{"journal.pdf"});  // no half-written file left

  // With room again the same write replaces it whole.
  ASSERT_TRUE(journal::writePdf(doc, path, main->student(), "J"));
  EXPECT_TRUE(isPdf(path));
  EXPECT_TRUE(fromFile(path).contains("Иванова Мария"));
}

TEST(JournalPath, FieldsAndSiblings) {
  const QDateTime t(QDate(2026, 12, 9), QTime(10, 5, 7));
  EXPECT_EQ(journal::expandPath("/srv/labs/%d-%r.pdf", t, "0a1b2c", "x"), "/srv/labs/2026-12-09_10-05-07-0a1b2c.pdf");
  EXPECT_EQ(journal::expandPath("%n_%%_%q.pdf", t, "0a1b2c", " Иванова  Мария/../ "), "Иванова_Мария_.._%_%q.pdf");
  EXPECT_EQ(journal::expandPath("%n.pdf", t, "r", "  "), "без_имени.pdf");
  EXPECT_EQ(journal::expandPath("a%", t, "r", "n"), "a%");
  EXPECT_EQ(journal::numberedSibling("/a/b.c/j.pdf", 2), "/a/b.c/j-2.pdf");
  EXPECT_EQ(journal::numberedSibling("/a/j", 3), "/a/j-3");
}

// Two runs on one fixed path, and a second student at the same machine: each record gets a
// file of its own, nothing is overwritten, and the program names the file it took.
TEST_F(JournalFaults, OneLabPathNeverMixesRunsOrStudents) {
  QTemporaryDir dir;
  const QString path = dir.filePath("lab.pdf");
  QFile earlier(path);  // an earlier run's record
  ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
  earlier.write("earlier run");
  earlier.close();
  main->applyArguments({"lumeq", "--journal-pdf", path, "--student", "Иванова Мария", "--group", "АУ-21"});
  EXPECT_TRUE(messages.shown.isEmpty()) << messages.last().toStdString();
  EXPECT_EQ(main->student().name, "Иванова Мария");
  EXPECT_EQ(main->student().group, "АУ-21");
  playAWork();
  const QString firstRun = main->journal().runId();
  EXPECT_TRUE(QRegularExpression("^[0-9a-f]{6}$").match(firstRun).hasMatch()) << firstRun.toStdString();

  auto* dialog = (click("BJournal"), main->journalDialog());
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(flat(dialog->document().toPlainText()).contains(firstRun));
  messages.clear();
  messages.answers = {false};  // no: nothing happens
  dialog->newStudentClick();
  EXPECT_EQ(main->journal().runId(), firstRun);
  EXPECT_EQ(filesIn(dir.path()), QStringList{"lab.pdf"});
  messages.answers = {true};
  dialog->newStudentClick();
  EXPECT_TRUE(messages.asked.last().contains("Иванова Мария")) << messages.asked.last().toStdString();
  const QString second = dir.filePath("lab-2.pdf");
  EXPECT_TRUE(messages.last().contains(QDir::toNativeSeparators(second))) << messages.last().toStdString();
  EXPECT_NE(main->journal().runId(), firstRun);
  EXPECT_TRUE(main->journal().works().empty());
  EXPECT_TRUE(main->student().name.isEmpty());
  EXPECT_TRUE(dialog->findChild<QLineEdit*>("StudentName")->text().isEmpty());
  EXPECT_FALSE(flat(dialog->document().toPlainText()).contains("Иванова"));

  dialog->findChild<QLineEdit*>("StudentName")->setText("Петров Пётр");
  dialog->close();
  playAWork();
  main->close();
  EXPECT_EQ(contents(path), "earlier run");
  const QString a = fromFile(second), b = fromFile(dir.filePath("lab-3.pdf"));
  EXPECT_TRUE(a.contains("Иванова Мария") && a.contains(firstRun) && !a.contains("Петров")) << a.toStdString();
  EXPECT_TRUE(b.contains("Петров Пётр") && b.contains(main->journal().runId()) && !b.contains("Иванова"))
      << b.toStdString();
}

// The folder asked for at start is gone at exit, or the path is a dangling link: the record
// is written all the same, and the program says where.
TEST_F(JournalFaults, AFolderGoneBeforeExitSendsTheRecordToTheDocumentsFolder) {
  QTemporaryDir home;
  const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", QFile::encodeName(home.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
  const QString lab = home.filePath("lab");
  ASSERT_TRUE(QDir().mkpath(lab));
  ASSERT_TRUE(main->setJournalPdf(lab + "/%r.pdf"));
  ASSERT_TRUE(QFile::link(home.filePath("nowhere.pdf"), home.filePath("link.pdf")));
  playAWork();
  ASSERT_TRUE(QDir(lab).removeRecursively());
  main->close();
  qputenv("HOME", oldHome);
  if (oldConfig.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", oldConfig);

  const QString fallback = QDir(home.filePath("Documents")).filePath(main->journal().runId() + ".pdf");
  EXPECT_TRUE(isPdf(fallback));
  EXPECT_TRUE(messages.last().contains(QDir::toNativeSeparators(fallback))) << messages.last().toStdString();
  EXPECT_TRUE(messages.last().contains(QDir::toNativeSeparators(lab)));

  // A dangling link in place of the file is somebody else's: the record goes beside it.
  journal::Student s{"Сидоров Иван", {}};
  QTextDocument doc;
  doc.setPlainText("x");
  const journal::WriteResult r = journal::writeRecord(doc, home.filePath("link.pdf"), {}, s, "J");
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.path, home.filePath("link-2.pdf"));
  EXPECT_TRUE(QFileInfo(home.filePath("link.pdf")).isSymLink());
}

TEST_F(JournalFaults, AClockSetDuringAWorkDoesNotChangeItsDuration) {
  click("Button9");
  click("b91");
  steadyMs += 3000;
  now = now.addSecs(2 * 3600);  // the clock set two hours on mid-work
  messages.answers = {true};
  click("BMenu");
  const auto& w = main->journal().works().at(0);
  EXPECT_EQ(w.durationMs(steadyMs), 3000);
  EXPECT_EQ(w.windows.at(0).activeMs, 3000);
  EXPECT_EQ(w.ended, now);  // the times shown are the wall clock's
  QTextDocument doc;
  journal::fillDocument(doc, main->journal(), journalHeader(main->journal(), main->student()));
  EXPECT_TRUE(doc.toPlainText().contains(journal::durationText(3000))) << doc.toPlainText().toStdString();
  EXPECT_FALSE(doc.toPlainText().contains("2 ч"));
}

// Typing changes the header only, to the same text a whole new document would have; the long
// name is cut in the field and elided in the page line, the group kept.
TEST_F(JournalFaults, TypingANameUpdatesTheHeaderAsAWholeRebuildWould) {
  playAWork();
  auto* dialog = (click("BJournal"), main->journalDialog());
  ASSERT_TRUE(dialog);
  auto* name = dialog->findChild<QLineEdit*>("StudentName");
  auto* group = dialog->findChild<QLineEdit*>("StudentGroup");
  const QTextDocument* shown = &dialog->document();
  for (const QChar c : QString("Петров <b>Пётр</b>")) name->insert(c);  // a key at a time
  group->setText("АУ-22");
  name->setText(name->text() + " ");  // trailing space: as a rebuild trims it
  QTextDocument fresh;
  journal::fillDocument(fresh, main->journal(), journalHeader(main->journal(), main->student()));
  EXPECT_EQ(&dialog->document(), shown);
  EXPECT_EQ(dialog->document().toPlainText(), fresh.toPlainText());
  EXPECT_TRUE(dialog->document().toPlainText().contains("Петров <b>Пётр</b>"));
  name->setText({});
  fresh.clear();
  journal::fillDocument(fresh, main->journal(), journalHeader(main->journal(), main->student()));
  EXPECT_EQ(dialog->document().toPlainText(), fresh.toPlainText());

  name->setText(QString(5000, QChar(u'Я')));
  EXPECT_EQ(main->student().name.size(), journal::NameMaxLength);
  EXPECT_TRUE(name->toolTip().contains(QString::number(journal::NameMaxLength)));
  dialog->close();

  const QFontMetricsF fm(QFont(fonts::Arial, 9));
  const QString line = journal::pageHeader({QString(200, QChar(u'Ж')), "АУ-22"}, fm, 400);
  EXPECT_TRUE(line.endsWith(", группа АУ-22")) << line.toStdString();
  EXPECT_LE(fm.horizontalAdvance(line), 400);
  EXPECT_EQ(journal::pageHeader({"Петров Пётр", "АУ-22"}, fm, 400), "Петров Пётр, группа АУ-22");
}

// The narrow columns of the works table keep their words whole ("2 ч 00 мин" on one line).
TEST(JournalReport, NarrowColumnsDoNotBreakWords) {
  QDateTime t(QDate(2026, 12, 9), QTime(9, 0));
  qint64 ms = 0;
  journal::Journal j({[&t] { return t; }, [&ms] { return ms; }});
  j.workStarted("Устойчивость одноконтурной САУ", "Form16_1");
  j.windowReached("Form16_1", "Устойчивость САУ. Лаб №1.1", "Лаб №1");
  for (int i = 0; i < 12345; ++i) j.answer("Form16_1", Host::AnswerEvent::Wrong, 0);
  ms += 2 * 3600'000;
  j.workLeft();
  QTextDocument doc;
  journal::fillDocument(doc, j, {"Тренажёр", "1.0", t, {"Сидоров Иван", "АУ-23"}, "0a1b2c"});
  for (const qreal width : {560.0, 700.0}) {  // the dialog's text at its smallest, an A4 page
    doc.setTextWidth(width);
    doc.documentLayout()->documentSize();  // lays it out
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
      if (!QTextCursor(b).currentTable() || !b.layout()) continue;
      const QString text = b.text();
      if (text.contains("мин") || QRegularExpression("^[\\d\\s\u00a0]+$").match(text).hasMatch())
        EXPECT_EQ(b.layout()->lineCount(), 1) << width << " " << text.toStdString();
    }
  }
}

// The program's own command line: help and version print and exit, anything wrong is refused
// before a window opens, with a usage line and a non-zero code.
TEST(CommandLine, PrintsOrRefusesBeforeAnyWindow) {
  struct Case {
    QStringList args;
    int code;
    const char* out;  // in stdout, or in stderr when refused
  };
  const std::vector<Case> cases{
      {{"--help"}, 0, "--journal-pdf"},
      {{"-h", "--lang", "en"}, 0, "Usage: lumeq"},
      {{"--version"}, 0, "версия"},
      {{"--lang", "en", "-v"}, 0, "version"},
      {{"--student"}, 2, "--student"},
      {{"--no-such-option"}, 2, "Неизвестный параметр: --no-such-option"},
      {{"--lang", "en", "-x"}, 2, "Unknown option: -x"},
      {{"--lang", "de"}, 2, "de"},
      {{"--replay", "Form1_1"}, 2, "7f3a2c:Form1_1#2"},
  };
  for (const Case& c : cases) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LC_ALL", "C.UTF-8");
    p.setProcessEnvironment(env);
    p.start(LUMEQ_BINARY, c.args);
    ASSERT_TRUE(p.waitForFinished(20000)) << c.args.join(' ').toStdString();  // a window would wait
    const QString out = QString::fromUtf8(p.readAllStandardOutput()), err = QString::fromUtf8(p.readAllStandardError());
    const QString where = c.code == 0 ? out : err;
    EXPECT_EQ(p.exitCode(), c.code) << c.args.join(' ').toStdString() << err.toStdString();
    EXPECT_TRUE(where.contains(c.out)) << c.args.join(' ').toStdString() << "\n" << where.toStdString();
    if (c.code != 0) {
      EXPECT_TRUE(out.isEmpty());
      EXPECT_TRUE(err.contains(c.args.contains("en") ? "Usage: lumeq" : "Использование: lumeq"));
    }
    if (c.args.contains("en")) EXPECT_FALSE(hasCyrillic(where)) << where.toStdString();
  }
}

}  // namespace
