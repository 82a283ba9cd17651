// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measuring_form.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <optional>

#include "canvas.h"
#include "messages.h"
#include "numtext.h"
#include "plot_view.h"
#include "widgets.h"

MeasuringForm::MeasuringForm(Host& host, const WindowDeclaration& declared, const QString& caption,
                             const TypicalLayout& layout, const MeasuringShape& shape)
    : TypicalForm(host, declared, caption, layout), shape_(shape) {
  taskPanel->setGeometry(shape_.task);
  taskText->setGeometry(8, 34, shape_.task.width() - 14, taskText->height());
  plotPanel->setGeometry(shape_.plot);
  Image1->setGeometry(QRect(QPoint(1, 1), shape_.image));

  barPanel = ui::panel(client(), shape_.bars, ui::Bevel::Single, QStringLiteral("PanelBars"));
  const int w = (shape_.bars.width() - 4) / 2;
  const int boxTop = shape_.bars.height() - 50;
  for (int i = 0; i < 2; ++i) {
    auto* s = new QSlider(Qt::Vertical, barPanel);
    s->setObjectName(QStringLiteral("TrackBar%1").arg(i + 1));
    s->setGeometry(2 + i * w, 2, w, boxTop - 4);
    s->setRange(0, shape_.range);
    s->setValue(i == 0 ? 0 : shape_.range);
    s->setTickPosition(QSlider::NoTicks);
    // Position 0 at the top, like the line it draws.
    s->setInvertedAppearance(true);
    s->setInvertedControls(true);
    s->setEnabled(false);
    s->setAccessibleName(i == 0 ? QCoreApplication::translate("framework", "Первая измерительная линия")
                                : QCoreApplication::translate("framework", "Вторая измерительная линия"));
    connect(s, &QSlider::valueChanged, this,
            [this, i] { guarded("TrackBarChange", [this, i] { TrackBarChange(i); }); });
    auto* e = new AnswerEdit(barPanel, QRect(2, boxTop + i * 24, shape_.bars.width() - 4, 22), 32,
                             QStringLiteral("Edit%1").arg(6 + i));
    e->setFont(fonts::font(fonts::SansSerif, 13));
    e->setEnabled(false);
    e->setAccessibleName(i == 0 ? QCoreApplication::translate("framework", "Уровень первой линии, h")
                                : QCoreApplication::translate("framework", "Уровень второй линии, h"));
    connect(e, &AnswerEdit::enterPressed, this, [this, i] { guarded("EditKeyPress", [this, i] { EditKeyPress(i); }); });
    (i == 0 ? TrackBar1 : TrackBar2) = s;
    (i == 0 ? Edit6 : Edit7) = e;
  }

  Image5 = new PlotView(client(), QRect(0, 0, shape_.image.width(), shape_.image.height()));
  Image5->setObjectName(QStringLiteral("Image5"));
  Image5->hide();

  Image1->onMouseMove(
      [this](Qt::MouseButtons b, Qt::KeyboardModifiers m, int x, int y) { Image1MouseMove(b, m, x, y); });
  Image1->setOrigin({shape_.x0, shape_.y0});
}

void MeasuringForm::FormCreate() {
  measuring_ = false;
  setBarsEnabled(false);
  TypicalForm::FormCreate();
  Image5->canvas().loadWall();
}

void MeasuringForm::setBarsEnabled(bool on) {
  for (int i = 0; i < 2; ++i) {
    bar(i)->setEnabled(on);
    box(i)->setEnabled(on);
  }
}

TraceRunner::Recipe MeasuringForm::traceRecipe() {
  TraceRunner::Recipe r = curveRecipe();
  if (!r.step) return r;
  r.finish = [this, finish = std::move(r.finish)] {
    if (finish) finish();
    measuringStarts();
  };
  return r;
}

