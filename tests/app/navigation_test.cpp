// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Next, Back and Menu along a work's chain of windows.
#include <QPushButton>

#include "framework/probe_window.h"
#include "support/fixture.h"

class Navigation : public TrainerTest {
 protected:
  Navigation() : TrainerTest(&probeRegistry()) { ProbeWindow::passes = 40; }
  void finish(ExperimentWindow* w) {
    auto* p = dynamic_cast<ProbeWindow*>(w);
    type(w, 0, FloatToStr(-p->T));
    type(w, 1, "2");
    ASSERT_TRUE(main->work().completed(w->objectName()));
  }
  ExperimentWindow* next() {
    main->BNextClick();
    settle();
    return active();
  }
};

TEST_F(Navigation, NextBackNextShowsTheSameSecondWindow) {
  script({50, 60});
  auto* first = start("Form1_1");
  ASSERT_NO_FATAL_FAILURE(finish(first));
  auto* second = next();
  ASSERT_EQ(second->objectName(), "Form1_2");
  const double t = dynamic_cast<ProbeWindow*>(second)->T;
  main->BBackClick();
  EXPECT_EQ(active(), first);
  EXPECT_TRUE(first->edit(0)->isReadOnly());  // state kept
  EXPECT_EQ(next(), second);
  EXPECT_EQ(dynamic_cast<ProbeWindow*>(second)->T, t);
  EXPECT_EQ(dynamic_cast<ProbeWindow*>(second)->generations, 1);
  EXPECT_EQ(main->children().size(), 2);
}

TEST_F(Navigation, NextNeedsTheCompletionFlagBackDoesNot) {
  script({50, 60});
  auto* first = start("Form1_1");
  main->BNextClick();
  EXPECT_EQ(active(), first);  // not answered: nothing, no message
  EXPECT_TRUE(messages.shown.isEmpty());
  main->BBackClick();
  EXPECT_EQ(active(), first);  // first window of a work: Back does nothing
  ASSERT_NO_FATAL_FAILURE(finish(first));
  auto* second = next();
  main->BNextClick();  // second not answered
  EXPECT_EQ(active(), second);
  main->BBackClick();
  EXPECT_EQ(active(), first);
}

TEST_F(Navigation, MenuAsksAndNoChangesNothing) {
  script({50});
  auto* first = start("Form1_1");
  messages.answers = {false};
  main->BMenuClick();
  EXPECT_EQ(messages.asked.size(), 1);
  EXPECT_EQ(messages.asked.last(), "Результаты работ будут сброшены\n\rПерейти в главное меню?");
  EXPECT_EQ(active(), first);
  EXPECT_TRUE(main->findChild<QWidget*>("Panel2")->isVisibleTo(main.get()));
}

TEST_F(Navigation, MenuYesDestroysEverythingAndANewStartDrawsNewData) {
  script({50, 60});
  main->sectionClick("Button1");
  ASSERT_NO_FATAL_FAILURE(finish(start("Form1_1")));
  next();
  messages.answers = {true};
  main->BMenuClick();
  flushDeletes();
  EXPECT_TRUE(main->children().isEmpty());
  EXPECT_EQ(main->findWindow("Form1_1"), nullptr);
  EXPECT_EQ(main->findWindow("Form1_2"), nullptr);
  EXPECT_TRUE(main->findChild<QWidget*>("Panel1")->isVisibleTo(main.get()));
  EXPECT_TRUE(main->findChild<QWidget*>("Panel3")->isVisibleTo(main.get()));  // last panel again
  EXPECT_FALSE(main->findChild<QWidget*>("Panel2")->isVisibleTo(main.get()));
  script({70});
  auto* again = dynamic_cast<ProbeWindow*>(start("Form1_1"));
  EXPECT_DOUBLE_EQ(again->T, 0.7);
  EXPECT_FALSE(main->work().completed("Form1_1"));
}

TEST_F(Navigation, WorkDoneMenuLeavesWithoutAskingOnce) {
  script({50});
  start("Form1_1");
  main->work().WorkDone = true;
  main->BMenuClick();
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
  EXPECT_TRUE(messages.asked.isEmpty());
  EXPECT_FALSE(main->work().WorkDone);
  flushDeletes();
  EXPECT_TRUE(main->children().isEmpty());
  script({50});
  start("Form1_1");
  main->BMenuClick();
  EXPECT_EQ(messages.asked.size(), 1);
}

TEST_F(Navigation, CommandBarIsDeadDuringAPacedTrace) {
  ProbeWindow::passes = 60;
  script({50});
  auto* first = start("Form1_1");
  ASSERT_NO_FATAL_FAILURE(finish(first));
  pacing(true);
  auto* second = next();  // settle() waits for its trace; replay the clicks mid-trace instead
  (void)second;
  messages.answers = {true};
  main->BMenuClick();
  flushDeletes();
  script({50});
  main->workClick("Form1_1");
  int clicks = 0;
  QTimer::singleShot(100, main.get(), [this, &clicks] {
    EXPECT_TRUE(main->Busy);
    main->BNextClick();
    main->BBackClick();
    main->BMenuClick();
    ++clicks;
  });
  settle(150);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(messages.asked.size() == 1);  // only the earlier Menu asked
  EXPECT_EQ(active()->objectName(), "Form1_1");
  EXPECT_FALSE(main->Busy);
}

