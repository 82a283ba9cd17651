// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The answer protocol, the trace runner and the readout, through the small probe window.
#include <QElapsedTimer>
#include <QGroupBox>

#include "probe_window.h"
#include "support/fixture.h"

class Protocol : public TrainerTest {
 protected:
  Protocol() : TrainerTest(&probeRegistry()) {
    ProbeWindow::passes = 40;
    ProbeWindow::openDuringTrace = false;
  }
  ProbeWindow* open(int tenthsOfT = 50) {
    script({tenthsOfT});
    return dynamic_cast<ProbeWindow*>(start("Form1_1"));
  }
};

TEST_F(Protocol, TraceRunsOnceThenOpensTheFirstField) {
  auto* w = open();
  ASSERT_TRUE(w);
  EXPECT_EQ(w->drawnPasses, 40);
  EXPECT_EQ(w->finished, 1);
  EXPECT_FALSE(main->Busy);
  EXPECT_TRUE(w->edit(0)->isEnabled());
  EXPECT_FALSE(w->edit(1)->isEnabled());
  EXPECT_EQ(px(w->plot, 20, 130), colors::Red);
  EXPECT_FALSE(main->work().completed("Form1_1"));
}

TEST_F(Protocol, RightAnswersShowTheExactValueAndCompleteTheWindow) {
  auto* w = open(50);
  type(w, 0, "-0.51");  // within 5 % of -0.5
  EXPECT_EQ(w->edit(0)->text(), loc("-0.5"));
  EXPECT_TRUE(w->edit(0)->isReadOnly());
  EXPECT_TRUE(w->answer(0).mark->isVisibleTo(w->client()));
  EXPECT_TRUE(w->edit(1)->isEnabled());
  EXPECT_FALSE(main->work().completed("Form1_1"));
  // Enter in an accepted box does nothing.
  type(w, 0, "5");
  EXPECT_TRUE(messages.shown.isEmpty());
  type(w, 1, "2");
  EXPECT_TRUE(main->work().completed("Form1_1"));
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Protocol, EmptyAndMalformedEntriesAreNotCounted) {
  auto* w = open(50);
  type(w, 0, "");
  EXPECT_TRUE(messages.shown.isEmpty());
  // The separator the locale does not use.
  w->edit(0)->setText(numtext::decimalSeparator() == ',' ? "1.5" : "1,5");
  QTest::keyClick(w->edit(0), Qt::Key_Return);
  EXPECT_EQ(messages.last(), msg::BadFormat);
  EXPECT_TRUE(w->edit(0)->text().isEmpty());
  EXPECT_EQ(w->errorCount(), 0);
  // Any key other than Enter never checks.
  w->edit(0)->setText("1");
  QTest::keyClick(w->edit(0), Qt::Key_Tab);
  EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(Protocol, ErrorLimitRegeneratesAndClearsAcceptedAnswers) {
  auto* w = open(50);
  type(w, 0, "-0.5");
  ASSERT_TRUE(w->edit(0)->isReadOnly());
  script({80});
  type(w, 1, "3");
  EXPECT_EQ(messages.last(), msg::WrongValue);
  EXPECT_TRUE(w->edit(1)->text().isEmpty());
  type(w, 1, "x");  // malformed in between: not counted
  EXPECT_EQ(messages.last(), msg::BadFormat);
  type(w, 1, "4");
  EXPECT_EQ(messages.last(), msg::WrongValue);
  EXPECT_EQ(w->errorCount(), 2);
  type(w, 1, "5");
  EXPECT_EQ(messages.last(), msg::TooManyErrors);
  settle();
  EXPECT_DOUBLE_EQ(w->T, 0.8);
  EXPECT_EQ(w->generations, 2);
  EXPECT_EQ(w->errorCount(), 0);
  EXPECT_FALSE(w->edit(0)->isReadOnly());
  EXPECT_TRUE(w->edit(0)->text().isEmpty());
  EXPECT_FALSE(w->answer(0).mark->isVisibleTo(w->client()));
  EXPECT_FALSE(w->edit(1)->isEnabled());
  EXPECT_TRUE(w->edit(0)->isEnabled());
  EXPECT_EQ(w->finished, 2);
  EXPECT_FALSE(main->Busy);
  // The new data are checked now.
  type(w, 0, "-0.8");
  EXPECT_TRUE(w->edit(0)->isReadOnly());
}

TEST_F(Protocol, PacingSetsTheSpeedOfATrace) {
  ProbeWindow::passes = 30;
  QElapsedTimer t;
  t.start();
  open();
  EXPECT_LT(t.elapsed(), 250);

  main->BMenuClick();  // no answer scripted: No
  messages.answers = {true};
  main->BMenuClick();
  flushDeletes();
  pacing(true);
  script({50});
  t.restart();
  main->workClick("Form1_1");
  settle();
  EXPECT_GE(t.elapsed(), 300);  // 31 pacing steps of 10 ms
  EXPECT_LT(t.elapsed(), 3000);
  EXPECT_FALSE(main->Busy);
}

TEST_F(Protocol, ClosingTheWindowMidTraceStopsItAndFreesTheCommandBar) {
  ProbeWindow::passes = 300;
  pacing(true);
  script({50});
  main->workClick("Form1_1");
  QPointer<ProbeWindow> w = window<ProbeWindow>("Form1_1");
  ASSERT_TRUE(w);
  // Close it from inside the trace, as a click on its close box would.
  QTimer::singleShot(60, w.data(), [w] { w->close(); });
  settle(200);
  flushDeletes();
  EXPECT_TRUE(w.isNull());
  EXPECT_FALSE(main->Busy);
  EXPECT_EQ(main->findWindow("Form1_1"), nullptr);
  EXPECT_EQ(main->activeChild(), nullptr);
  main->BNextClick();
  main->BBackClick();
}

TEST_F(Protocol, ClosingTheWindowBeforeItsTraceStarted) {
  script({50});
  main->workClick("Form1_1");  // the timer has not fired yet
  ASSERT_TRUE(main->Busy);
  window("Form1_1")->close();
  EXPECT_FALSE(main->Busy);
  settle();
  flushDeletes();
  EXPECT_EQ(main->findWindow("Form1_1"), nullptr);
}

TEST_F(Protocol, ClosingTheProgramMidTraceEndsTheTrace) {
  ProbeWindow::passes = 1000;
  pacing(true);
  script({50});
  main->workClick("Form1_1");
  QPointer<ProbeWindow> w = window<ProbeWindow>("Form1_1");
  QTimer::singleShot(50, main.get(), [this] { main->close(); });
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 5000 && (!main->closing() || (w && w->tracing())))
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  EXPECT_LT(t.elapsed(), 2000);  // 1000 paced passes would take over 10 s
  ASSERT_TRUE(w);
  EXPECT_FALSE(w->tracing());
  EXPECT_LT(w->drawnPasses, 1000);
  EXPECT_EQ(w->finished, 0);
}

