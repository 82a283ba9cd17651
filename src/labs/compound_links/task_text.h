// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The task panels of the compound-link windows as data: a run of words, Symbol-font words,
// small indices and value labels, laid out left to right and wrapped at the panel's edge.
#include <QColor>
#include <QHash>
#include <QString>
#include <vector>

#include "framework/canvas.h"
#include "framework/captions.h"

class AnswerEdit;
class CheckMark;
class QLabel;
class QWidget;

namespace compound {

struct Piece {
  enum Kind { Text, Greek, Sub, Value, Break };
  Kind kind = Text;
  QString text;  // the words, or the object name of a value label
  QColor color = Qt::black;
  int reserve = 0;  // the width a value label keeps free for its text
};

inline Piece words(const QString& s, const QColor& c = Qt::black) { return {Piece::Text, s, c, 0}; }
inline Piece greek(const QString& s, const QColor& c = Qt::black) { return {Piece::Greek, s, c, 0}; }
inline Piece sub(const QString& s, const QColor& c = Qt::black) { return {Piece::Sub, s, c, 0}; }
inline Piece value(const QString& name, const QColor& c = colors::Teal, int reserve = 0) {
  return {Piece::Value, name, c, reserve};
}
inline Piece br() { return {Piece::Break, {}, Qt::black, 0}; }

// Shrinks a title panel's text until its longest word fits the panel.
void fitTitle(QLabel* title);

// One answer row: the letter (Symbol-font text when `greekLetter`), its small index, the rest
// of the caption (" = "), the box's maximum length.
struct AnswerLine {
  QString letter;
  QString index;
  int maxLength = 7;
  bool greekLetter = false;
  QString rest = QStringLiteral(" = ");
};

using AnswerWidgets = captions::AnswerRow;
// The row's caption, EditN and SpeedButtonN with the box at `boxX`; the window registers them.
AnswerWidgets answerRow(QWidget* panel, int n, int top, const AnswerLine& line, int boxX = 62);

struct TaskFlow {
  QHash<QString, QLabel*> values;  // the value labels by object name
  int bottom = 0;                  // below the last line
  QPoint end;                      // where the next piece would go
};

// Lays the pieces out in `panel` between x = 8 and `right`, from `top`, one line every
// `lineStep` pixels; words wrap at the right edge.
TaskFlow writeTask(QWidget* panel, int top, int right, const std::vector<Piece>& pieces, int pixels = 16,
                   int lineStep = 19);

}  // namespace compound
