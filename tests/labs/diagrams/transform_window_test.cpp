// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Form10_1 through the real widgets: two answer chains under one error counter and limit 5,
// the choice of form with its panel colours, the work ending with either chain.
#include <QFrame>
#include <QRadioButton>

#include "labs/diagrams/transform_window.h"
#include "support/fixture.h"

using diagrams::TransformWindow;

namespace {

const QColor Lit{192, 220, 192};

// k1 = k2 = 1, T1 = T2 = T3 = 1.
const std::initializer_list<int> UnitDraws{10, 10, 100, 100, 100};
const QStringList Form1Unit{"0", "1", "0", "4", "0", "5", "1", "2"};
const QStringList Form2Unit{"0.5", "0", "0.5", "0", "2", "0", "2.5"};

class TransformWorkTest : public TrainerTest {
 protected:
  TransformWindow* open() {
    main->sectionClick(QStringLiteral("Button5"));
    settle();
    return window<TransformWindow>(QStringLiteral("Form10_1"));
  }
  void pick(TransformWindow* w, int form) { w->findChild<QRadioButton*>(QStringLiteral("RB%1").arg(form))->click(); }
  static QColor ground(QFrame* f) { return f->palette().color(QPalette::Window); }
};

}  // namespace

TEST_F(TransformWorkTest, EitherChainEndsTheWork) {
  struct Row {
    const char* name;
    int form1Answered;  // fields of form 1 answered first
    bool thenForm2;
  };
  for (const Row& r :
       {Row{"form 1 alone", 8, false}, Row{"form 2 after part of form 1", 3, true}, Row{"form 2 alone", 0, true}}) {
    SCOPED_TRACE(r.name);
    script(UnitDraws);
    TransformWindow* w = open();
    ASSERT_TRUE(w);
    EXPECT_FALSE(main->Busy);
    EXPECT_TRUE(w->edit(0)->isEnabled() && w->edit(TransformWindow::Form2First)->isEnabled());
    EXPECT_EQ(ground(w->formPanel(1)), Lit);
    EXPECT_TRUE(w->answerPanel(1)->isVisible() && !w->answerPanel(2)->isVisible());
    for (int i = 0; i < r.form1Answered; ++i) type(w, i, Form1Unit[i]);
    if (r.thenForm2) {
      pick(w, 2);
      EXPECT_EQ(ground(w->formPanel(2)), Lit);
      EXPECT_NE(ground(w->formPanel(1)), Lit);
      EXPECT_TRUE(w->formPanel(2)->isEnabled() && !w->formPanel(1)->isEnabled());
      EXPECT_TRUE(w->answerPanel(2)->isVisible() && !w->answerPanel(1)->isVisible());
      for (int i = 0; i < 7; ++i) {
        EXPECT_FALSE(main->work().WorkDone);
        type(w, TransformWindow::Form2First + i, Form2Unit[i]);
      }
    }
    EXPECT_EQ(w->errorCount(), 0) << messages.shown.join(u'|').toStdString();
    EXPECT_TRUE(main->work().WorkDone);
    EXPECT_TRUE(w->completed());
    EXPECT_EQ(main->focusWidget(), main->control(QStringLiteral("BMenu")));
    // Nothing is left open in which a late answer could regenerate the finished work.
    for (int i = 0; i < w->answerCount(); ++i) EXPECT_TRUE(w->edit(i)->isReadOnly() || !w->edit(i)->isEnabled()) << i;
    // Switching back keeps what was answered.
    pick(w, 1);
    for (int i = 0; i < r.form1Answered; ++i) EXPECT_EQ(w->edit(i)->text(), loc(Form1Unit[i]));
    main->BMenuClick();
    flushDeletes();
    messages.clear();
  }
}

// A zero coefficient accepts only zero; four wrong answers over both chains are counted
// once each, the fifth regenerates both chains.
TEST_F(TransformWorkTest, OneCounterOverBothFormsWithLimitFive) {
  script(UnitDraws);
  script({25, 36, 35, 120, 249});
  TransformWindow* w = open();
  type(w, 0, QStringLiteral("0.001"));
  type(w, 0, QStringLiteral("-0.001"));
  EXPECT_EQ(w->errorCount(), 2);
  type(w, 0, QStringLiteral("0"));
  type(w, 1, QStringLiteral("1.05"));  // on the bound of the band: right
  EXPECT_EQ(w->edit(1)->text(), QStringLiteral("1"));
  type(w, 2, QStringLiteral("abc"));
  EXPECT_EQ(messages.last(), msg::BadFormat);
  pick(w, 2);
  type(w, TransformWindow::Form2First, QStringLiteral("0.4"));
  type(w, TransformWindow::Form2First, QStringLiteral("0.6"));
  EXPECT_EQ(w->errorCount(), 4);
  EXPECT_EQ(messages.shown.count(msg::WrongValue), 4);
  type(w, TransformWindow::Form2First, QStringLiteral("0.7"));
  EXPECT_EQ(messages.last(), msg::TooManyErrors);
  EXPECT_EQ(w->errorCount(), 0);
  EXPECT_DOUBLE_EQ(w->params().k1, 2.5);
  EXPECT_DOUBLE_EQ(w->truth().form2[0], 9.0 / 10.0);
  EXPECT_EQ(label("lt3"), loc(QStringLiteral("2.49 c")));
  for (int i = 0; i < w->answerCount(); ++i) {
    EXPECT_TRUE(w->edit(i)->text().isEmpty() && !w->edit(i)->isReadOnly());
    EXPECT_EQ(w->edit(i)->isEnabled(), i == 0 || i == TransformWindow::Form2First) << i;
  }
  // The chosen form stays chosen.
  EXPECT_TRUE(w->answerPanel(2)->isVisible());
  EXPECT_FALSE(main->work().WorkDone);
}
