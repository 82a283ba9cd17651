// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A work of each section whose windows speak English, played through the real widgets in
// English: no Russian letter on the windows, in their messages or on their plots, and every
// text fits where it stands (also the panels a window shows only later on).
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "framework/canvas.h"
#include "framework/messages.h"
#include "framework/plot_view.h"
#include "labs/compound_links/circuit_form.h"
#include "labs/typical_links/frequency_form.h"
#include "support/fixture.h"
#include "support/language_guard.h"
#include "support/layout_check.h"

namespace {

class EnglishWorks : public TrainerTest {
 protected:
  EnglishWorks() : english_(language::Language::English) {
    Canvas::watchText = [this](const QString& text, const QRect& cell, const Canvas& canvas) {
      // A view shows its canvas from the top left corner and may be narrower than it: a text
      // that starts in sight and runs past the view's right edge is cut (one drawn wholly out
      // of sight, as the last scale labels of some plots are, is simply not seen).
      int width = canvas.size().width();
      for (QWidget* w : QApplication::allWidgets())
        if (auto* v = qobject_cast<PlotView*>(w); v && &v->canvas() == &canvas) width = std::min(width, v->width());
      if (hasCyrillic(text) || (cell.left() < width && cell.right() >= width + 1))
        drawn << QStringLiteral("'%1' at %2,%3 (%4 wide) on %5 wide")
                     .arg(text)
                     .arg(cell.x())
                     .arg(cell.y())
                     .arg(cell.width())
                     .arg(width);
    };
  }
  ~EnglishWorks() override { Canvas::watchText = nullptr; }

  void look(ExperimentWindow* w) {
    SCOPED_TRACE(w->objectName().toStdString());
    EXPECT_FALSE(hasCyrillic(w->windowTitle())) << w->windowTitle().toStdString();
    for (const QString& t : shownTexts(w->client())) EXPECT_FALSE(hasCyrillic(t)) << t.toStdString();
    const QStringList problems = layoutProblems(w->client());
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
  }

  // Plays the work from its first window to its last, answering every field right; `first`
  // does what a window asks before its fields (a choice, a button). Returns the windows played.
  int play(const QString& form, const std::function<void(ExperimentWindow*)>& first = {}) {
    ExperimentWindow* w = start(form);
    int played = 0;
    while (w && played < 10) {
      ++played;
      look(w);
      if (first) first(w);
      answerAll(w);
      look(w);
      EXPECT_TRUE(w->completed()) << w->objectName().toStdString() << " " << [&] {
        QString s;
        for (int i = 0; i < w->answerCount(); ++i)
          s += QStringLiteral("[%1,%2 typed %3] ")
                   .arg(w->answer(i).rule.lo, 0, 'g', 17)
                   .arg(w->answer(i).rule.hi, 0, 'g', 17)
                   .arg(w->edit(i) ? w->edit(i)->text() : QString());
        return s.toStdString();
      }();
      if (main->work().WorkDone) break;
      click("BNext");
      if (active() == w) break;  // the last window: the work ends by Menu
      w = active();
    }
    for (const QString& m : messages.shown + messages.asked) EXPECT_FALSE(hasCyrillic(m)) << m.toStdString();
    EXPECT_TRUE(drawn.isEmpty()) << drawn.join(u'\n').toStdString();
    return played;
  }

  // The frequency window of a typical link: five runs at five frequencies, each answered, then
  // the closing one.
  void runFrequencies(ExperimentWindow* w) {
    if (!dynamic_cast<FrequencyForm*>(w)) return;
    for (int run = 1; run <= 5; ++run) {
      EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("Experiment 4.%1").arg(run)))
          << w->windowTitle().toStdString();
      answerAll(w);
      look(w);
    }
  }

  LanguageGuard english_;
  QStringList drawn;  // texts on the plots that are Russian or cut by their view
};

}  // namespace

TEST_F(EnglishWorks, Astatism) {
  EXPECT_EQ(play("Form19_1"), 8);
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_EQ(active()->windowTitle(), "System type. Lab 1.8");
}

