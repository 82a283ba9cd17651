// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/astatism/astatism_layout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <cmath>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/widgets.h"
#include "pictures/pictures.h"

namespace astatism::layout {

QString captionText(const WindowInfo& info) {
  return QCoreApplication::translate("astatism", "Астатизм САУ. Лаб №%1.%2").arg(info.work).arg(info.task);
}

QString schemeText(const WindowInfo& info) {
  return QCoreApplication::translate("astatism", "Схема №%1").arg(info.work);
}

QString plotTitle(const WindowInfo& info) {
  switch (info.task) {
    case 3:
      return QCoreApplication::translate("astatism", "Реакция системы r(t) на сигнал задания g(t)=1");
    case 4:
      return QCoreApplication::translate("astatism", "Реакция системы r(t) на сигнал возмущения f(t)=1");
    case 5:
    case 7:
      return QCoreApplication::translate("astatism", "Реакция системы r(t) на сигнал задания g(t)=t");
    case 6:
    case 8:
      return QCoreApplication::translate("astatism", "Реакция системы r(t) на сигнал возмущения f(t)=t");
  }
  return {};
}

QFrame* titlePanel(QWidget* client, const WindowInfo& info, const QRect& r, int titleLift, int schemeLift) {
  auto* panel = ui::panel(client, r, ui::Bevel::Single, QStringLiteral("Panel3"));
  // Narrow enough that the title breaks into two centred lines.
  ui::label(panel, QRect(32, 9 - titleLift, 113, 56), QCoreApplication::translate("astatism", "Астатизм САУ"),
            arial(24, true), colors::Navy, Qt::AlignHCenter | Qt::AlignTop, true);
  ui::label(panel, QPoint(40, 73 - schemeLift), schemeText(info), arial(20, true), colors::Navy);
  return panel;
}

PlotView* diagramPanel(QWidget* client, const WindowInfo& info, const QRect& r, QSize image) {
  auto* panel = ui::panel(client, r, ui::Bevel::Single, QStringLiteral("Panel5"));
  auto* view = new PlotView(panel, QRect(QPoint(3, 3), image), QSize(427, 115));
  view->setObjectName(QStringLiteral("Image2"));
  view->canvas().load(pictures::get(QString::fromStdString(info.picture)));
  return view;
}

std::vector<QLabel*> parameterRows(QWidget* panel, const WindowInfo& info, int firstRow) {
  const QFont main = arial(21), small = arial(16), value = arial(19);
  constexpr int valueX = 58;
  std::vector<QLabel*> labels;
  for (int i = 0; i < info.paramCount; ++i) {
    const int y = firstRow + 24 * i;
    const std::vector<Run> runs{text(QStringLiteral("T")), sub(QString::number(i + 1)), text(QStringLiteral(" = "))};
    // The caption ends just before the value label, whatever the face's widths.
    caption(panel, QPoint(valueX - captionWidth(runs, main, small), y), runs, main, small, colors::Teal);
    labels.push_back(ui::label(panel, QRect(valueX, y, 112, 23), QString(), value, colors::Teal,
                               Qt::AlignLeft | Qt::AlignVCenter, false, QStringLiteral("LT%1").arg(i + 1)));
  }
  return labels;
}

QString parameterText(int index, double value) {
  const QString v = index == 0 ? FloatToStr(value) : numtext::FloatCut(value, 5);
  return v + QCoreApplication::translate("astatism", " c");
}

void showParameters(const std::vector<QLabel*>& labels, const Params& p) {
  const double values[] = {p.t1, p.t2, p.t3};
  for (std::size_t i = 0; i < labels.size() && i < 3; ++i)
    labels[i]->setText(parameterText(static_cast<int>(i), values[i]));
}

QString acceptedText(double truth) { return numtext::FloatCut(truth, 6); }

}  // namespace astatism::layout
