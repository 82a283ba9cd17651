// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QElapsedTimer>
// The frame of the program: the start screen with the section menu and the work buttons,
// the command bar (Menu, Back, Next, Calculator, pointer readout) and the multiple-document
// area in which the experiment windows open, one instance per window at most.
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "framework/experiment_window.h"
#include "framework/host.h"
#include "framework/messages.h"
#include "i18n/language.h"
#include "journal.h"
#include "journal_dialog.h"
#include "main_options.h"

class Catalogue;
class WindowRegistry;
class HelpViewer;
class QLineEdit;
namespace record {
class Recorder;
struct Health;
}  // namespace record
namespace replay {
struct Plan;
}

struct MainServices {
  MessageService* messages = nullptr;       // null: real message boxes
  std::function<bool()> startCalculator;    // null: the desktop's calculator
  const Catalogue* catalogue = nullptr;     // null: the program's sections and works
  const WindowRegistry* windows = nullptr;  // null: every window of the catalogue
  journal::Clock clock;                     // null members: the system's clocks
  JournalDialogServices journal;            // null members: the standard dialogs
  record::Recorder* recorder = nullptr;     // null: the record is kept in memory only
};

class Main : public QMainWindow, public Host {
  Q_OBJECT
 public:
  explicit Main(MainServices services = {});
  ~Main() override;

  static constexpr language::Text Caption{"Main", QT_TRANSLATE_NOOP("Main", "Лабораторный тренажер. Lumeq")};
  static constexpr language::Text ExitText{"Main", QT_TRANSLATE_NOOP("Main", "Выход")};
  QString helpFile;  // kept as the program's help-file setting; topics come from resources

  // Host
  MessageService& messages() override { return *messages_; }
  void pace() override;
  bool closing() const override { return closing_; }
  void showCommandBar() override;
  void showReadout(bool visible) override;
  void resetReadout(const QString& xName, const QString& yName, bool yGreek) override;
  void setReadout(const ReadoutText& text) override;
  void setReadoutLocked(bool locked) override;
  void showParameters(const QString& caption, const ReadoutText& text) override;
  void focusNext() override;
  void focusMenu() override;
  void enableBack(bool on) override;
  PlayedWork& work() override { return work_; }
  void restartWork(const QString& firstForm) override;
  ExperimentWindow* findWindow(const QString& form) const override;
  void windowClosing(ExperimentWindow* w) override;
  void report(const QString& form, AnswerEvent event, int field) override;
  void reportTyped(const QString& form, AnswerEvent event, int field, const QString& typed) override;
  void reportDraw(const QString& form, const Draw& draw, const QString& fingerprint) override;

  template <class W>
  W* window(const QString& form) const {
    return qobject_cast<W*>(findWindow(form));
  }

  // Handlers.
  void Timer1Timer();
  void sectionClick(const QString& button);
  void workClick(const QString& form);
  void BCloseClick();
  void BNextClick();
  void BBackClick();
  void BMenuClick();
  void BJournalClick();
  void showHelp();

  // The record of this run, and whose it is (typed in the journal dialog).
  const journal::Journal& journal() const { return journal_; }
  journal::Student& student() { return student_; }
  // The open journal dialog, if any.
  JournalDialog* journalDialog() const { return journalDialog_; }
  // Writes the journal as PDF to path (with its fields, journal_file.h) when the program
  // closes and before a new student's record. A path that cannot be written is reported now
  // (and then not used); returns whether it will be written.
  bool setJournalPdf(const QString& path);
  // What the command line asks of the window: the journal's PDF, the student's name and group.
  void applyOptions(const options::Options& options);
  // The same from the arguments (main() has refused a wrong command line before).
  void applyArguments(const QStringList& arguments) { applyOptions(options::parse(arguments).options); }
  // Writes the record to the --journal-pdf file now, or where it can go when that folder is
  // gone, and says where when it is not the file asked for. False: written nowhere (said too).
  bool writeJournalPdf();
  // Opens the recorded draw's window with the data the student saw, the typed answers listed
  // beside it; answers may be tried again, and nothing of it goes to the record.
  void openReplay(const replay::Plan& plan);
  bool replaying() const { return replaying_; }
  // Ends this record and starts the next student's (a new run id, no name, no works).
  void newJournalRecord();

  // The line on the start screen that says what is wrong with the record's storage (empty: all well).
  QString recordProblem() const;
  // Shows what the recorder says of its storage (on the GUI thread).
  void showRecordHealth(const record::Health& health);

  // The active experiment window (the one Next and Back act on), if any.
  ExperimentWindow* activeChild() const;
  QList<ExperimentWindow*> children() const;
  QMdiArea* mdi() const { return mdi_; }
  HelpViewer* helpViewer();
  // Opens (or shows again) the window of that name.
  ExperimentWindow* open(const QString& form) override;

  template <class T = QWidget>
  T* control(const QString& name) const {
    return findChild<T*>(name);
  }

  QCheckBox* p = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void buildStartScreen(QWidget* frame);
  void buildCommandBar(QWidget* frame);
  void buildLanguageSwitch();
  // Puts the texts of the frame, the start screen and the command bar in the running language.
  void retranslate();
  QString readoutTitle(bool locked) const;
  void showChild(ExperimentWindow* w);
  void restFront(const ExperimentWindow* next);
  void childActivated(QMdiSubWindow* w);
  void restoreStartScreen();
  void closeAllWindows();
  void setReadoutName(QLabel* name, const QString& text);
  void recordWorkStart(const QString& firstForm);
  void writeJournalAtExit();
  void buildRecordFields();
  void retranslateRecord();
  void showStudent();

  MainServices services_;
  MessageService* messages_;
  std::unique_ptr<MessageService> ownMessages_;
  const Catalogue* catalogue_;
  const WindowRegistry* windows_;
  QMdiArea* mdi_ = nullptr;
  QWidget* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QWidget* Panel2 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLabel *KoordX = nullptr, *KoordX1 = nullptr, *KoordY = nullptr, *KoordY1 = nullptr;
  QLabel *Label8 = nullptr, *Label9 = nullptr;
  QPushButton* Button10 = nullptr;
  QLabel* animationCaption_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QAction* helpAction_ = nullptr;
  QToolButton *langRu_ = nullptr, *langEn_ = nullptr;
  bool readoutLocked_ = false;
  QPushButton *BMenu = nullptr, *BBack = nullptr, *BNext = nullptr, *BClose = nullptr;
  QPushButton* BJournal = nullptr;
  QLineEdit *StudentName = nullptr, *StudentGroup = nullptr;  // the journal's student, before the first work
  QLabel* recordLine_ = nullptr;                              // what is wrong with the record's storage
  std::unique_ptr<record::Health> recordHealth_;
  PlayedWork work_;  // the work being played
  journal::Journal journal_;
  journal::Student student_;
  QString journalPdf_;     // written at exit when not empty, its fields not yet filled in
  QString journalPdfOwn_;  // the file the current record was written to, if any
  bool journalClosed_ = false;
  QPointer<JournalDialog> journalDialog_;
  QHash<QString, QWidget*> panels_;
  QHash<QString, QPointer<ExperimentWindow>> refs_;
  QPointer<QMdiSubWindow> lastActivated_;
  HelpViewer* help_ = nullptr;
  QElapsedTimer paceClock_;
  qint64 nextPace_ = 0;  // end of the current pacing slot, ns on paceClock_
  int creditTicks_ = 0;
  bool closing_ = false;
  bool replaying_ = false;
  bool readoutShowsParameters_ = false;
};
