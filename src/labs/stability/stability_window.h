// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window of the stability works shares: the row it is configured by, the title and
// diagram panels, the work's data (drawn by the window that owns them, copied by the later
// windows when they are created) and the restart of the work at its owner.
#include <QRect>
#include <QString>

#include "framework/experiment_window.h"
#include "framework/rich_text.h"
#include "labs/stability/stability_table.h"

class PlotView;
class QFrame;
class QLabel;

namespace stability {

class StabilityWindow : public ExperimentWindow {
 public:
  const WindowRow& row() const { return row_; }
  const Params& params() const { return params_; }

  PlotView* Image2 = nullptr;  // the diagram

 protected:
  StabilityWindow(Host& host, const WindowDeclaration& declared, const WindowRow& row);

  // The owner of the work's data and the window before it draw new parameters; the later
  // windows copy the owner's (or, when it has been closed, the nearest earlier window's).
  void takeData();
  // Closes every window of the work after the owner, this one too, and gives the owner new
  // data: the work starts again at the owner's task.
  void restartAtOwner();

  // A bordered panel of the client area.
  QFrame* panel(const QRect& r, const QString& name);
  // Rich text (indices as <sub>) in a fixed box, word-wrapped.
  static QLabel* richText(QWidget* parent, const QRect& r, const QString& html, int pixels,
                          const QColor& color = QColor(0, 0, 0), bool italic = false);
  // The task number at the top of the task panel, "Задание № 1 из 5".
  void taskNumber(QWidget* panel);

  const WindowRow& row_;
  Params params_;
};

// What a box shows once its answer is right.
QString acceptedText(double v);
// "T<sub>1</sub>" and the like.
using rich::indexed;
// The index of a critical value, "1,кр" for k₁,кр (T₄,кр: 4), in the running language.
QString critical(int index = 1);

}  // namespace stability
