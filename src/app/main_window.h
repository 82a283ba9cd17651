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

class Catalogue;
class WindowRegistry;
class HelpViewer;

struct MainServices {
  MessageService* messages = nullptr;       // null: real message boxes
  std::function<bool()> startCalculator;    // null: the desktop's calculator
  const Catalogue* catalogue = nullptr;     // null: the program's sections and works
  const WindowRegistry* windows = nullptr;  // null: every window of the catalogue
  journal::Journal::Clock clock;            // null: the system clock
  JournalDialogServices journal;            // null members: the standard dialogs
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
  // Writes the journal as PDF to path when the program closes. A path that cannot be
  // written is reported now (and then not used); returns whether it will be written.
  bool setJournalPdf(const QString& path);
  // The command line: `--journal-pdf PATH` (or `--journal-pdf=PATH`); anything else is left alone.
  void applyArguments(const QStringList& arguments);

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
  PlayedWork work_;  // the work being played
  journal::Journal journal_;
  journal::Student student_;
  QString journalPdf_;  // written at exit when not empty
  QPointer<JournalDialog> journalDialog_;
  QHash<QString, QWidget*> panels_;
  QHash<QString, QPointer<ExperimentWindow>> refs_;
  QPointer<QMdiSubWindow> lastActivated_;
  HelpViewer* help_ = nullptr;
  QElapsedTimer paceClock_;
  qint64 nextPace_ = 0;  // end of the current pacing slot, ns on paceClock_
  int creditTicks_ = 0;
  bool closing_ = false;
  bool readoutShowsParameters_ = false;
};
