// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lafc_form.h"

#include <QCoreApplication>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"

namespace compound {

namespace {
constexpr int Axis = 140;  // the frequency axis: a(ω) = 0
}

LafcForm::LafcForm(Host& host, const WindowDeclaration& declared, const LafcRow& row)
    : TypicalForm(host, declared, row.caption, row.layout), row_(row) {
  fitTitle(titleLabel);
  firstFieldOpenDuringTrace_ = row.fieldOpenWhileDrawing;
  writeTask(taskPanel, 32, 186, row.task);
  for (int i = 0; i < 2; ++i) {
    const AnswerWidgets w = answerRow(taskPanel, i + 1, 140 + 40 * i, {QStringLiteral("T"), QString::number(i + 1), 5});
    addAnswer(w.edit, w.mark);
  }
  // The formula picture has no signal ends to lay icons over.
  Image3->hide();
  Image4->hide();
  setReadoutNames(QStringLiteral("lg(w)="), QStringLiteral("w ="));
  Image1->onMouseMove(
      [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) { Image1MouseMove(b, m, x, y); });
  Image1->setOrigin({30, Axis});
}

void LafcForm::FormCreate() {
  TypicalForm::FormCreate();
  data_ = row_.draw();
  for (int i = 0; i < answerCount(); ++i) expect(i, data_.answers.at(i).rule, data_.answers.at(i).shown);
  plotText(150, 0, QCoreApplication::translate("compound", "Асимптотическая ЛАЧХ"), 10, colors::Blue);
  plotText(20, 0, QCoreApplication::translate("compound", "L, дБ"), 10, colors::Red);
  plotText(370, 120, QStringLiteral("lg(w)"), 10, colors::Red);
  Canvas& c = Image1->canvas();
  c.setPen(colors::Black, 1);
  c.line(30, 20, 30, 260);
  c.line(10, Axis, 410, Axis);
}

// Drawn at once at the first timer tick: one pass, no pacing.
TraceRunner::Recipe LafcForm::traceRecipe() {
  return {[this](int j) {
            if (j > 1) return false;
            drawCharacteristic();
            return true;
          },
          {},
          0};
}

void LafcForm::drawCharacteristic() {
  const Lafc& l = data_.lafc;
  Canvas& c = Image1->canvas();
  c.setPen(colors::Black, 1);
  c.setFont(fonts::Arial, 8);
  c.setFontColor(colors::Black);
  for (int i = 0; i <= 400; i += 50) {
    c.line(i + 30, Axis, i + 30, Axis + 5);
    c.textOut(i + 20, Axis + 5, l.frequencyLabel(i));
  }
  for (int i = 25; i <= 100; i += 25) {
    c.line(30, Axis - i, 25, Axis - i);
    c.line(30, Axis + i, 25, Axis + i);
    c.textOut(0, Axis - 7 - i, l.decibelLabel(i));
    c.textOut(0, Axis - 7 + i, QStringLiteral("-") + l.decibelLabel(i));
  }
  c.setPen(colors::Green, 3);
  for (size_t k = 0; k + 1 < l.corners.size(); ++k) {
    const auto& p = l.corners[k];
    const auto& q = l.corners[k + 1];
    c.line(l.x(p.lgw), l.y(p.a), l.x(q.lgw), l.y(q.a));
  }
}

void LafcForm::Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y) {
  readoutMove(Image1, b, m, [&] {
    const Lafc& l = data_.lafc;
    return ReadoutText{QStringLiteral("lg(w)="), numtext::FloatCut(l.readLgW(X), 5) + QStringLiteral(" "),
                       QStringLiteral("w = "), numtext::FloatCut(l.readW(X, Y), 6)};
  });
}

}  // namespace compound
