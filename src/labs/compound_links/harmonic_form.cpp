// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "harmonic_form.h"

#include <QCoreApplication>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"

namespace compound {

namespace {
constexpr int Zero = 135;  // the zero line of the plot
// Pass at which the time index reaches 0: the first passes draw the negative indices, so
// the curves are already in steady state at the left edge.
constexpr int kInputPass = 20;
constexpr int kEndPass = 380;
}  // namespace

HarmonicForm::HarmonicForm(Host& host, const WindowDeclaration& declared, const HarmonicRow& row)
    : TypicalForm(host, declared, row.caption, row.layout), row_(row) {
  fitTitle(titleLabel);
  if (row.flow == Flow::AnswerFirst) hasTrace_ = false;
  values_ = writeTask(taskPanel, 32, 186, row.task, row.taskPixels, row.taskLineStep).values;
  for (int i = 0; i < static_cast<int>(row.answers.size()); ++i) {
    const AnswerWidgets w = answerRow(taskPanel, i + 1, row.answersTop + 36 * i, row.answers[i]);
    addAnswer(w.edit, w.mark);
  }
  if (row.flow == Flow::SecondOutput) {
    // Output 1 takes the upper part of the right end of the picture, output 2 the lower.
    const QPoint right = Image4->pos();
    Image4->setGeometry(QRect(right.x(), 1, 65, 49));
    Image5 = new PlotView(diagramPanel, QRect(right.x(), 48, 65, 41), Image4->canvas().size());
    Image5->setObjectName(QStringLiteral("Image5"));
  }
  if (row.plot.readout) {
    setReadoutNames(QStringLiteral("h ="), QStringLiteral("j ="), true);
    Image1->onMouseMove(
        [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) { Image1MouseMove(b, m, x, y); });
    Image1->setOrigin({30, 135});
  } else {
    noReadout();
  }
}

void HarmonicForm::FormCreate() {
  TypicalForm::FormCreate();
  armed_ = false;
  secondPass_ = false;
  if (Image5) Image5->canvas().loadWall();
  Randomize();
  data_ = row_.draw();
  for (int i = 0; i < answerCount(); ++i) expect(i, data_.answers.at(i).rule, data_.answers.at(i).shown);
  for (auto it = values_.constBegin(); it != values_.constEnd(); ++it) {
    it.value()->setText(data_.values.value(it.key()));
    it.value()->adjustSize();
  }

  plotText(35, 4, row_.plot.title, 10);
  plotText(15, 118, QStringLiteral("0"), 12);
  plotText(15, 5, QStringLiteral("h"), 12);
  plotText(row_.plot.timeAt.x(), row_.plot.timeAt.y(), row_.plot.timeLabel, 12);
  Canvas& c = Image1->canvas();
  c.setPen(colors::Black, 1);
  c.line(30, 20, 30, 260);
  c.line(10, Zero, 410, Zero);
  // Answer-first windows show their levels only with the answer.
  if (row_.flow != Flow::AnswerFirst) {
    drawLevels();
    iconAxes();
  }
}

void HarmonicForm::drawLevels() {
  const int in = data_.plot.inputLevel(), out = data_.plot.outputLevel();
  plotText(0, row_.plot.levelLabelBase - in, QStringLiteral("gmax"), 8, colors::Red);
  plotText(0, row_.plot.levelLabelBase - out, QStringLiteral("rmax"), 8, colors::Blue);
  Canvas& c = Image1->canvas();
  for (int i = 1; i <= 19; ++i) {
    c.setPen(colors::Red, 1);
    c.line(20 * i, Zero - in, 20 * i + 10, Zero - in);
    c.line(20 * i, Zero + in, 20 * i + 10, Zero + in);
    c.setPen(colors::Blue, 1);
    c.line(20 * i, Zero - out, 20 * i + 10, Zero - out);
    c.line(20 * i, Zero + out, 20 * i + 10, Zero + out);
  }
}

void HarmonicForm::iconAxes() {
  for (PlotView* v : {Image3, Image4, Image5}) {
    if (!v) continue;
    Canvas& c = v->canvas();
    c.setPen(colors::Black, 1);
    c.line(mini(30), mini(20), mini(30), mini(260));
    c.line(mini(10), mini(Zero), mini(410), mini(Zero));
  }
}

void HarmonicForm::Timer1Timer() {
  if (row_.flow == Flow::AnswerFirst && !armed_) {
    Timer1->stop();
    return;
  }
  TypicalForm::Timer1Timer();
}

void HarmonicForm::regenerate() {
  if (row_.flow != Flow::AnswerFirst) {
    TypicalForm::regenerate();
    return;
  }
  newData();
  FormActivate();
}

void HarmonicForm::allAnswered() {
  TypicalForm::allAnswered();
  if (row_.flow == Flow::AnswerFirst) {
    drawLevels();
    iconAxes();
    armed_ = true;
    holdBusy();
    Timer1->start();
  } else if (row_.flow == Flow::SecondOutput && data_.second) {
    secondPass_ = true;
    holdBusy();
    Timer1Timer();
  }
}

TraceRunner::Recipe HarmonicForm::traceRecipe() {
  if (secondPass_) {
    const Sinusoids q = *data_.second;
    // Pass j draws i = j − 1 from 0 to 379, its time index i − 20.
    return {[this, q](int j) {
              if (j > kEndPass) return false;
              const int a = j - 1 - kInputPass, x = j + 9;
              Canvas& c = Image1->canvas();
              c.setPen(colors::Purple, 2);
              c.line(x, Zero - q.output(a), x + 1, Zero - q.output(a + 1));
              iconLine(Image5, colors::Purple, x, Zero - q.output(a), x + 1, Zero - q.output(a + 1));
              return true;
            },
            {},
            1};
  }
  const Sinusoids d = data_.plot;
  return {[this, d](int j) {
            if (j >= kEndPass) return false;
            const int n = j - kInputPass;
            outputSegment(j + 10, Zero - d.output(n), j + 11, Zero - d.output(n + 1));
            inputSegment(j + 10, Zero - d.input(n), j + 11, Zero - d.input(n + 1));
            return true;
          },
          {},
          1};
}

void HarmonicForm::Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y) {
  readoutMove(Image1, b, m, [&] {
    const int bx = harmonicOffsetX(X), d = harmonicOffsetY(Y);
    return ReadoutText{
        QStringLiteral("h = "), numtext::FloatCut(d / data_.plot.S, 5) + QStringLiteral(";"), QStringLiteral("j = "),
        numtext::FloatCut(bx * data_.plot.advance, 5) + QCoreApplication::translate("compound", "рад"), true};
  });
}

}  // namespace compound