TEST_F(Navigation, MenuDuringATraceOfAFinishedWorkDoesNothingAtAll) {
  // A last window whose fields stay open may finish the work while its curves are drawn.
  script({50});
  pacing(true);
  main->workClick("Form1_1");
  bool clicked = false;
  QTimer::singleShot(100, main.get(), [this, &clicked] {
    ASSERT_TRUE(main->Busy);
    main->work().WorkDone = true;
    main->BMenuClick();
    clicked = true;
  });
  settle(150);
  ASSERT_TRUE(clicked);
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_TRUE(messages.asked.isEmpty());
  EXPECT_TRUE(main->work().WorkDone);
  main->BMenuClick();  // after the trace: the work is complete, no question
  EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
  EXPECT_TRUE(messages.asked.isEmpty());
}

TEST_F(Navigation, ClosedWindowsReadAsAbsentAndAreNeverDoubled) {
  script({50, 60});
  auto* first = start("Form1_1");
  ASSERT_NO_FATAL_FAILURE(finish(first));
  auto* second = next();
  ASSERT_NO_FATAL_FAILURE(finish(second));
  // The first window is closed with its own close box: Back from the second shows nothing.
  first->close();
  flushDeletes();
  EXPECT_EQ(main->findWindow("Form1_1"), nullptr);
  main->BBackClick();
  EXPECT_EQ(active(), second);
  // The second window closed too: Next and Back have nothing to act on.
  second->close();
  flushDeletes();
  main->BNextClick();
  main->BBackClick();
  EXPECT_TRUE(main->children().isEmpty());
  EXPECT_FALSE(main->findChild<QWidget*>("GroupBox1")->isVisibleTo(main.get()));
  messages.answers = {true};
  main->BMenuClick();
  flushDeletes();
  script({50});
  start("Form1_1");
  main->workClick("Form1_1");  // a second start of the same work never doubles it
  EXPECT_EQ(main->children().size(), 1);
}

TEST_F(Navigation, NextRecreatesAClosedSuccessor) {
  script({50, 60, 70});
  auto* first = start("Form1_1");
  ASSERT_NO_FATAL_FAILURE(finish(first));
  auto* second = next();
  main->BBackClick();
  second->close();
  flushDeletes();
  auto* again = next();
  ASSERT_TRUE(again);
  EXPECT_EQ(again->objectName(), "Form1_2");
  EXPECT_DOUBLE_EQ(dynamic_cast<ProbeWindow*>(again)->T, 0.7);
  EXPECT_EQ(main->children().size(), 2);
}

TEST_F(Navigation, AWindowRestartingItsWorkLeavesOneInstanceAndAsksNothing) {
  script({50, 60, 70});
  auto* first = start("Form1_1");
  ASSERT_NO_FATAL_FAILURE(finish(first));
  auto* second = next();
  // The second window restarts the work from inside its own key handler.
  QObject::connect(second->edit(0), &AnswerEdit::enterPressed, second, [this] { main->restartWork("Form1_1"); });
  type(second, 0, "9");
  settle();
  flushDeletes();
  EXPECT_TRUE(messages.asked.isEmpty());
  ASSERT_EQ(main->children().size(), 1);
  EXPECT_EQ(active()->objectName(), "Form1_1");
  EXPECT_DOUBLE_EQ(dynamic_cast<ProbeWindow*>(active())->T, 0.7);
  EXPECT_EQ(main->findWindow("Form1_2"), nullptr);
  EXPECT_FALSE(main->Busy);
}

TEST_F(Navigation, EnterOnTheFocusedNextButtonMovesOn) {
  script({50, 60});
  auto* first = start("Form1_1");
  ASSERT_NO_FATAL_FAILURE(finish(first));
  auto* next = main->findChild<QPushButton*>("BNext");
  QTest::keyClick(next, Qt::Key_Return);
  settle();
  ASSERT_TRUE(active());
  EXPECT_EQ(active()->objectName(), "Form1_2");
}

TEST_F(Navigation, BackDoesNothingWhileATraceRuns) {
  ProbeWindow::passes = 60;
  script({50, 60});
  ASSERT_NO_FATAL_FAILURE(finish(start("Form1_1")));
  pacing(true);
  main->BNextClick();
  ASSERT_TRUE(main->Busy);
  main->BBackClick();
  EXPECT_EQ(active()->objectName(), "Form1_2");
  settle();
  EXPECT_EQ(active()->objectName(), "Form1_2");
  EXPECT_FALSE(main->Busy);
}

// Menu answered from the keyboard: the focus goes to the start screen, and Enter there asks
// nothing more.
TEST_F(Navigation, AfterMenuTheKeyboardIsOnTheStartScreen) {
  script({50});
  start("Form1_1");
  auto* menu = main->findChild<QPushButton*>("BMenu");
  menu->setFocus();
  messages.answers = {true};
  QTest::keyClick(menu, Qt::Key_Return);
  flushDeletes();
  ASSERT_EQ(messages.asked.size(), 1);
  QWidget* f = QApplication::focusWidget();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->isVisible());
  EXPECT_TRUE(main->findChild<QWidget*>("Panel1")->isAncestorOf(f)) << f->objectName().toStdString();
  QTest::keyClick(f, Qt::Key_Return);
  EXPECT_EQ(messages.asked.size(), 1);
}