void MeasuringForm::measuringStarts() {
  measuring_ = true;
  setBarsEnabled(true);
  for (int i = 0; i < 2; ++i) box(i)->setText(levelText(bar(i)->value()));
  Canvas& backup = Image5->canvas();
  backup.copyRect(QRect(QPoint(0, 0), backup.size()), Image1->canvas(), QRect(QPoint(0, 0), backup.size()));
}

QString MeasuringForm::levelText(int position) const {
  return numtext::FloatCut((shape_.top - position) / shape_.scale, shape_.levelChars);
}

int MeasuringForm::positionFor(double level) const {
  // Clamped to the bar's range before the conversion: a huge typed level must not overflow.
  const double p = std::ceil(shape_.top - level * shape_.scale);
  return static_cast<int>(std::clamp(p, 0.0, static_cast<double>(shape_.range)));
}

void MeasuringForm::TrackBarChange(int i) {
  box(i)->setText(levelText(bar(i)->value()));
  redrawGuides();
}

void MeasuringForm::EditKeyPress(int i) {
  const std::optional<double> v = StrToFloat(box(i)->text());
  if (!v) {
    host().messages().info(msg::BadValue);
    box(i)->setText(restoredText(bar(i)->value()));
    return;
  }
  bar(i)->setValue(positionFor(*v));  // the bar keeps its range; a change redraws
}

void MeasuringForm::redrawGuides() {
  if (!measuring_) return;  // nothing to restore before the plot is finished
  Canvas& c = Image1->canvas();
  c.copyRect(QRect(QPoint(0, 0), c.size()), Image5->canvas(), QRect(QPoint(0, 0), c.size()));
  drawGuides(c);
}

void MeasuringForm::levelLine(Canvas& c, int position) const {
  c.setPen(colors::Green, 1);
  c.line(0, position + shape_.lineOffset, shape_.lineRight, position + shape_.lineOffset);
}

void MeasuringForm::drawGuides(Canvas& c) {
  levelLine(c, TrackBar1->value());
  levelLine(c, TrackBar2->value());
}

ReadoutText MeasuringForm::readoutAt(int b, int d) const {
  return {QStringLiteral("h = "), numtext::FloatCut(d / shape_.scale, shape_.hChars) + QStringLiteral("."),
          QStringLiteral("t = "),
          numtext::FloatCut(b * timeStep_, shape_.timeChars) + QCoreApplication::translate("framework", " c;")};
}

void MeasuringForm::Image1MouseMove(Qt::MouseButtons b, Qt::KeyboardModifiers m, int X, int Y) {
  if (!measuring_) return;  // the curves are still growing
  const MeasuringShape& s = shape_;
  const int bx = readoutOffset(X, s.x0, s.xRight, X - s.x0, 0, s.xRight);
  const int d = readoutOffset(Y, s.yTop, s.yBottom, s.y0 - Y, s.above, 0);
  readoutMove(Image1, b, m, [&] {
    pointerMoved(bx, d);
    return readoutAt(bx, d);
  });
}

void MeasuringForm::stepTitle() {
  plotText(40, 0, QCoreApplication::translate("framework", "Реакция на единичный ступенчатый сигнал"), 10);
}

void MeasuringForm::stepClosing(int rLabelY, int gLabelY, int finalRow) {
  plotText(350, rLabelY, QStringLiteral("r(t)"), 10, colors::Blue);
  plotText(350, gLabelY, QStringLiteral("g(t)"), 10, colors::Red);
  if (finalRow >= 0) {
    Canvas& c = Image1->canvas();
    c.setPen(colors::Blue, 1);
    for (int i = 1; i <= 18; ++i) c.line(20 * i, finalRow, 20 * i + 8, finalRow);
    plotText(0, finalRow - 20, QCoreApplication::translate("framework", "hуст"), 8, colors::Blue);
  }
  stepTitle();
}

void MeasuringForm::stepFrame(int unitRow) {
  stepTitle();
  plotText(10, unitRow, QStringLiteral("1"), 12);
  timeFrame(350, 375);
}
