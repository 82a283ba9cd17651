// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "task_text.h"

#include <QFontMetrics>
#include <algorithm>
#include <QLabel>
#include <QRegularExpression>

#include "framework/captions.h"
#include "framework/widgets.h"

namespace compound {

TaskFlow writeTask(QWidget* panel, int top, int right, const std::vector<Piece>& pieces, int pixels, int lineStep) {
  constexpr int left = 8;
  TaskFlow flow;
  int x = left, y = top;
  const QFont arial = fonts::font(fonts::Arial, pixels);
  const QFont symbol = fonts::font(fonts::Symbol, pixels);
  const QFont small = fonts::font(fonts::Arial, pixels * 2 / 3 + 1);
  const auto newLine = [&] {
    x = left;
    y += lineStep;
  };
  for (const Piece& p : pieces) {
    switch (p.kind) {
      case Piece::Break:
        newLine();
        break;
      case Piece::Sub: {
        QLabel* l = ui::label(panel, QPoint(x, y + pixels / 2), p.text, small, p.color);
        x += l->width();
        break;
      }
      case Piece::Value: {
        QLabel* l = ui::label(panel, QPoint(x, y), QString(), arial, p.color, p.text);
        flow.values.insert(p.text, l);
        x += p.reserve;
        break;
      }
      case Piece::Greek: {
        QLabel* l = ui::label(panel, QPoint(x, y), fonts::greek(p.text), symbol, p.color);
        x += l->width();
        break;
      }
      case Piece::Text: {
        // Words (each with the blanks after it) go on the line while they fit; a word that
        // does not starts the next line. Blanks at the start of a piece are kept.
        static const QRegularExpression token(QStringLiteral("[^ ]+ *| +"));
        const QFontMetrics fm(arial);
        QString line;
        const auto flush = [&] {
          if (line.isEmpty()) return;
          ui::label(panel, QPoint(x, y), line, arial, p.color);
          x += fm.horizontalAdvance(line);
          line.clear();
        };
        for (auto it = token.globalMatch(p.text); it.hasNext();) {
          const QString word = it.next().captured();
          const bool blank = word.trimmed().isEmpty();
          if (!blank && x + fm.horizontalAdvance(line + word.trimmed()) > right && (!line.isEmpty() || x > left)) {
            flush();
            newLine();
          }
          line += word;
        }
        flush();
        break;
      }
    }
  }
  flow.bottom = y + lineStep;
  flow.end = QPoint(x, y);
  return flow;
}

AnswerWidgets answerRow(QWidget* panel, int n, int top, const AnswerLine& line, int boxX) {
  // The 21-pixel caption stands on the same baseline as the box's text.
  captions::RowShape shape;
  shape.editX = boxX;
  shape.markX = boxX + 90;
  shape.markWidth = 35;
  shape.captionX = 8;
  shape.captionTop = -1;
  shape.indexDrop = 10;
  shape.captionName = QStringLiteral("LabelEdit%1").arg(n);
  std::vector<captions::Run> caption{line.greekLetter ? captions::greek(line.letter) : captions::text(line.letter)};
  if (!line.index.isEmpty()) caption.push_back(captions::sub(line.index));
  caption.push_back(captions::text(line.rest));
  return captions::answerRow(panel, n, top, caption, line.maxLength, shape);
}

void fitTitle(QLabel* title) {
  // The longest word must fit the panel: some link names are longer than 21 bold pixels allow.
  title->setFont(captions::fitWords(title->text(), title->font(), title->width() - 4));
}

}  // namespace compound
