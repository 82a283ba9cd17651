// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labs/stability/stability_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include "framework/canvas.h"
#include "framework/numtext.h"
#include "framework/plot_view.h"
#include "framework/random.h"
#include "framework/widgets.h"
#include "pictures/pictures.h"

namespace stability {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
// "Устойчивость САУ. Лаб №1.1", "Схема №1" in the running language.
QString caption(const WindowRow& r) {
  return QCoreApplication::translate("stability", "Устойчивость САУ. Лаб №%1.%2").arg(r.work).arg(r.task);
}
QString scheme(const WindowRow& r) { return QCoreApplication::translate("stability", "Схема №%1").arg(r.work); }
}  // namespace

QString acceptedText(double v) { return numtext::FloatCut(v, 6); }

QString critical(int index) {
  //: Index of a critical value (Russian "кр", "критический"): k_1,кр, T_4,кр; %1 is the parameter's own index.
  return QCoreApplication::translate("stability", "%1,кр").arg(index);
}

StabilityWindow::StabilityWindow(Host& host, const WindowDeclaration& declared, const WindowRow& row)
    : ExperimentWindow(host, declared, caption(row)), row_(row) {
  Timer1->setInterval(100);

  // The title gives room to the task panel below it: the windows show everything above the
  // command bar, nothing scrolls.
  auto* title = panel(QRect(8, 8, 177, 62), QStringLiteral("Panel3"));
  ui::label(title, QRect(2, 4, 173, 26), QCoreApplication::translate("stability", "Устойчивость САУ"),
            fonts::font(fonts::Arial, 19, true), colors::Navy, Qt::AlignHCenter | Qt::AlignTop);
  ui::label(title, QRect(2, 32, 173, 24), scheme(row), fonts::font(fonts::Arial, 17, true), colors::Navy,
            Qt::AlignHCenter | Qt::AlignTop);

  auto* diagram = panel(QRect(192, 8, 433, 121), QStringLiteral("Panel5"));
  Image2 = new PlotView(diagram, QRect(3, 3, 427, 115), QSize(427, 115));
  Image2->setObjectName(QStringLiteral("Image2"));
}

QFrame* StabilityWindow::panel(const QRect& r, const QString& name) {
  return ui::panel(client(), r, ui::Bevel::Single, name);
}

QLabel* StabilityWindow::richText(QWidget* parent, const QRect& r, const QString& html, int pixels, const QColor& color,
                                  bool italic) {
  auto* l = ui::label(parent, r, html, fonts::font(fonts::Arial, pixels, false, italic), color,
                      Qt::AlignLeft | Qt::AlignTop, true);
  l->setTextFormat(Qt::RichText);
  return l;
}

void StabilityWindow::taskNumber(QWidget* panel) {
  ui::label(panel, QPoint(8, 2), declaration().counter(Counter::Spaced), fonts::font(fonts::Arial, 19, false, true),
            Qt::black, QStringLiteral("Label2"));
}

void StabilityWindow::takeData() {
  Image2->canvas().load(pictures::get(q(row_.picture())));
  if (!row_.drawsOwnData()) {
    // T1, T2, T3 and k1 as drawParams gives them.
    const auto earlier = taken(QStringLiteral("params"), {4, 0.1, 1.5}, [this]() -> std::optional<std::vector<double>> {
      for (int task = row_.ownerTask(); task < row_.task; ++task)
        if (auto p = work().shared(declaration().work.value(task - 1), QStringLiteral("params"))) return p;
      return std::nullopt;
    });
    if (earlier) {
      params_ = {earlier->at(0), earlier->at(1), earlier->at(2), earlier->at(3)};
      work().share(objectName(), QStringLiteral("params"), *earlier);
      return;
    }
  }
  // The owner draws; so does a later window that finds no window of its work alive to read
  // (all closed by their close boxes), rather than tracing a loop of zero time constants.
  Randomize();
  params_ = drawParams();
  work().share(objectName(), QStringLiteral("params"), {params_.t1, params_.t2, params_.t3, params_.k1});
}

void StabilityWindow::restartAtOwner() {
  // Every later window goes, not only those up to this one: a window left open further on
  // would show the old data after the restart.
  const QStringList& work = declaration().work;
  for (int task = static_cast<int>(work.size()); task > row_.ownerTask(); --task)
    if (ExperimentWindow* w = host().findWindow(work.value(task - 1))) w->close();
  const QString owner = work.value(row_.ownerTask() - 1);
  if (ExperimentWindow* o = host().findWindow(owner)) {
    o->regenerate();
    host().open(owner);
  } else {
    host().open(owner);  // closed by its own close box: a new one has new data
  }
}

}  // namespace stability
