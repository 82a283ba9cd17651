// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the eight invariance windows share: the row they are configured by, the drawn lags
// with their value labels, the task panel's pieces, and the frame of the response plot.
#include "framework/typical_form.h"
#include "labs/invariance/invariance_texts.h"

class QLabel;

namespace invariance {

class InvarianceForm : public TypicalForm {
  Q_OBJECT
 public:
  const WindowRow& row() const { return row_; }
  const Params& params() const { return params_; }

  QLabel* LT1 = nullptr;
  QLabel* LT2 = nullptr;

 protected:
  InvarianceForm(Host& host, const WindowDeclaration& declared, const WindowRow& row);

  // New lags (one re-seed, then T1 and m), their labels, and the blank bitmaps.
  void FormCreate() override;

  // "Для заданной САУ:" and the rows T1 = .., T2 = .. from `top`; returns the row below them.
  int parameterRows(int top, QWidget* panel = nullptr, int x = 8);
  // A word-wrapped task text (simple rich text: indices, colours).
  QLabel* taskRichText(const QRect& r, const QString& html, int pixels = 16);
  // The answer row "e_уст.g = " with its box.
  int errorRow(int top);
  // A framed formula "lhs = [num / den]" drawn with the diagrams' formula type.
  QLabel* formula(QWidget* parent, QPoint at, const QString& lhs, const QString& numerator, const QString& denominator);
  // Geometry of the plot image: 431 x 239 inside its panel.
  void plotGeometry();
  // Icons of the response windows over the picture: beside G and R, or beside F and over R.
  void placeIcons();
  // Title, axes, value and time ticks of the response plot; the icons' axes when shown.
  void drawFrame(const Plot& plot);

  const WindowRow& row_;
  Params params_;
};

}  // namespace invariance
