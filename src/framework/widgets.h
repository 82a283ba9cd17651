// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small building blocks of the windows' fixed layouts: bordered panels, labels in the
// fonts the forms name, answer boxes that report Enter, check-mark buttons.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace ui {

enum class Bevel { Single, Lowered, Raised, None };

QFrame* panel(QWidget* parent, const QRect& r, Bevel bevel = Bevel::Single, const QString& name = {});

// Auto-sized label with its top-left at p.
QLabel* label(QWidget* parent, QPoint p, const QString& text, const QFont& font, const QColor& color = Qt::black,
              const QString& name = {});
// Label in a fixed box (word wrap and alignment as given).
QLabel* label(QWidget* parent, const QRect& r, const QString& text, const QFont& font, const QColor& color = Qt::black,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop, bool wrap = false, const QString& name = {});

void setTextColor(QWidget* w, const QColor& c);
void setBackground(QWidget* w, const QColor& c);

}  // namespace ui

// An answer box: no key filter, only Enter is reported.
class AnswerEdit : public QLineEdit {
  Q_OBJECT
 public:
  AnswerEdit(QWidget* parent, const QRect& r, int maxLength, const QString& name);
 signals:
  void enterPressed();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
};

// The flat violet tick shown beside an answer box once the answer is right.
class CheckMark : public QToolButton {
  Q_OBJECT
 public:
  CheckMark(QWidget* parent, const QRect& r, const QString& name);
};
