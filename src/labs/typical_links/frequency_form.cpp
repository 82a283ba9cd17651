// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frequency_form.h"

#include <QCoreApplication>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"

using numtext::FloatCut;

namespace {

constexpr QSize SmallPlot{301, 125};
// Tick loops stop at the plot's edge; the cap only guards against a degenerate scale.
constexpr int MaxTicks = 64;

}  // namespace

FrequencyForm::FrequencyForm(Host& host, const WindowDeclaration& declared, std::unique_ptr<FrequencyLink> link)
    : ExperimentWindow(host, declared, link->setup().captionPrefix + QStringLiteral("1")),
      link_(std::move(link)),
      setup_(link_->setup()) {
  buildLayout();
  setReadoutNames(QStringLiteral("A ="), QStringLiteral("j ="), true);
  Image11->onMouseMove(
      [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) { Image11MouseMove(b, m, x, y); });
  Image11->setOrigin({40, 60});
}

void FrequencyForm::buildLayout() {
  auto* title = ui::panel(client(), QRect(8, 8, 617, 49), ui::Bevel::Single, QStringLiteral("Panel1"));
  ui::label(title, QRect(2, 1, 613, 47), setup_.title, fonts::font(fonts::Arial, 29, true), colors::Navy,
            Qt::AlignCenter, false, QStringLiteral("Label1"));

  const auto plot = [this](const QPoint& at, const QString& name) {
    auto* p = ui::panel(client(), QRect(at, QSize(305, 129)), ui::Bevel::Raised, QStringLiteral("Panel") + name);
    auto* v = new PlotView(p, QRect(QPoint(2, 2), SmallPlot));
    v->setObjectName(name);
    return v;
  };
  Image11 = plot({8, 64}, QStringLiteral("Image11"));
  Image12 = plot({320, 64}, QStringLiteral("Image12"));
  Image21 = plot({8, 200}, QStringLiteral("Image21"));
  Image22 = plot({320, 200}, QStringLiteral("Image22"));

  Lw1 = ui::label(client(), QRect(8, 336, 209, 41), QString(), fonts::font(fonts::Arial, 15), Qt::black,
                  Qt::AlignLeft | Qt::AlignVCenter, true, QStringLiteral("Lw1"));
  Lw1->setFrameStyle(QFrame::Box | QFrame::Plain);
  Lw1->setIndent(4);

  auto* a = ui::panel(client(), QRect(216, 336, 137, 41), ui::Bevel::Single, QStringLiteral("PanelA"));
  ui::label(a, QPoint(6, 9), QStringLiteral("A="), fonts::font(fonts::SansSerif, 21), Qt::black,
            QStringLiteral("LabelA"));
  addAnswer(new AnswerEdit(a, QRect(36, 8, 62, 25), setup_.amplitudeLength, QStringLiteral("Edit1")),
            new CheckMark(a, QRect(99, 8, 35, 25), QStringLiteral("SpeedButton1")));

  LL = ui::label(client(), QRect(352, 336, 145, 41), QString(), fonts::font(fonts::Arial, 15), Qt::black,
                 Qt::AlignCenter, true, QStringLiteral("LL"));
  LL->setFrameStyle(QFrame::Box | QFrame::Plain);

  auto* p = ui::panel(client(), QRect(496, 336, 129, 41), ui::Bevel::Single, QStringLiteral("PanelDj"));
  ui::label(p, QPoint(4, 10), fonts::greek(QStringLiteral("Dj = ")), fonts::font(fonts::Symbol, 18), Qt::black,
            QStringLiteral("LabelDj"));
  addAnswer(new AnswerEdit(p, QRect(42, 8, 56, 25), setup_.phaseLength, QStringLiteral("Edit2")),
            new CheckMark(p, QRect(99, 8, 28, 25), QStringLiteral("SpeedButton2")));
}

