// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The three compound-link works as a student plays them: the work button, every window, the
// answers worked out from each window's own data, and Menu at the end. The edges that matter
// ride along: the circuit question and its whole-number resistances, the answer-first
// windows, the mended second output of Form7_3 and the T1 that Form8_1 shows.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>

#include "labs/compound_links/circuit_form.h"
#include "labs/compound_links/harmonic_form.h"
#include "labs/compound_links/lafc_form.h"
#include "labs/compound_links/step_form.h"
#include "support/fixture.h"

using namespace compound;

namespace {

class CompoundWork : public TrainerTest {
 protected:
  template <class W>
  W* next(const char* form) {
    click("BNext");
    auto* w = dynamic_cast<W*>(active());
    EXPECT_TRUE(w) << form;
    if (w) EXPECT_EQ(w->objectName(), form);
    return w;
  }
  static int count(PlotView* v, const QColor& c) {
    int n = 0;
    for (int x = 0; x < v->canvas().size().width(); ++x)
      for (int y = 0; y < v->canvas().size().height(); ++y) n += px(v, x, y) == c;
    return n;
  }
  void finishWork() {
    EXPECT_TRUE(main->work().WorkDone);
    click("BMenu");
    EXPECT_EQ(messages.last(), "Лабораторная работа выполнена!");
    flushDeletes();
    EXPECT_TRUE(main->children().isEmpty());
  }
};

}  // namespace

TEST_F(CompoundWork, PiLinkFromItsButtonToTheCircuit) {
  click("Button3");
  click("B6");
  auto* step = dynamic_cast<StepForm*>(active());
  ASSERT_TRUE(step);
  EXPECT_EQ(step->windowTitle(), "\"ПИ\" звено. Опыт №1");
  answerAll(step);
  ASSERT_TRUE(main->work().completed("Form6_1"));

  auto* sine = next<HarmonicForm>("Form6_2");
  ASSERT_TRUE(sine);
  answerAll(sine);
  ASSERT_TRUE(main->work().completed("Form6_2"));

  // T1 < T2: the asked amplitude is 1. Nothing is traced before the answer.
  script({200, 900, 5});
  auto* freq = next<HarmonicForm>("Form6_3");
  ASSERT_TRUE(freq);
  EXPECT_EQ(freq->valueLabel("LUslovie")->text(), "1");
  EXPECT_FALSE(main->Busy);
  EXPECT_TRUE(freq->edit(0)->isEnabled());
  EXPECT_EQ(count(freq->plot(), colors::Blue), 0);
  answerAll(freq);
  EXPECT_TRUE(main->work().completed("Form6_3"));
  EXPECT_FALSE(main->Busy);
  EXPECT_GT(count(freq->plot(), colors::Blue), 300);
  EXPECT_GT(count(freq->plot(), colors::Red), 300);

  script({150, 420});  // T1 = 0.150, T2 = 0.420
  auto* circuit = next<CircuitForm>("Form6_4");
  ASSERT_TRUE(circuit);
  messages.clear();
  const auto tick = [&](std::initializer_list<int> boxes) {
    for (QCheckBox* b : circuit->CB)
      if (b->isChecked()) b->click();
    for (int i : boxes) circuit->CB[i]->click();
    circuit->Button1->click();
  };
  tick({0, 3, 4, 5});  // L2 as well
  tick({5, 3, 0});     // the order of the clicks does not matter
  EXPECT_EQ(messages.shown, QStringList({"Не верно!\n\rПодумайте!", "Верно!"}));
  EXPECT_FALSE(circuit->questionPanel->isVisibleTo(circuit));
  EXPECT_TRUE(circuit->resistancePanel->isVisibleTo(circuit));
  EXPECT_FALSE(circuit->Button1->isEnabled());
  EXPECT_EQ(circuit->errorCount(), 0);
  // The circuit drawn from the boxes: R1's resistor, C2's plates, no coil of L2.
  EXPECT_EQ(px(circuit->circuit, 10, 68), colors::Black);
  EXPECT_EQ(px(circuit->circuit, 170, 22), colors::Black);
  EXPECT_EQ(px(circuit->circuit, 150, 30), colors::Black);  // a plain wire where L2 would be

  messages.clear();
  for (const char* bad : {"420 000", "420000.0", "4.2e5", "4,2E5"}) type(circuit, 0, bad);
  EXPECT_EQ(messages.shown, QStringList(4, "Неверный формат ввода!"));
  EXPECT_EQ(circuit->errorCount(), 0);
  type(circuit, 0, "150000");  // R1 = T1·10⁶ does not work the circuit
  EXPECT_EQ(circuit->errorCount(), 1);
  type(circuit, 0, "420000");
  EXPECT_EQ(circuit->edit(0)->text(), "420000");
  type(circuit, 1, "150000");
  finishWork();
}

