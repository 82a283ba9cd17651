// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/correction/correction_layout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/captions.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/widgets.h"
#include "pictures/pictures.h"

namespace correction::layout {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

language::Text titleText(const Work& work) {
  switch (work.scheme) {
    case Scheme::Series:
      return {"correction", QT_TRANSLATE_NOOP("correction", "Последовательная коррекция САУ")};
    case Scheme::Parallel:
      return {"correction", QT_TRANSLATE_NOOP("correction", "Параллельная коррекция САУ")};
    case Scheme::LocalFeedback:
      break;
  }
  return {"correction", QT_TRANSLATE_NOOP("correction", "Коррекция в виде местной обратной связи")};
}

QString title(const Work& work) { return titleText(work); }

QString caption(const Work& work, int n) {
  return QCoreApplication::translate("correction", "%1. Опыт №%2").arg(title(work)).arg(n);
}

Counter counter(const Work& work, const WindowDeclaration& window) {
  return work.scheme == Scheme::Parallel && window.index == window.count ? Counter::Tight : Counter::Spaced;
}

QFont titleFont(const QString& title) {
  // Navy Arial 19 bold; a word too long for the panel ("Последовательная") makes it smaller.
  return captions::fitWords(title, fonts::font(fonts::Arial, 19, true), TitleRect.width() - 8);
}

QFrame* titlePanel(QWidget* client, const Work& work) {
  auto* panel = ui::panel(client, TitleRect, ui::Bevel::Single, QStringLiteral("Panel1"));
  ui::label(panel, QRect(4, 4, TitleRect.width() - 8, TitleRect.height() - 8), title(work), titleFont(title(work)),
            colors::Navy, Qt::AlignCenter, true, QStringLiteral("Label1"));
  return panel;
}

PlotView* diagramPanel(QWidget* client, const Work& work) {
  auto* panel = ui::panel(client, DiagramRect, ui::Bevel::Single, QStringLiteral("Panel3"));
  const QSize size(427, 115);
  auto* view = new PlotView(panel, QRect(QPoint(3, 3), size), size);
  view->setObjectName(QStringLiteral("Image2"));
  view->canvas().load(pictures::get(text(work.picture)));
  return view;
}

QFrame* taskPanel(QWidget* client, const Work& work, const WindowDeclaration& window) {
  auto* panel = ui::panel(client, TaskRect, ui::Bevel::Single, QStringLiteral("Panel2"));
  ui::label(panel, QPoint(8, 4), window.counter(counter(work, window)), fonts::font(fonts::Arial, 19, false, true),
            Qt::black, QStringLiteral("Label2"));
  return panel;
}

namespace {

std::vector<captions::Run> runs(const QString& letter, const QString& index, const QString& tail) {
  std::vector<captions::Run> r{captions::text(letter)};
  if (!index.isEmpty()) r.push_back(captions::sub(index));
  r.push_back(captions::text(tail));
  return r;
}

// The index two thirds of its ascent above the letter's baseline.
int indexDrop(const QFont& main, const QFont& small) {
  return QFontMetrics(main).ascent() - QFontMetrics(small).ascent() * 2 / 3;
}

}  // namespace

int caption(QWidget* parent, QPoint at, const QString& letter, const QString& index, const QString& tail, int pixels,
            const QColor& color) {
  const QFont main = fonts::font(fonts::SansSerif, pixels);
  const QFont small = fonts::font(fonts::SansSerif, pixels * 2 / 3);
  return captions::caption(parent, at, runs(letter, index, tail), main, small, color, indexDrop(main, small));
}

Parameters parameterRows(QWidget* panel, int y) {
  constexpr int valueX = 56;
  const QFont value = fonts::font(fonts::Arial, 19);
  Parameters p{};
  QLabel** labels[] = {&p.LT1, &p.LT2};
  for (int i = 0; i < 2; ++i) {
    const int row = y + 24 * i;
    caption(panel, QPoint(12, row), QStringLiteral("T"), QString::number(i + 1), QStringLiteral(" ="), 19,
            colors::Teal);
    *labels[i] = ui::label(panel, QRect(valueX, row, 126, 23), QString(), value, colors::Teal,
                           Qt::AlignLeft | Qt::AlignVCenter, false, QStringLiteral("LT%1").arg(i + 1));
  }
  return p;
}

void showParameters(const Parameters& p, double T1, double T2, int t2Chars) {
  p.LT1->setText(FloatToStr(T1) + QCoreApplication::translate("correction", " c"));
  p.LT2->setText(numtext::FloatCut(T2, t2Chars) + QCoreApplication::translate("correction", " c"));
}

AnswerRow answerRow(QWidget* panel, int n, int y, const QString& letter, const QString& index) {
  captions::RowShape shape;
  shape.editX = 58;
  shape.markX = 150;
  shape.markWidth = 35;
  shape.captionX = 6;
  shape.subPixels = 14;
  shape.indexDrop = indexDrop(captions::sansSerif(21), captions::sansSerif(14));
  return captions::answerRow(panel, n, y, runs(letter, index, QStringLiteral("=")), 7, shape);
}

QString acceptedText(double truth) { return numtext::FloatCut(truth, 6); }

}  // namespace correction::layout