void FrequencyForm::FormCreate() {
  ExperimentWindow::FormCreate();
  // The closing run shows the fifth frequency this window traced; a window opened fresh with
  // the counter left past it (the navigation resets it first, the registry does not) starts
  // the series instead of showing ω = 0.
  if (w_ == 0 && closingRun()) work().startRuns();
  // The run and, past the first, the parameters the series kept go with the draw: a replay
  // takes them back from the record.
  work().RepeatCount = static_cast<std::int8_t>(taken(QStringLiteral("run"), run(), 1, 7));
  const int r = run();
  if (r != 1)
    if (const auto kept = taken(QStringLiteral("series"), {link_->kept().size(), 0.2, 2.0},  // T, k, γ as drawn
                                [this] { return std::optional(link_->kept()); }))
      link_->keep(*kept);
  setCaption(setup_.captionPrefix + QString::number(r));
  Image11->canvas().loadWall();

  Randomize();
  link_->generate(r == 1, rnd::source());
  if (closingRun()) {
    Timer1->stop();  // the closing run keeps the fifth frequency and traces nothing
    if (w_ == 0) w_ = link_->omega(5);  // a replay of the closing run alone
  } else {
    w_ = link_->omega(r);
  }

  Lw1->setText(
      QCoreApplication::translate("typical", "w=%1рад/с, lg(w)=%2c").arg(FloatCut(w_, 5), FloatCut(std::log10(w_), 6)));
  LL->setText(QStringLiteral("L=20*lg(A)=???"));
  expect(0, link_->readAmplitudeRule(w_), link_->amplitudeShown(w_));
  expect(1, link_->readPhaseRule(w_), link_->phaseShown(w_));

  drawSinePlot();
  if (setup_.markersOnCreate) markers();
}

void FrequencyForm::drawSinePlot() {
  Canvas& c = Image11->canvas();
  c.setBrush(colors::White);
  c.fillRect(0, 0, SmallPlot.width(), SmallPlot.height());
  c.setFont(fonts::Arial, 10, true);
  c.setFontColor(colors::Black);
  c.textOut(20, 60, QStringLiteral("0"));
  c.textOut(20, 0, QStringLiteral("h"));
  c.textOut(260, 60, QCoreApplication::translate("typical", "t, c"));
  c.setPen(colors::Black, 1);
  c.line(40, 5, 40, 120);
  c.line(20, 60, 290, 60);
  const int in = link_->inputDash(w_), out = link_->outputDash(w_);
  for (int i = 1; i <= 14; ++i) {
    c.setPen(colors::Red, 1);
    c.line(20 * i, 60 - in, 20 * i + 8, 60 - in);
    c.line(20 * i, 60 + in, 20 * i + 8, 60 + in);
    c.setPen(colors::Blue, 1);
    c.line(20 * i, 60 - out, 20 * i + 8, 60 - out);
    c.line(20 * i, 60 + out, 20 * i + 8, 60 + out);
  }
}

void FrequencyForm::FormActivate() {
  markers();
  ExperimentWindow::FormActivate();
  if (!completed()) {
    host().setReadoutLocked(false);
    host().enableBack(true);
    for (PlotView* v : {Image12, Image21, Image22}) v->canvas().loadWall();
    drawFrames();
    markers();
  }
}

