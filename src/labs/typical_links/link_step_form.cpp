// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_step_form.h"

#include <QCoreApplication>
#include <QCheckBox>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"

namespace {
constexpr int Passes = 351;  // 1 to 350 draw, 351 ends the trace
constexpr int BoxX = 44;
}  // namespace

StepCase StepCase::of(const aperiodic::Step& s) {
  StepCase c;
  c.link = s;
  c.dt = s.dt();
  c.height = [s](int n) { return s.height(n); };
  c.finalRow = s.finalRow();
  c.answers = {{s.tpRule(), numtext::FloatCut(s.tp(), 4)},
               {Acceptance::band(s.T), FloatToStr(s.T)},
               {Acceptance::band(s.k), FloatToStr(s.k)}};
  c.tangentStart = [s](int b) { return s.tangentStart(b); };
  c.tangentEndX = [s](int b) { return s.tangentEndX(b); };
  c.T = s.T;
  return c;
}

StepCase StepCase::of(const oscillating::Step& s) {
  StepCase c;
  c.link = s;
  c.dt = s.dt();
  c.height = [s](int n) { return s.height(n); };
  c.finalRow = s.finalRow();
  c.answers = {{Acceptance::band(s.k), FloatToStr(s.k)},
               {s.sigmaRule(), numtext::FloatCut(s.sigma(), 4)},
               {s.tpRule(), numtext::FloatCut(s.tp, 4)},
               {Acceptance::band(s.gamma), FloatToStr(s.gamma)},
               {Acceptance::band(s.T), FloatToStr(s.T)}};
  c.T = s.T;
  return c;
}

LinkStepForm::LinkStepForm(Host& host, const WindowDeclaration& declared, StepSetup setup)
    : MeasuringForm(host, declared, setup.caption, setup.layout, setup.shape), setup_(std::move(setup)) {
  taskText->setFont(fonts::font(fonts::Arial, 15));
  if (setup_.taskTextAt) taskText->move(*setup_.taskTextAt);
  for (const StepSetup::Row& r : setup_.rows) {
    addAnswerRow(r.top, r.name, 7, BoxX, r.greek);
    if (!r.index.isEmpty()) taskLabel({17, r.top + 14}, r.index, 12);
  }
  for (const StepSetup::Label& l : setup_.notes) taskLabel(l.at, l.text, l.pixels);

  if (setup_.tangentMode) {
    CB1 = new QCheckBox(QCoreApplication::translate("typical", "Режим касательной"), taskPanel);
    CB1->setObjectName(QStringLiteral("CB1"));
    CB1->setFont(fonts::font(fonts::Arial, 14));
    CB1->setGeometry(8, 246, 165, 22);
    CB1->setEnabled(false);
    connect(CB1, &QCheckBox::clicked, this, [this] { guarded("CB1Click", [this] { CB1Click(); }); });
  }
}

void LinkStepForm::FormCreate() {
  MeasuringForm::FormCreate();
  if (CB1) CB1->setEnabled(false);
  data_ = setup_.draw();
  timeStep_ = data_.dt;
  for (int i = 0; i < static_cast<int>(data_.answers.size()); ++i)
    expect(i, data_.answers[i].rule, data_.answers[i].shown);

  stepFrame();
}

TraceRunner::Recipe LinkStepForm::curveRecipe() {
  const StepCase d = data_;
  StepTrace t;
  t.passes = Passes;
  t.output = [d](int n) { return 240 - d.height(n); };
  t.iconStep = setup_.iconStep;
  t.inputPen = setup_.inputPen;
  t.iconShift = setup_.iconShift;
  t.leadDots = setup_.leadDots;
  return {[this, t](int j) { return stepPass(j, t); },
          [this, d] {
            if (CB1) CB1->setEnabled(true);
            stepClosing(230 - d.height(350), 120, d.finalRow);
          }};
}

bool LinkStepForm::tangent() const { return CB1 && CB1->isChecked(); }

void LinkStepForm::CB1Click() {
  b_ = 50;
  redrawGuides();
  setBarsEnabled(!CB1->isChecked());
  for (int i = 0; i < answerCount(); ++i)
    if (!edit(i)->isReadOnly()) {
      edit(i)->setFocus();
      return;
    }
  host().focusNext();
}

void LinkStepForm::pointerMoved(int b, int) {
  if (!tangent()) return;
  b_ = b;
  redrawGuides();
}

void LinkStepForm::drawGuides(Canvas& c) {
  if (!tangent()) {
    MeasuringForm::drawGuides(c);
    return;
  }
  const StepCase& d = data_;
  const int endX = d.tangentEndX(b_);
  c.setPen(colors::Green, 1);
  c.line(30, 240 - ceil_(100 * d.tangentStart(b_)), endX, d.finalRow);
  c.setFont(fonts::SansSerif, 8);
  c.setFontColor(colors::Green);
  c.textOut(
      endX, d.finalRow - 20,
      QStringLiteral("t = ") + numtext::FloatCut(b_ * d.dt + d.T, 5) + QCoreApplication::translate("typical", " c"));
  c.setFontColor(colors::Black);
  c.setPen(colors::MoneyGreen, 1);
  c.line(b_ + 30, 30, b_ + 30, 240);
  c.line(30, 240 - d.height(b_), 360, 240 - d.height(b_));
}