TEST_F(CompoundWork, DifferentiatingLinkWithItsSecondOutput) {
  click("Button3");
  click("B7");
  auto* step = dynamic_cast<StepForm*>(active());
  ASSERT_TRUE(step);
  answerAll(step);

  script({10, 20, 5});  // T1 = 0.1, ω = 20, A = 0.05: B1 = 0.1
  auto* ideal = next<HarmonicForm>("Form7_2");
  ASSERT_TRUE(ideal);
  EXPECT_EQ(count(ideal->plot(), colors::Blue), 0);
  type(ideal, 0, FloatToStr(0.105));
  settle();
  EXPECT_EQ(ideal->edit(0)->text(), FloatToStr(0.1));
  EXPECT_GT(count(ideal->plot(), colors::Blue), 300);
  EXPECT_FALSE(main->Busy);

  script({10, 20, 5, 4});  // k = 4
  auto* lowered = next<HarmonicForm>("Form7_3");
  ASSERT_TRUE(lowered);
  EXPECT_EQ(count(lowered->plot(), colors::Purple), 0);
  messages.clear();
  type(lowered, 0, FloatToStr(std::sqrt(std::pow(4 / 0.05, 2) - 1) / 20));
  EXPECT_EQ(messages.last(), "Неверное значение, повторите попытку!");
  type(lowered, 0, FloatToStr(std::sqrt(15.0) / 20));
  settle();
  EXPECT_TRUE(main->work().completed("Form7_3"));
  EXPECT_FALSE(main->Busy);
  // Output 2 on the plot and on its own icon, k times lower than output 1 within a pixel.
  int top = 135, blueTop = 135;
  for (int x = 40; x < 380; ++x)
    for (int y = 0; y < 271; ++y) {
      if (px(lowered->plot(), x, y) == colors::Purple) top = std::min(top, y);
      if (px(lowered->plot(), x, y) == colors::Blue) blueTop = std::min(blueTop, y);
    }
  const double S = lowered->data().plot.S, B1 = 0.1;
  EXPECT_NEAR(135 - top, S * B1 / 4, 1.5);
  EXPECT_NEAR(135 - blueTop, S * B1, 1.5);
  EXPECT_GT(count(lowered->Image5, colors::Purple), 20);
  // The readout on the zero line reads h = 0.
  QMouseEvent move(QEvent::MouseMove, QPointF(100, 135), lowered->plot()->mapToGlobal(QPointF(100, 135)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(lowered->plot(), &move);
  EXPECT_EQ(label("KoordX1"), "0;");

  auto* lafc = next<LafcForm>("Form7_4");
  ASSERT_TRUE(lafc);
  EXPECT_GT(count(lafc->plot(), colors::Green), 300);
  // The readout's first name "lg(w)=" is wider than its place: it grows, it is not cut.
  auto* name = main->findChild<QLabel*>("KoordX");
  EXPECT_EQ(name->text(), "lg(w)=");
  EXPECT_GE(name->width(), name->sizeHint().width());
  answerAll(lafc);
  finishWork();
}

TEST_F(CompoundWork, InertialForcingLinkShowsT1SoThatT2CanBeWorkedOut) {
  click("Button3");
  script({1, 10, 106});  // T1 = 0.01, h0 = 1.0, k = 1.06: T1/T2 turns into 2, T1 = 0.0212
  click("B8");
  auto* step = dynamic_cast<StepForm*>(active());
  ASSERT_TRUE(step);
  auto* lt1 = step->findChild<QLabel*>("LT1");
  ASSERT_TRUE(lt1);
  EXPECT_EQ(lt1->text(), FloatToStr(0.0212) + " c");
  type(step, 0, FloatToStr(1.06));
  type(step, 1, FloatToStr(0.0212 / 2));
  EXPECT_TRUE(main->work().completed("Form8_1"));
  EXPECT_EQ(step->errorCount(), 0);

  auto* sine = next<HarmonicForm>("Form8_2");
  ASSERT_TRUE(sine);
  answerAll(sine);
  auto* lafc = next<LafcForm>("Form8_3");
  ASSERT_TRUE(lafc);
  answerAll(lafc);
  finishWork();
}