void FrequencyForm::drawFrames() {
  const FrequencyLink::TickLabels t = link_->tickLabels();
  const auto lgTicks = [this, t](Canvas& c, int labelX) {
    for (int m = 0; m < MaxTicks; ++m) {
      const int P = link_->lgTick(m);
      if (P >= 140) break;
      c.setPen(colors::Black, 1);
      c.line(150 + P, 60, 150 + P, 65);
      c.line(150 - P, 60, 150 - P, 65);
      c.textOut(labelX + P, 66, numtext::FloatToStr(t.lg * m));
      c.textOut(labelX - P, 66, numtext::FloatToStr(-t.lg * m));
    }
  };
  const auto axes = [](Canvas& c) {
    c.setPen(colors::Black, 1);
    c.line(150, 10, 150, 115);
    c.line(10, 60, 290, 60);
  };
  const auto tickFont = [](Canvas& c) {
    c.setFont(fonts::Arial, 7);
    c.setFontColor(colors::Black);
    c.setBrush(colors::White);
  };

  Canvas& lafc = Image12->canvas();
  tickFont(lafc);
  lgTicks(lafc, 145);
  for (int m = 0; m < MaxTicks; ++m) {
    const int M = link_->dbTick(m);
    if (M >= 55) break;
    lafc.line(150, 60 - M, 155, 60 - M);
    lafc.line(150, 60 + M, 155, 60 + M);
    lafc.textOut(158, 52 - M, numtext::FloatToStr(t.db * m));
    lafc.textOut(158, 52 + M, numtext::FloatToStr(-t.db * m));
  }
  lafc.setFont(fonts::Arial, 10, true);
  lafc.textOut(140, 0, QStringLiteral("L"));
  lafc.textOut(270, 40, QStringLiteral("lg(w)"));
  axes(lafc);

  Canvas& phase = Image22->canvas();
  tickFont(phase);
  lgTicks(phase, 142);
  for (int m = 0; m < MaxTicks; ++m) {
    const int Q = link_->phaseTick(m);
    if (Q >= 60) break;
    phase.line(150, 60 - Q, 155, 60 - Q);
    phase.line(150, 60 + Q, 155, 60 + Q);
    phase.textOut(156, 56 - Q, FloatCut(m * t.phase, 4));
    phase.textOut(156, 56 + Q, FloatCut(-m * t.phase, 5));
  }
  phase.setFont(fonts::Symbol, 8, true);
  phase.textOut(155, 0, fonts::greek(QStringLiteral("j")));
  phase.setFont(fonts::Arial, 8, true);
  phase.textOut(270, 40, QStringLiteral("lg(w)"));
  axes(phase);

  Canvas& hod = Image21->canvas();
  tickFont(hod);
  for (int u = 1; u < MaxTicks; ++u) {
    const int Z = link_->hodographTick(u);
    if (Z >= 55) break;
    hod.line(150, 60 - Z, 145, 60 - Z);
    hod.line(150, 60 + Z, 145, 60 + Z);
    hod.textOut(140, 56 - Z, FloatCut(u * t.im, 4));
    hod.textOut(140, 56 + Z, FloatCut(-u * t.im, 5));
  }
  for (int m = 1; m < MaxTicks; ++m) {
    const int P = link_->hodographReTick(m);
    if (P >= 140) break;
    hod.line(150 + P, 60, 150 + P, 65);
    hod.line(150 - P, 60, 150 - P, 65);
    hod.textOut(142 + P, 66, numtext::FloatToStr(m * t.re));
    hod.textOut(142 - P, 66, numtext::FloatToStr(-m * t.re));
  }
  hod.setFont(fonts::Arial, 8, true);
  hod.textOut(155, 0, QStringLiteral("Im(W)"));
  hod.textOut(260, 60, QStringLiteral("Re(W)"));
  axes(hod);
}

void FrequencyForm::markers() {
  link_->hodographExtras(Image21->canvas());
  const bool closing = closingRun();
  const int answered = closing ? 5 : std::clamp(run() - 1, 0, 5);
  const std::pair<freq::Plot, PlotView*> plots[] = {
      {freq::Plot::Hodograph, Image21}, {freq::Plot::Phase, Image22}, {freq::Plot::Lafc, Image12}};
  for (int i = 1; i <= answered; ++i) {
    const double w = link_->omega(i);
    for (const auto& [kind, view] : plots) {
      const freq::Box b = link_->marker(kind, w);
      Canvas& c = view->canvas();
      c.setPen(colors::Blue, 1);
      c.setBrush(colors::Yellow);
      c.ellipse(b.x1, b.y1, b.x2, b.y2);
      c.setBrush(colors::White);
    }
  }
  if (!closing) return;
  for (const auto& [kind, view] : plots) {
    Canvas& c = view->canvas();
    for (const freq::Curve& curve : link_->exactCurves(kind)) {
      if (curve.points.empty()) continue;
      c.setPen(colors::Green, curve.width);
      c.moveTo(curve.points.front().x, curve.points.front().y);
      for (std::size_t k = 1; k < curve.points.size(); ++k) c.lineTo(curve.points[k].x, curve.points[k].y);
    }
  }
  drawSummary();
}

