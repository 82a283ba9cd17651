// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "canvas.h"
#include "pictures/pictures.h"

namespace ui {

QFrame* panel(QWidget* parent, const QRect& r, Bevel bevel, const QString& name) {
  auto* f = new QFrame(parent);
  f->setGeometry(r);
  switch (bevel) {
    case Bevel::Single:
      f->setFrameStyle(QFrame::Box | QFrame::Plain);
      f->setLineWidth(1);
      break;
    case Bevel::Lowered:
      f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      break;
    case Bevel::Raised:
      f->setFrameStyle(QFrame::Panel | QFrame::Raised);
      break;
    case Bevel::None:
      f->setFrameStyle(QFrame::NoFrame);
      break;
  }
  if (!name.isEmpty()) f->setObjectName(name);
  return f;
}

void setTextColor(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, c);
  pal.setColor(QPalette::Text, c);
  pal.setColor(QPalette::ButtonText, c);
  w->setPalette(pal);
}

void setBackground(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, c);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

QLabel* label(QWidget* parent, QPoint p, const QString& text, const QFont& font, const QColor& color,
              const QString& name) {
  auto* l = new QLabel(text, parent);
  l->setFont(font);
  setTextColor(l, color);
  l->move(p);
  l->adjustSize();
  if (!name.isEmpty()) l->setObjectName(name);
  return l;
}

QLabel* label(QWidget* parent, const QRect& r, const QString& text, const QFont& font, const QColor& color,
              Qt::Alignment align, bool wrap, const QString& name) {
  auto* l = new QLabel(text, parent);
  l->setFont(font);
  setTextColor(l, color);
  l->setGeometry(r);
  l->setAlignment(align);
  l->setWordWrap(wrap);
  if (!name.isEmpty()) l->setObjectName(name);
  return l;
}

}  // namespace ui

AnswerEdit::AnswerEdit(QWidget* parent, const QRect& r, int maxLength, const QString& name) : QLineEdit(parent) {
  setGeometry(r);
  setMaxLength(maxLength);
  setObjectName(name);
  setFont(fonts::font(fonts::SansSerif, 16));
}

void AnswerEdit::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    emit enterPressed();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

CheckMark::CheckMark(QWidget* parent, const QRect& r, const QString& name) : QToolButton(parent) {
  setGeometry(r);
  setObjectName(name);
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(QCoreApplication::translate("framework", "принято"));
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(pictures::get(QStringLiteral("check"))), QIcon::Normal);
  icon.addPixmap(QPixmap::fromImage(pictures::get(QStringLiteral("check_disabled"))), QIcon::Disabled);
  setIcon(icon);
  setIconSize(QSize(20, 20));
  hide();
}
