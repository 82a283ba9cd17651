// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three correction works played through the real windows from their work buttons, and
// what the step windows add: the gain taken from the live first window, the measuring lines
// and the readout in this plot's scale.
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "labs/correction/gain_window.h"
#include "labs/correction/step_window.h"
#include "support/fixture.h"

using namespace correction;

namespace {

// Raw draws of T1 and m: 0.1 s and 7.4, or 0.05 s and 6.6.
constexpr int T1a = 100, Ma = 74, T1b = 50, Mb = 66;

class Correction : public TrainerTest {
 protected:
  static QString text(ExperimentWindow* w, const char* name) {
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    return l ? l->text() : QString();
  }
  // T1 and T2 as the window shows them ("0.05 c").
  std::pair<double, double> shownT(ExperimentWindow* w) const {
    auto value = [w](const char* name) {
      auto* l = w->findChild<QLabel*>(QLatin1String(name));
      return l && l->text().endsWith(" c") ? StrToFloat(l->text().chopped(2)).value_or(-1) : -1;
    };
    return {value("LT1"), value("LT2")};
  }
  // Opens the work at its gain window `first` (drawn as T1b, Mb), answers the gain and presses
  // Next, the step window drawing `stepDraws`; the caller settles.
  void openStep(const char* first, std::initializer_list<int> stepDraws) {
    script({T1b, Mb});
    auto* g = dynamic_cast<GainWindow*>(start(QLatin1String(first)));
    ASSERT_TRUE(g);
    type(g, 0, FloatToStr(g->gain(0)));
    script(stepDraws);
    main->BNextClick();
  }
  std::vector<double> gainsOnScreen(GainWindow* w) const {
    const auto [T1, T2] = shownT(w);
    return gains(w->work().scheme, T1, T2);
  }
  // The settling time as read off the finished plot: the first column after which every
  // drawn point of the blue curve lies between the rows of 0.95·y∞ and 1.05·y∞.
  double settlingOnScreen(StepWindow* w) const {
    const double yInf = w->response().steady();
    const int low = row(0.95 * yInf), high = row(1.05 * yInf);
    int last = 0;
    for (int x = kOriginX + 1; x < 360; ++x)
      for (int y = 0; y < 239; ++y)
        if (px(w->Image5, x, y) == colors::Blue && (y > low || y < high)) last = x - kOriginX;
    return (last + 1) * w->response().dt;
  }
  void answerStep(StepWindow* w) {
    type(w, 0, FloatToStr(w->response().error()));
    type(w, 1, FloatToStr(settlingOnScreen(w)));
  }
};

}  // namespace

TEST_F(Correction, SeriesAndLocalFeedbackWorksFromTheirButtonsToTheEnd) {
  struct Case {
    const char* button;
    const char* first;
    const char* second;
    const char* t2Shown;
  } cases[] = {{"b91", "Form13_1", "Form13_2", "0.085 c"}, {"b93", "Form15_1", "Form15_2", "0.0858 c"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    click("Button9");
    // T2 = 0.013 · 6.6 = 0.0858: the local-feedback gain needs its last digit.
    script({13, 66});
    click(c.button);
    auto* g = dynamic_cast<GainWindow*>(active());
    ASSERT_TRUE(g);
    EXPECT_EQ(g->objectName(), c.first);
    EXPECT_EQ(g->errorLimit(), 3);
    EXPECT_FALSE(main->findChild<QWidget*>("GroupBox1")->isVisible());
    EXPECT_EQ(text(g, "LT2"), loc(c.t2Shown));
    if (g->work().scheme == Scheme::LocalFeedback) {
      // The other root of the double-pole condition is no answer.
      const auto [T1, T2] = shownT(g);
      type(g, 0, FloatToStr((T2 - T1 + 2 * std::sqrt(T1 * T2)) / T2));
      EXPECT_EQ(messages.last(), msg::WrongValue);
    }
    type(g, 0, FloatToStr(gainsOnScreen(g)[0]));
    ASSERT_TRUE(main->work().completed(c.first));
    EXPECT_EQ(g->edit(0)->text(), numtext::FloatCut(g->gain(0), 6));

    script({T1a, Ma});
    click("BNext");
    auto* s = dynamic_cast<StepWindow*>(active());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->objectName(), c.second);
    EXPECT_EQ(s->gain(), g->gain(0));  // from the first window's data, not its own
    EXPECT_EQ(label("Lk"), numtext::FloatCut(g->gain(0), 5));
    EXPECT_EQ(text(s, "LT2"), loc("0.74 c"));
    EXPECT_EQ(s->errorLimit(), 2);
    answerStep(s);
    EXPECT_TRUE(main->work().WorkDone);
    messages.clear();
    click("BMenu");
    EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
    flushDeletes();
  }
}