void FrequencyForm::drawSummary() {
  Canvas& c = Image11->canvas();
  c.setBrush(colors::White);
  c.fillRect(0, 0, 370, 130);
  c.setPen(colors::Black, 1);
  for (int x = 0; x <= 300; x += 60) c.line(x, 0, x, 122);
  for (int i = 0; i <= 6; ++i) c.line(0, 122 * i / 6, 300, 122 * i / 6);
  host().Busy = false;

  c.setFont(fonts::Arial, 10, true);
  c.setFontColor(colors::Red);
  c.textOut(25, 2, QStringLiteral("w"));
  c.textOut(75, 2, QStringLiteral("lg(w)"));
  c.textOut(135, 2, QStringLiteral("A=|W|"));
  c.setFont(fonts::Arial, 8, true);
  c.textOut(183, 4, QStringLiteral("L=20*lg(A)"));
  c.setFont(fonts::Symbol, 10, true);
  c.textOut(265, 1, fonts::greek(QStringLiteral("Dj")));

  c.setFont(fonts::Arial, 9);
  c.setFontColor(colors::Blue);
  for (int i = 1; i <= 5; ++i) {
    const int y = 122 * i / 6 + 4;
    const double w = link_->omega(i);
    c.textOut(10, y, FloatCut(w, 6));
    c.textOut(70, y, FloatCut(std::log10(w), 6));
    c.textOut(130, y, FloatCut(link_->amplitude(w), 6));
    c.textOut(190, y, FloatCut(link_->level(w), 6));
    c.textOut(link_->summaryPhaseX(), y, link_->summaryPhase(w));
  }
  c.setFontColor(colors::Black);

  work().setCompleted(objectName(), true);
  for (int i = 0; i < answerCount(); ++i) edit(i)->setEnabled(false);
  host().showReadout(false);
  markWorkDone();
}

void FrequencyForm::Timer1Timer() {
  Timer1->stop();
  markers();
  ExperimentWindow::Timer1Timer();
}

TraceRunner::Recipe FrequencyForm::traceRecipe() {
  if (closingRun()) return {};
  const double w = w_;
  return {[this, w](int j) {
            if (j >= freq::kPasses) return false;
            // The boxes stay shut while the curves grow, even if the student clicks into them.
            for (int i = 0; i < answerCount(); ++i) edit(i)->setEnabled(false);
            const int k = j - 20;  // negative at first: the curves start in steady state
            Canvas& c = Image11->canvas();
            c.setPen(colors::Blue, 2);
            c.line(j + 20, 60 - link_->output(w, k), j + 21, 60 - link_->output(w, k + 1));
            c.setPen(colors::Red, 2);
            c.line(j + 20, 60 - link_->input(w, k), j + 21, 60 - link_->input(w, k + 1));
            return true;
          },
          {},
          1};
}

void FrequencyForm::answerAccepted(int i) {
  if (i == 0) LL->setText(QStringLiteral("L=20*lg(A)= ") + FloatCut(link_->level(w_), 6));
  ExperimentWindow::answerAccepted(i);
}

void FrequencyForm::allAnswered() {
  work().setCompleted(objectName(), true);
  const int r = run();
  if (r == 5) {
    nextRun();  // the closing run
    host().focusMenu();
    if (setup_.hideReadoutAfterLastRun) host().showReadout(false);
  } else if (r < 5) {
    nextRun();  // the next frequency
  }
}

void FrequencyForm::regenerate() {
  work().startRuns();
  ExperimentWindow::regenerate();
}

void FrequencyForm::Image11MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y) {
  readoutMove(Image11, b, m, [&] {
    const int bx = freq::offsetX(X), d = freq::offsetY(Y);
    return ReadoutText{QStringLiteral("A = "), FloatCut(link_->readoutAmplitude(d, w_), 5) + QStringLiteral("."),
                       QStringLiteral("j = "),
                       FloatCut(freq::phaseAt(bx), 4) + QCoreApplication::translate("typical", " рад;"), true};
  });
}
