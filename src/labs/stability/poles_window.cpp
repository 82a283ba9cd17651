// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/stability/poles_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <cmath>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"
#include "framework/captions.h"

namespace stability {

using captions::sub;
using captions::text;
using numtext::FloatCut;

namespace {

QLabel* inlineText(QWidget* parent, QPoint at, const QString& html) {
  auto* l = ui::label(parent, at, html, fonts::font(fonts::Arial, 16), Qt::black);
  l->setTextFormat(Qt::RichText);
  l->adjustSize();
  return l;
}

}  // namespace

PolesWindow::PolesWindow(Host& host, const WindowDeclaration& declared, const WindowRow& row)
    : StabilityWindow(host, declared, row) {
  noReadout();

  auto* task = panel(QRect(8, 76, 177, 301), QStringLiteral("Panel2"));
  taskNumber(task);
  ui::label(task, QPoint(8, 30), QCoreApplication::translate("stability", "Найдите полюсы САУ"),
            fonts::font(fonts::Arial, 16), colors::Navy);
  auto* p = inlineText(task, QPoint(8, 52),
                       QStringLiteral("<span style='color:#800080'>") + indexed("p", "n") + " = " + indexed("α", "n") +
                           " + j" + indexed("β", "n") + QStringLiteral("</span>"));
  p->setFont(fonts::font(fonts::Arial, 19));
  p->adjustSize();

  // "если k1 = [m]·k1,кр" (the forcing loop: T4 instead of k1); the multiplier is La.
  const bool forcing = row.loop == Loop::Forcing;
  const QString var = forcing ? indexed("T", "4") : indexed("k", "1");
  const QString crit = forcing ? indexed("T", critical(4)) : indexed("k", critical());
  if (row.multiplier.any()) {
    auto* before = inlineText(task, QPoint(8, 82), QCoreApplication::translate("stability", "если %1 =").arg(var));
    La = ui::label(task, QPoint(before->geometry().right() + 5, 82), QString(), fonts::font(fonts::Arial, 16),
                   colors::Maroon, QStringLiteral("La"));
    La->setMinimumWidth(26);
    afterLa_ = inlineText(task, QPoint(before->geometry().right() + 36, 82), QStringLiteral("·") + crit + ",");
  } else {
    inlineText(task, QPoint(8, 82), QCoreApplication::translate("stability", "если %1 = %2,").arg(var, crit));
  }
  QString rest = indexed("T", "1") + ", " + indexed("T", "2") + ", " + indexed("T", "3");
  if (row.work == 3) rest += ", " + indexed("k", "1");
  inlineText(task, QPoint(8, 106), QCoreApplication::translate("stability", "%1 - прежние").arg(rest));

  for (int k = 0; k < 6; ++k) {
    const QString letter = k % 2 == 0 ? QStringLiteral("α") : QStringLiteral("β");
    const auto r = captions::answerRow(task, k + 1, 128 + 29 * k,
                                       {text(letter), sub(QString::number(k / 2 + 1)), text("=")}, 13, 7, 46);
    addAnswer(r.edit, r.mark);
  }

  auto* plot = panel(QRect(192, 130, 429, 247), QStringLiteral("Panel1"));
  Image1 = new PlotView(plot, QRect(3, 3, kWidth, kHeight));
  Image1->setObjectName(QStringLiteral("Image1"));
}

void PolesWindow::FormCreate() {
  ExperimentWindow::FormCreate();
  Image1->canvas().loadWall();
  takeData();
  const Params& p = params_;
  const double critical = row_.loop == Loop::Forcing ? criticalT4(p) : criticalGain(row_.loop, p);
  m_ = 1;
  if (row_.multiplier.any()) {
    Randomize();
    m_ = row_.multiplier.of(RandomRange(row_.multiplier.lo, row_.multiplier.hi));
    La->setText(FloatToStr(m_));
    La->adjustSize();
    afterLa_->move(La->geometry().right() + 2, afterLa_->y());
  }
  value_ = m_ * critical;
  const Cubic c = characteristic(row_.loop, p, value_);
  poles_ = row_.regime == Regime::Boundary ? polesOnBoundary(c) : poles(c);
  matcher_.reset(poles_);
  expectOpenPoles();

  const double sumT = p.t1 + p.t2 + p.t3;
  sx_ = row_.sxPixels / sumT;
  end_ = row_.endFactor * sumT;
  // The growing response of an unstable loop is scaled to its largest swing beforehand.
  sy_ = row_.regime == Regime::Unstable ? 135 / peakOfRun(row_.rule, p, value_, end_) : row_.sy;
  state_ = {};
  steps_ = 0;
}

void PolesWindow::regenerate() { restartAtOwner(); }

int PolesWindow::column(double t) const { return ceil_(t * sx_) + 30; }
int PolesWindow::rowOf(double v) const { return row_.y0 - ceil_(v * sy_); }

void PolesWindow::drawFrame() {
  Canvas& c = Image1->canvas();
  const int y0 = row_.y0;
  c.setBrush(colors::White);
  c.fillRect(0, 0, kWidth, kHeight);
  c.setPen(colors::Black, 1);
  c.line(30, 10, 30, kHeight - 10);
  c.line(10, y0, kWidth - 10, y0);
  c.setFont(fonts::SansSerif, 10, true);
  c.setFontColor(colors::Black);
  c.textOut(105, 0, QCoreApplication::translate("stability", "Переходная характеристика"));
  c.textOut(35, 0, QStringLiteral("h"));
  c.textOut(kWidth - 40, y0 - 20, QCoreApplication::translate("stability", "t, c"));
  c.setFont(fonts::SansSerif, 8);
  for (int n = 0; n <= kWidth - 30; n += 50) {
    c.line(n + 30, y0, n + 30, y0 + 5);
    c.textOut(n + 25, y0 + 6, FloatCut(n / sx_, 4));
  }
  if (row_.regime == Regime::Unstable) {
    // Ticks both ways from the axis, every ceil(sy) pixels, labelled with the scale they are
    // drawn with.
    const int stepPx = ceil_(sy_);
    for (int n = 0; y0 - n >= 10; n += stepPx) {
      c.line(30, y0 - n, 25, y0 - n);
      c.textOut(10, y0 - 8 - n, FloatCut(n / sy_, 4));
    }
    for (int n = stepPx; y0 + n <= kHeight - 10; n += stepPx) {
      c.line(30, y0 + n, 25, y0 + n);
      c.textOut(10, y0 - 8 + n, FloatCut(-n / sy_, 4));
    }
  } else {
    const int stepPx = ceil_(sy_ / 5);
    for (int n = 0; n <= kHeight - 40; n += stepPx) {
      c.line(30, y0 - n, 25, y0 - n);
      c.textOut(10, y0 - 8 - n, FloatCut(n / sy_, 4));
    }
  }
  c.setPen(colors::Red, 2);
  c.line(10, y0, 30, y0);
  c.line(30, y0, 30, y0 - ceil_(sy_));
}

TraceRunner::Recipe PolesWindow::traceRecipe() {
  drawFrame();
  return {[this](int) { return drawStep(); }, {}, 25};
}

bool PolesWindow::drawStep() {
  if (!(end_ > state_.t)) return false;
  Canvas& c = Image1->canvas();
  c.setPen(colors::Blue, 2);
  c.moveTo(column(state_.t), rowOf(state_.y));
  eulerStep(row_.rule, params_, value_, state_);
  ++steps_;
  const double t = state_.t;
  c.lineTo(column(t), rowOf(state_.y));
  const int level = row_.y0 - ceil_(sy_);
  c.setPen(colors::Red, 2);
  c.line(column(t), level, column(t + kDt), level);
  return true;
}

void PolesWindow::expectOpenPoles() {
  std::vector<int> open;
  const std::optional<int> chosen = matcher_.pending();
  for (int p = 0; p < 3; ++p)
    if (!matcher_.closed(p) && p != chosen) open.push_back(p);
  auto next = open.begin();
  const auto rule = [](double v) {
    const Acceptance b = band(v);
    return b;
  };
  for (int k = 0; k < answerCount() / 2; ++k) {
    const int a = 2 * k, b = a + 1;
    if (edit(b)->isReadOnly()) continue;
    int pole = 0;
    if (edit(a)->isReadOnly()) {
      if (!chosen) continue;
      pole = *chosen;
    } else {
      if (next == open.end()) break;
      pole = *next++;
      expect(a, rule(poles_.alpha[pole]), acceptedText(poles_.alpha[pole]));
    }
    expect(b, rule(poles_.beta[pole]), acceptedText(poles_.beta[pole]));
  }
}

void PolesWindow::answerAccepted(int i) {
  expectOpenPoles();
  StabilityWindow::answerAccepted(i);
}

bool PolesWindow::acceptsEntry(int i, double v) {
  if (i % 2 == 0) {
    const std::optional<double> alpha = matcher_.enterAlpha(v);
    if (alpha) expect(i, {}, acceptedText(*alpha));
    return alpha.has_value();
  }
  const std::optional<int> pole = matcher_.enterBeta(v);
  if (!pole) return false;
  expect(i, {}, acceptedText(poles_.beta[*pole]));
  // The α entry may have held more than one pole; the β has chosen which.
  edit(i - 1)->setText(acceptedText(poles_.alpha[*pole]));
  return true;
}

}  // namespace stability