// Gains in either order; one gain found already lets the student go on; window 2 simulates
// k1 and window 3 k2, whichever box they were typed in.
TEST_F(Correction, ParallelWorkTakesItsGainsInEitherOrder) {
  click("Button9");
  script({T1b, Mb});
  click("b92");
  auto* g = dynamic_cast<GainWindow*>(active());
  ASSERT_TRUE(g);
  const std::vector<double> k = gainsOnScreen(g);
  type(g, 0, FloatToStr(k[1]));
  EXPECT_EQ(g->edit(0)->text(), numtext::FloatCut(g->gain(1), 6));
  EXPECT_TRUE(main->work().completed("Form14_1"));
  EXPECT_TRUE(g->edit(1)->isEnabled());

  script({T1a, Ma});
  click("BNext");
  auto* s2 = dynamic_cast<StepWindow*>(active());
  ASSERT_TRUE(s2);
  EXPECT_EQ(s2->objectName(), "Form14_2");
  EXPECT_EQ(s2->gain(), g->gain(0));
  click("BBack");
  ASSERT_EQ(active(), g);

  type(g, 1, FloatToStr(k[1]));  // the same gain twice is wrong
  EXPECT_EQ(messages.last(), msg::WrongValue);
  type(g, 1, FloatToStr(k[0]));
  EXPECT_EQ(g->edit(1)->text(), numtext::FloatCut(g->gain(0), 6));
  EXPECT_EQ(g->errorCount(), 1);

  click("BNext");
  ASSERT_EQ(active(), s2);
  answerStep(s2);
  EXPECT_FALSE(main->work().WorkDone);
  script({T1b, Mb});
  click("BNext");
  auto* s3 = dynamic_cast<StepWindow*>(active());
  ASSERT_TRUE(s3);
  EXPECT_EQ(s3->objectName(), "Form14_3");
  EXPECT_EQ(s3->gain(), g->gain(1));
  EXPECT_EQ(text(s3, "Label2"), "Задание №3 из 3");
  answerStep(s3);
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_EQ(messages.shown, QStringList{msg::WrongValue});
}

