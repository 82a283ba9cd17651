// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typical_form.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include "canvas.h"
#include "pictures/pictures.h"
#include "plot_view.h"
#include "widgets.h"

namespace {
constexpr QRect TitleRect{8, 8, 193, 90};
constexpr QRect TaskRect{8, 104, 193, 273};
constexpr QRect DiagramRect{208, 8, 417, 90};
constexpr QRect PlotRect{208, 104, 417, 273};
constexpr QSize IconSize{65, 57};
constexpr QSize PictureSize{415, 88};
}  // namespace

int TypicalForm::mini(double v) { return ceil_(v / IconScale); }

TypicalForm::TypicalForm(Host& host, const WindowDeclaration& declared, const QString& caption,
                         const TypicalLayout& layout)
    : ExperimentWindow(host, declared, caption), picture_(layout.picture) {
  titlePanel = ui::panel(client(), TitleRect, ui::Bevel::Single, QStringLiteral("Panel1"));
  titleLabel =
      ui::label(titlePanel, QRect(4, 2, TitleRect.width() - 8, TitleRect.height() - 4), layout.title,
                fonts::font(fonts::Arial, 21, true), colors::Navy, Qt::AlignCenter, true, QStringLiteral("Label1"));

  taskPanel = ui::panel(client(), TaskRect, ui::Bevel::Single, QStringLiteral("Panel2"));
  taskNumber = ui::label(taskPanel, QPoint(8, 6), declared.counter(layout.counter),
                         fonts::font(fonts::Arial, 19, false, true), Qt::black, QStringLiteral("Label2"));
  taskText =
      ui::label(taskPanel, QRect(8, 34, TaskRect.width() - 14, 150), layout.taskText, fonts::font(fonts::Arial, 16),
                Qt::black, Qt::AlignLeft | Qt::AlignTop, true, QStringLiteral("Label3"));
  taskText->setVisible(!layout.taskText.isEmpty());

  // The picture fills the panel; the icons lie over the ends of its arrows, where the
  // picture keeps nothing but the arrow tails.
  diagramPanel = ui::panel(client(), DiagramRect, ui::Bevel::Single, QStringLiteral("Panel3"));
  Image2 = new PlotView(diagramPanel, QRect(QPoint(1, 1), PictureSize), PictureSize);
  Image2->setObjectName(QStringLiteral("Image2"));
  const int iconTop = 1 + (PictureSize.height() - IconSize.height()) / 2;
  Image3 = new PlotView(diagramPanel, QRect(QPoint(1, iconTop), IconSize), IconSize);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image4 = new PlotView(diagramPanel, QRect(QPoint(1 + PictureSize.width() - IconSize.width(), iconTop), IconSize),
                        IconSize);
  Image4->setObjectName(QStringLiteral("Image4"));

  plotPanel = ui::panel(client(), PlotRect, ui::Bevel::Single, QStringLiteral("Panel4"));
  Image1 = new PlotView(plotPanel, QRect(QPoint(1, 1), PlotSize));
  Image1->setObjectName(QStringLiteral("Image1"));
}

void TypicalForm::FormCreate() {
  ExperimentWindow::FormCreate();
  Image1->canvas().loadWall();
  Image3->canvas().loadWall();
  Image4->canvas().loadWall();
  Image2->canvas().load(pictures::get(picture_));
  Canvas& c = Image1->canvas();
  c.setBrush(colors::White);
  c.fillRect(0, 0, PlotSize.width(), PlotSize.height());
  for (PlotView* v : {Image1, Image3, Image4}) {
    v->canvas().setPen(colors::Black, 1);
    v->canvas().setFontColor(colors::Black);
  }
}

int TypicalForm::addAnswerRow(int top, const QString& caption, int maxLength, int boxX, bool greek) {
  const int n = answerCount() + 1;
  // The 21-pixel caption stands on the same baseline as the box's text.
  ui::label(taskPanel, QPoint(8, top - 1), greek ? fonts::greek(caption) : caption,
            fonts::font(greek ? fonts::Symbol : fonts::SansSerif, 21), Qt::black, QStringLiteral("LabelEdit%1").arg(n));
  auto* edit = new AnswerEdit(taskPanel, QRect(boxX, top, 89, 25), maxLength, QStringLiteral("Edit%1").arg(n));
  auto* mark = new CheckMark(taskPanel, QRect(boxX + 90, top, 35, 25), QStringLiteral("SpeedButton%1").arg(n));
  return addAnswer(edit, mark);
}

QLabel* TypicalForm::taskLabel(QPoint at, const QString& text, int pixels, const QColor& color, bool greek) {
  return ui::label(taskPanel, at, greek ? fonts::greek(text) : text,
                   fonts::font(greek ? fonts::Symbol : fonts::Arial, pixels), color);
}

void TypicalForm::timeAxes(int y0, int right) {
  for (PlotView* v : {Image1, Image3, Image4}) {
    Canvas& c = v->canvas();
    const bool icon = v != Image1;
    const int scale = iconScale_;
    const auto at = [icon, scale](double p) { return icon ? ceil_(p / scale) : static_cast<int>(p); };
    c.setPen(colors::Black, 1);
    c.line(at(30), at(20), at(30), at(260));
    c.line(at(10), at(y0), at(right), at(y0));
  }
}

