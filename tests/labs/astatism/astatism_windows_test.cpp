// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every astatism window through its real widgets: what it shows, what it accepts, its limits.
#include <QGroupBox>

#include "astatism_fixture.h"

using astatism_test::ClosedForm;
using astatism_test::closedForms;

class EveryWindow : public AstatismTest, public ::testing::WithParamInterface<ClosedForm> {};

TEST_P(EveryWindow, ShowsItsDrawnDataAndAcceptsTheWorkedOutAnswers) {
  const ClosedForm& c = GetParam();
  const astatism::WindowInfo& info = astatism_test::infoOf(QString::fromLatin1(c.form));
  scriptTypical(c);
  ExperimentWindow* w = start(QString::fromLatin1(c.form));
  ASSERT_TRUE(w);
  EXPECT_EQ(w->windowTitle(), QString::fromStdString(info.caption));
  EXPECT_EQ(w->helpContext(), 7);
  EXPECT_EQ(w->errorLimit(), info.isResponse() ? 2 : 4);
  EXPECT_FALSE(main->Busy);
  EXPECT_FALSE(main->findChild<QGroupBox*>("GroupBox1")->isVisibleTo(main.get()));
  EXPECT_EQ(w->findChild<QLabel*>("Label35") != nullptr, info.task == 1);
  EXPECT_EQ(w->findChild<QLabel*>("LT3") != nullptr, c.params == 3);

  // The labels show exactly what was drawn.
  const double at[3] = {0.3, 0.7, 0.5};
  const astatism_test::Ts p = shown(w);
  const double got[3] = {p.t1, p.t2, p.t3};
  for (int i = 0; i < c.params; ++i)
    EXPECT_DOUBLE_EQ(got[i], (c.ranges[i].lo + static_cast<int>(at[i] * (c.ranges[i].hi - c.ranges[i].lo))) / 1000.0);

  const std::vector<double> a = c.answers(p);
  ASSERT_EQ(w->answerCount(), static_cast<int>(a.size()));
  for (int i = 0; i < w->answerCount(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(w->edit(i)->isEnabled());
    EXPECT_EQ(w->edit(i)->maxLength(), info.isResponse() ? 7 : 9);
    EXPECT_FALSE(main->work().completed(w->objectName()));
    type(w, i, FloatToStr(a[i]));
    EXPECT_TRUE(w->edit(i)->isReadOnly());
    EXPECT_EQ(w->edit(i)->text(), numtext::FloatCut(a[i], 6));
    EXPECT_TRUE(w->answer(i).mark->isVisibleTo(w->client()));
  }
  EXPECT_TRUE(messages.shown.isEmpty()) << messages.last().toStdString();
  EXPECT_TRUE(main->work().completed(w->objectName()));
  EXPECT_EQ(main->work().WorkDone, info.task == 8);
  EXPECT_EQ(main->focusWidget(), button(info.task == 8 ? "BMenu" : "BNext"));

  if (auto* r = dynamic_cast<astatism::ResponseWindow*>(w)) {
    // The curve spans the whole time axis (to column 390 in work 1, 405 to 410 in the
    // others) whatever the parameters, with the closing labels in the colours of the curves.
    const astatism::Trace* s = r->lastTrace();
    ASSERT_TRUE(s);
    const int x = s->column(s->state().t), y = s->row(s->state().r);
    EXPECT_NEAR(x, 30 + info.plot.kh * info.plot.kxFactor, 2);
    EXPECT_TRUE(near(r->Image1, x - 12, y, colors::Blue, 8));
    const auto labels = s->closingLabels();
    EXPECT_TRUE(textIn(r->Image1, QRect(labels.output.x, labels.output.y, 22, 15), colors::Blue));
    const QColor input = info.signal == astatism::Signal::Reference ? colors::Red : colors::Fuchsia;
    EXPECT_TRUE(textIn(r->Image1, QRect(labels.input.x, labels.input.y, 22, 15), input));
    EXPECT_EQ(r->tracesFinished(), 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Astatism, EveryWindow, ::testing::ValuesIn(closedForms()),
                         [](const auto& info) { return std::string(info.param.form); });

class AnswerFields : public AstatismTest {
 protected:
  void restart() {
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
    messages.clear();
  }
};

// Each case on fresh data: the fields before `field` answered right, then `typed` in `field`.
TEST_F(AnswerFields, BandEndsAndTrueZeros) {
  struct Case {
    const char* form;
    std::vector<int> draws;
    int field;
    const char* typed;
    bool accepted;
  };
  const Case cases[] = {
      // c2 of the disturbance in work 4 is -2 T1 T3 = -0.1.
      {"Form22_2", {250, 300, 200}, 2, "-0.105", true},
      {"Form22_2", {250, 300, 200}, 2, "-0.095", true},
      {"Form22_2", {250, 300, 200}, 2, "-0.1051", false},
      {"Form22_2", {250, 300, 200}, 2, "-0.0949", false},
      {"Form22_2", {250, 300, 200}, 2, "0.1", false},
      // N = 2 for the reference in work 4.
      {"Form22_1", {200, 300, 150}, 3, "1.9", true},
      {"Form22_1", {200, 300, 150}, 3, "2.1", true},
      {"Form22_1", {200, 300, 150}, 3, "2.11", false},
      // A true 0 takes only 0.
      {"Form19_3", {250, 250}, 1, "0", true},
      {"Form19_3", {250, 250}, 1, "0.0", true},
      {"Form19_3", {250, 250}, 1, "0.001", false},
      {"Form19_3", {250, 250}, 2, "-0.001", false},
      {"Form19_2", {300, 300}, 1, "0", true},  // T1 = T2: c1 = 0
      {"Form19_2", {300, 300}, 1, "0.0001", false},
      {"Form20_1", {300, 200}, 0, "0.01", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.form) + " " + c.typed);
    for (int d : c.draws) script({d});
    ExperimentWindow* w = start(QString::fromLatin1(c.form));
    ASSERT_TRUE(w);
    const auto a = expected(w);
    for (int i = 0; i < c.field; ++i) type(w, i, FloatToStr(a[i]));
    ASSERT_TRUE(messages.shown.isEmpty());
    type(w, c.field, QString::fromLatin1(c.typed));
    EXPECT_EQ(w->edit(c.field)->isReadOnly(), c.accepted);
    EXPECT_EQ(messages.last(), c.accepted ? QString() : msg::WrongValue);
    if (c.accepted) EXPECT_EQ(w->edit(c.field)->text(), numtext::FloatCut(a[c.field], 6));
    restart();
  }
}

TEST_F(AnswerFields, AcceptedValueIsCutToSixCharacters) {
  script({370, 390});  // c2 = -(0.37² + 0.39²)/4 = -0.07225
  ExperimentWindow* w = start("Form19_1");
  type(w, 0, "0.5");
  type(w, 1, "0.19");
  type(w, 2, "-0.07");
  EXPECT_EQ(w->edit(2)->text(), loc("-0.072"));
  EXPECT_EQ(w->edit(1)->text(), loc("0.19"));
}

TEST_F(AnswerFields, Form20_5AlwaysShowsHalfASecond) {
  // T2 is drawn from an empty range; only T1 is left to chance.
  ExperimentWindow* w = start("Form20_5");
  for (int run = 0; run < 3; ++run) {
    SCOPED_TRACE(run);
    EXPECT_EQ(label("LT2"), loc("0.5 c"));
    if (run < 2) {
      type(w, 0, "7");
      type(w, 0, "7");
      ASSERT_EQ(messages.last(), msg::TooManyErrors);
      settle();
    }
  }
  type(w, 0, "0.5");
  EXPECT_TRUE(w->edit(0)->isReadOnly());
}

// The limit counts wrong values only: a malformed entry in between changes nothing.
TEST_F(AnswerFields, ErrorLimitsRegenerate) {
  struct Case {
    const char* form;
    int limit;
  };
  for (const Case c : {Case{"Form19_1", 4}, Case{"Form21_3", 2}, Case{"Form22_2", 4}, Case{"Form22_8", 2}}) {
    SCOPED_TRACE(c.form);
    const auto& cf = astatism_test::closedForm(c.form);
    const int first[] = {210, 220, 230}, second[] = {260, 270, 280};
    for (int i = 0; i < cf.params; ++i) script({first[i]});
    ExperimentWindow* w = start(QString::fromLatin1(c.form));
    auto* r = dynamic_cast<astatism::ResponseWindow*>(w);
    const auto a = expected(w);
    type(w, 0, FloatToStr(a[0]));
    ASSERT_TRUE(w->edit(0)->isReadOnly());
    for (int k = 1; k < c.limit; ++k) {
      type(w, 1, "9");
      EXPECT_EQ(messages.last(), msg::WrongValue);
      EXPECT_TRUE(w->edit(1)->text().isEmpty());
      type(w, 1, "9..");
      EXPECT_EQ(messages.last(), msg::BadFormat);
    }
    EXPECT_EQ(w->errorCount(), c.limit - 1);
    for (int i = 0; i < cf.params; ++i) script({second[i]});
    type(w, 1, "9");
    EXPECT_EQ(messages.last(), msg::TooManyErrors);
    EXPECT_EQ(w->errorCount(), 0);
    EXPECT_FALSE(w->edit(0)->isReadOnly());
    EXPECT_TRUE(w->edit(0)->text().isEmpty());
    EXPECT_FALSE(w->answer(0).mark->isVisibleTo(w->client()));
    EXPECT_TRUE(w->edit(0)->isEnabled());
    EXPECT_FALSE(w->edit(1)->isEnabled());
    EXPECT_EQ(label("LT1"), loc("0.26 c"));
    EXPECT_EQ(label("LT2"), loc("0.27 c"));
    if (r) {
      // The old curve is gone at once; the new one comes with the next tick.
      EXPECT_TRUE(main->Busy);
      EXPECT_TRUE(w->Timer1->isActive());
      EXPECT_EQ(inkCount(r->Image1), 0);
      EXPECT_EQ(inkCount(r->Image3), 0);
      EXPECT_EQ(inkCount(r->Image4), 0);
      settle();
      EXPECT_EQ(r->tracesFinished(), 2);
    }
    EXPECT_FALSE(main->Busy);
    EXPECT_FALSE(main->work().completed(w->objectName()));
    const auto b = cf.answers(shown(w));
    type(w, 0, FloatToStr(b[0]));
    EXPECT_TRUE(w->edit(0)->isReadOnly());
    messages.answers = {true};
    main->BMenuClick();
    flushDeletes();
    messages.clear();
  }
}
