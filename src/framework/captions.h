// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Captions whose indices and exponents are small labels of their own beside the main text
// ("T₁ = ", "a₀ = ", "ω_ср ="), and the answer row of the loop windows built on them: the
// caption centred left of EditN, the box, and SpeedButtonN.
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

class AnswerEdit;
class CheckMark;
class QWidget;

namespace captions {

// A piece of a caption: main text, main text in the Symbol face (Greek letters, written as
// that face has them: "w" for ω), an index below the line, or an exponent above it.
struct Run {
  enum Kind { Text, Greek, Sub, Sup };
  Kind kind;
  QString text;
};
inline Run text(const QString& s) { return {Run::Text, s}; }
inline Run greek(const QString& s) { return {Run::Greek, s}; }
inline Run sub(const QString& s) { return {Run::Sub, s}; }
inline Run sup(const QString& s) { return {Run::Sup, s}; }

int captionWidth(const std::vector<Run>& runs, const QFont& main, const QFont& small);
// Lays the runs out from `at` (top-left of the main text) and returns the column right of them.
// An index stands `drop` pixels below the main text's top; without one, a third of its height
// below the main line. `firstName` names the first label.
int caption(QWidget* parent, QPoint at, const std::vector<Run>& runs, const QFont& main, const QFont& small,
            const QColor& color, std::optional<int> drop = std::nullopt, const QString& firstName = {});

struct AnswerRow {
  AnswerEdit* edit;
  CheckMark* mark;
};
// Where an answer row puts its pieces, relative to the row's top y.
struct RowShape {
  int editX = 46;   // EditN from here to a pixel before the mark
  int markX = 138;  // SpeedButtonN
  int markWidth = 31;
  std::optional<int> captionX;   // none: the caption centred in the room left of the box
  int captionTop = 0;            // the caption's top below the row's
  int subPixels = 13;            // its indices' height (the main text is 21 pixels)
  std::optional<int> indexDrop;  // as caption() takes it
  QString captionName;           // object name of the caption's first label
};
// One answer row: the caption, EditN and SpeedButtonN.
AnswerRow answerRow(QWidget* panel, int n, int y, const std::vector<Run>& label, int maxLength, const RowShape& shape);
// The same with the loop windows' shape: EditN from `editX`, the indices `subPixels` high.
AnswerRow answerRow(QWidget* panel, int n, int y, const std::vector<Run>& label, int subPixels, int maxLength,
                    int editX = 46);

// The font at the largest pixel size, from its own down, at which every word of `text` fits in
// `room` pixels, so that a title wraps only between words (never smaller than `smallest`).
QFont fitWords(const QString& text, QFont font, int room, int smallest = 12);

// Fonts of the forms, by pixel height.
QFont arial(int px, bool bold = false, bool italic = false);
QFont sansSerif(int px);

}  // namespace captions