TEST_F(EnglishWorks, AstatismWithThreeTimeConstants) { EXPECT_EQ(play("Form22_1"), 8); }

TEST_F(EnglishWorks, Stability) {
  EXPECT_EQ(play("Form16_1"), 5);
  EXPECT_EQ(active()->windowTitle(), "Stability of a single-loop system. Lab 1.5");
}

TEST_F(EnglishWorks, StabilityOfTheForcingLoop) {
  EXPECT_EQ(play("Form18_1"), 5);
  EXPECT_EQ(messages.asked.value(0), "Is this control system stable?");
}

TEST_F(EnglishWorks, InvarianceToTheReference) {
  EXPECT_EQ(play("Form11_1"), 4);
  EXPECT_TRUE(main->work().WorkDone);
  EXPECT_EQ(messages.asked.value(0), "Is the transfer function you found physically realizable?");
}

TEST_F(EnglishWorks, InvarianceToTheDisturbance) { EXPECT_EQ(play("Form12_1"), 4); }

TEST_F(EnglishWorks, StateVariables) {
  EXPECT_EQ(play("Form9_1",
                 [this](ExperimentWindow* w) {
                   if (auto* answer = w->findChild<QPushButton*>("Button1"); answer && answer->isVisible()) {
                     EXPECT_EQ(answer->text(), "Answer");
                     w->findChild<QRadioButton*>("RB2")->click();
                     answer->click();
                     settle();
                     EXPECT_EQ(messages.last(), msg::Right.text());
                     look(w);
                   }
                 }),
            1);
  EXPECT_TRUE(main->work().WorkDone);
}

TEST_F(EnglishWorks, BlockDiagramTransformations) { EXPECT_EQ(play("Form10_1"), 1); }

TEST_F(EnglishWorks, PureDelay) { EXPECT_EQ(play("Form4_1"), 1); }

TEST_F(EnglishWorks, NonMinimumPhaseElement) { EXPECT_EQ(play("Form5_1"), 2); }

TEST_F(EnglishWorks, ProportionalIntegralElement) {
  EXPECT_EQ(play("Form6_1",
                 [this](ExperimentWindow* w) {
                   auto* circuit = dynamic_cast<compound::CircuitForm*>(w);
                   if (!circuit) return;
                   EXPECT_EQ(circuit->Button1->text(), "Answer");
                   for (int boxes : {0b110001, 0b101001}) {  // R1, L2, C2 (wrong), then R1, R2, C2
                     for (int i = 0; i < 6; ++i)
                       if (circuit->CB[i]->isChecked() != bool(boxes >> i & 1)) circuit->CB[i]->click();
                     circuit->Button1->click();
                   }
                   EXPECT_EQ(messages.shown.mid(messages.shown.size() - 2),
                             QStringList({"Incorrect.\n\rThink again!", "Correct!"}));
                   look(w);
                 }),
            4);
  EXPECT_EQ(active()->windowTitle(), "PI element. Experiment 4");
}

TEST_F(EnglishWorks, LeadLagElement) { EXPECT_EQ(play("Form8_1"), 3); }

TEST_F(EnglishWorks, NonIdealDifferentiator) { EXPECT_EQ(play("Form7_1"), 4); }

TEST_F(EnglishWorks, ParallelCompensation) {
  EXPECT_EQ(play("Form14_1"), 3);
  EXPECT_EQ(active()->windowTitle(), "Parallel compensation of a control system. Experiment 3");
}

TEST_F(EnglishWorks, FirstOrderLagElement) {
  EXPECT_EQ(play("Form2_1",
                 [this](ExperimentWindow* w) {
                   if (auto* tangent = w->findChild<QCheckBox*>("CB1")) EXPECT_EQ(tangent->text(), "Tangent mode");
                   runFrequencies(w);
                 }),
            4);
  EXPECT_TRUE(main->work().WorkDone);
}

TEST_F(EnglishWorks, IntegratingElement) {
  EXPECT_EQ(play("Form1_1", [this](ExperimentWindow* w) { runFrequencies(w); }), 4);
  EXPECT_EQ(active()->windowTitle(), "Integrating element. Experiment 4.6");
}