TEST_F(Protocol, RegenerationDuringTheTraceNeverMixesData) {
  ProbeWindow::passes = 120;
  ProbeWindow::openDuringTrace = true;
  pacing(true);
  script({50});
  main->workClick("Form1_1");
  auto* w = window<ProbeWindow>("Form1_1");
  ASSERT_TRUE(w->edit(0)->isEnabled());
  script({80});
  // Three wrong answers typed while the curve is still being drawn.
  QTimer::singleShot(40, w, [this, w] {
    for (int i = 0; i < 3; ++i) type(w, 0, "7");
  });
  settle(100);
  EXPECT_EQ(messages.last(), msg::TooManyErrors);
  EXPECT_DOUBLE_EQ(w->T, 0.8);
  EXPECT_FALSE(w->mixed);
  EXPECT_EQ(w->finished, 1);  // the old trace was abandoned, the new one finished once
  EXPECT_EQ(w->drawnPasses, 120);
  EXPECT_FALSE(main->Busy);
  EXPECT_FALSE(w->tracing());
}

TEST_F(Protocol, ReadoutIsLiveOnlyWithTheLeftButtonAlone) {
  auto* w = open(50);
  auto* box = main->findChild<QGroupBox*>("GroupBox1");
  ASSERT_TRUE(box->isVisibleTo(main.get()));
  EXPECT_EQ(label("KoordX1"), "???");
  QTest::mouseMove(w->plot, QPoint(220, 130));  // no button: locked
  EXPECT_EQ(box->title(), "Координаты указателя (locked)");
  EXPECT_EQ(label("KoordY1"), "???");
  QTest::mousePress(w->plot, Qt::LeftButton, Qt::NoModifier, QPoint(220, 130));
  EXPECT_EQ(box->title(), "Координаты указателя");
  EXPECT_EQ(label("KoordY1"), loc("0.5 c;"));
  EXPECT_EQ(label("KoordX1"), "1.");
  EXPECT_EQ(w->plot->cursor().shape(), Qt::CrossCursor);
  QTest::mousePress(w->plot, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 100));
  EXPECT_EQ(box->title(), "Координаты указателя (locked)");
  EXPECT_EQ(label("KoordY1"), loc("0.5 c;"));  // values kept
  EXPECT_EQ(w->plot->cursor().shape(), Qt::ArrowCursor);
  // Activation resets the values.
  w->FormActivate();
  EXPECT_EQ(label("KoordX1"), "???");
}

TEST(ReadoutClamp, BothSidesOfAStepPlot) {
  auto b = [](int x) { return readoutOffset(x, 30, 410, x - 30, 0, 410); };
  auto d = [](int y) { return readoutOffset(y, 20, 240, 240 - y, 240, 0); };
  EXPECT_EQ(b(29), 0);
  EXPECT_EQ(b(30), 0);
  EXPECT_EQ(b(220), 190);
  EXPECT_EQ(b(410), 380);
  EXPECT_EQ(b(412), 410);  // the bound's own coordinate, not 380
  EXPECT_EQ(d(19), 240);
  EXPECT_EQ(d(20), 220);
  EXPECT_EQ(d(240), 0);
  EXPECT_EQ(d(250), 0);
}