TEST_F(Correction, MeasuringLinesAndReadoutInThisPlotsScale) {
  ASSERT_NO_FATAL_FAILURE(openStep("Form13_1", {T1a, Ma}));
  settle();
  auto* s = dynamic_cast<StepWindow*>(active());
  ASSERT_TRUE(s);
  EXPECT_EQ(s->Edit6->text(), loc("1.30"));
  EXPECT_EQ(s->Edit7->text(), "0");
  struct Case {
    QString typed;
    int position;
  } cases[] = {{"1", 40}, {"0.5", 105}, {"-3", 170}, {"9", 0}, {"1e300", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    s->TrackBar2->setValue(100);
    s->Edit6->setText(loc(c.typed));
    QTest::keyClick(s->Edit6, Qt::Key_Return);
    EXPECT_EQ(s->TrackBar1->value(), c.position);
    // Both lines, each at its bar's position + 10, from x = 0 to 359.
    EXPECT_EQ(px(s->plot(), 0, c.position + 10), colors::Green);
    EXPECT_EQ(px(s->plot(), 359, c.position + 10), colors::Green);
    EXPECT_EQ(px(s->plot(), 200, 110), colors::Green);
  }
  s->TrackBar2->setValue(60);
  EXPECT_EQ(px(s->plot(), 200, 110), px(s->Image5, 200, 110));  // the old line is gone
  EXPECT_EQ(px(s->plot(), 200, 70), colors::Green);
  EXPECT_EQ(px(s->plot(), 359, 10), colors::Green);  // TrackBar1 redrawn too
  EXPECT_EQ(s->errorCount(), 0);

  struct Drag {
    QPoint at;
    QString t, h;
  } drags[] = {{{130, 50}, numtext::FloatCut(100 * s->response().dt, 5) + " c;", "1."},
               {{412, 10}, numtext::FloatCut(350 * s->response().dt, 5) + " c;", loc("1.69") + "."},
               {{20, 230}, "0 c;", "0."}};
  for (const Drag& d : drags) {
    QMouseEvent e(QEvent::MouseMove, d.at, s->plot()->mapToGlobal(d.at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(s->plot(), &e);
    EXPECT_EQ(label("KoordY1"), d.t);
    EXPECT_EQ(label("KoordX1"), d.h);
  }
}

// A later window whose first window has been closed by its close box simulates the gain of
// its own loop instead of reading a window that is gone.
TEST_F(Correction, StepWindowOutlivesItsClosedFirstWindow) {
  ASSERT_NO_FATAL_FAILURE(openStep("Form15_1", {T1a, Ma}));
  settle();
  auto* s = dynamic_cast<StepWindow*>(active());
  ASSERT_TRUE(s);
  window<GainWindow>("Form15_1")->close();
  flushDeletes();
  ASSERT_FALSE(main->findWindow("Form15_1"));
  script({T1b, Mb});
  type(s, 0, "7");
  type(s, 0, "8");  // the second wrong answer draws new data
  settle();
  EXPECT_EQ(messages.last(), msg::TooManyErrors);
  EXPECT_DOUBLE_EQ(s->gain(), gains(Scheme::LocalFeedback, 0.05, 0.05 * 6.6)[0]);
  EXPECT_FALSE(main->Busy);
  answerStep(s);
  EXPECT_TRUE(main->work().WorkDone);
}

// Two wrong answers typed while the curve grows: the window starts over with new data, and
// what is left on the plot is exactly the new run, as if nothing had been drawn before.
TEST_F(Correction, RegenerationMidTraceLeavesOnlyTheNewRun) {
  ASSERT_NO_FATAL_FAILURE(openStep("Form13_1", {T1a, Ma}));
  settle();
  auto* clean = dynamic_cast<StepWindow*>(active());
  ASSERT_TRUE(clean);
  const QImage plot = clean->Image5->canvas().image(), out = clean->outputIcon()->canvas().image();
  messages.answers = {true};
  main->BMenuClick();
  flushDeletes();

  pacing(true);
  bool midTrace = false;
  QTimer::singleShot(150, main.get(), [&] {
    auto* w = dynamic_cast<StepWindow*>(active());
    if (!w || !w->tracing()) return;
    midTrace = true;
    script({T1a, Ma});
    type(w, 0, "7");
    type(w, 0, "8");
    pacing(false);
  });
  ASSERT_NO_FATAL_FAILURE(openStep("Form13_1", {T1b, Mb}));
  settle(300);
  auto* w = dynamic_cast<StepWindow*>(active());
  ASSERT_TRUE(w);
  ASSERT_TRUE(midTrace);
  EXPECT_EQ(messages.shown, QStringList({msg::WrongValue, msg::TooManyErrors}));
  EXPECT_FALSE(main->Busy);
  EXPECT_FALSE(w->tracing());
  EXPECT_EQ(w->Image5->canvas().image(), plot);
  EXPECT_EQ(w->outputIcon()->canvas().image(), out);
  EXPECT_TRUE(w->TrackBar1->isEnabled());
}