void TypicalForm::timeFrame(int tLabel, int right) {
  plotText(10, 240, QStringLiteral("0"), 12);
  plotText(10, 10, QStringLiteral("h"), 12);
  plotText(tLabel, 240, QCoreApplication::translate("framework", "t, c"), 12);
  timeAxes(240, right);
}

void TypicalForm::plotText(int x, int y, const QString& text, int points, const QColor& color) {
  Canvas& c = Image1->canvas();
  c.setFont(fonts::SansSerif, points, true);
  c.setFontColor(color);
  // A label that would run past the plot's right edge (an axis name longer in translation,
  // "ωt, rad" for "wt, c") ends at the edge instead; the others stand where they are put.
  c.textOut(std::min(x, Image1->width() - c.textWidth(text) - 1), y, text);
  c.setFontColor(colors::Black);
}

void TypicalForm::iconLine(PlotView* icon, const QColor& color, double x1, double y1, double x2, double y2) const {
  const auto at = [this](double p) { return ceil_(p / iconScale_); };
  Canvas& c = icon->canvas();
  c.setPen(color, 1);
  c.line(at(x1), at(y1), at(x2), at(y2));
}

bool TypicalForm::stepPass(int j, const StepTrace& t) {
  if (j >= t.passes) return false;
  Canvas& c = Image1->canvas();
  const auto iconRow = [&t](int n) { return t.iconOutput ? t.iconOutput(n) : t.output(n); };
  if (j < RampInputPass) {
    if (t.leadDots) {
      c.setPen(colors::Blue, 3);
      c.dot(j + 10, 240);
    }
    iconLine(Image3, colors::Red, j + 10, 240, j + 11, 240);
    iconLine(Image4, colors::Blue, j + 10, 240, j + 11, 240);
  } else if (j == RampInputPass) {
    c.setPen(colors::Red, t.inputPen);
    c.line(30, 240, 30, t.input);
    iconLine(Image3, colors::Red, 30, 240, t.iconStep.x(), t.iconStep.y());
    if (t.outputJumps) {
      c.setPen(colors::Blue, 2);
      c.line(30, 240, 30, t.output(1));
      iconLine(Image4, colors::Blue, 30, 240, 30, t.output(1));
    }
  } else {
    const int n = j - RampInputPass;
    if (t.dots) {
      c.setPen(colors::Blue, 3);
      c.dot(j + 10, t.output(n));
      c.setPen(colors::Red, 3);
      c.dot(j + 10, t.input);
    } else {
      c.setPen(colors::Blue, 2);
      c.line(j + 9, t.output(n), j + 10, t.output(n + 1));
      c.setPen(colors::Red, 2);
      c.line(j + 9, t.input, j + 10, t.input);
    }
    const int x = j + t.iconShift;
    iconLine(Image3, colors::Red, x, t.input, x + 1, t.input);
    iconLine(Image4, colors::Blue, x, iconRow(n), x + 1, iconRow(n + 1));
  }
  return true;
}

void TypicalForm::outputSegment(int x1, int y1, int x2, int y2) {
  Canvas& c = Image1->canvas();
  c.setPen(colors::Blue, 2);
  c.line(x1, y1, x2, y2);
  iconLine(Image4, colors::Blue, x1, y1, x2, y2);
}

void TypicalForm::inputSegment(int x1, int y1, int x2, int y2) {
  Canvas& c = Image1->canvas();
  c.setPen(colors::Red, 2);
  c.line(x1, y1, x2, y2);
  iconLine(Image3, colors::Red, x1, y1, x2, y2);
}

void TypicalForm::rampLead(int j, bool dots) {
  if (dots) {
    Canvas& c = Image1->canvas();
    c.setPen(colors::Blue, 2);
    c.dot(j + 10, 240);
  }
  iconLine(Image3, colors::Red, j + 10, 240, j + 11, 240);
  iconLine(Image4, colors::Blue, j + 10, 240, j + 11, 240);
}

void TypicalForm::sineFrame(int R) {
  plotText(50, 0, QCoreApplication::translate("framework", "Реакция на синусоидальный сигнал g(t)=sin(wt)"), 10);
  plotText(15, 118, QStringLiteral("0"), 12);
  plotText(15, 5, QStringLiteral("h"), 12);
  plotText(380, 110, QCoreApplication::translate("framework", "t, c"), 12);
  timeAxes(135);
  plotText(0, 25, QStringLiteral("gmax"), 8, colors::Red);
  plotText(0, 120 - R, QStringLiteral("rmax"), 8, colors::Blue);
  Canvas& c = Image1->canvas();
  for (int i = 1; i <= 19; ++i) {
    c.setPen(colors::Red, 1);
    c.line(20 * i, 25, 20 * i + 10, 25);
    c.line(20 * i, 245, 20 * i + 10, 245);
    c.setPen(colors::Blue, 1);
    c.line(20 * i, 135 - R, 20 * i + 10, 135 - R);
    c.line(20 * i, 135 + R, 20 * i + 10, 135 + R);
  }
}
