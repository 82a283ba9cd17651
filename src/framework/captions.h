#pragma once
// Captions whose indices and exponents are small labels of their own beside the main text
// ("T₁ = ", "a₀ = ", "ω_ср ="), and the answer row of the loop windows built on them: the
// caption centred left of EditN, the box, and SpeedButtonN.
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <vector>

class AnswerEdit;
class CheckMark;
class QWidget;

namespace captions {

// A piece of a caption: main text, an index below the line, or an exponent above it.
struct Run {
  enum Kind { Text, Sub, Sup };
  Kind kind;
  QString text;
};
inline Run text(const QString& s) { return {Run::Text, s}; }
inline Run sub(const QString& s) { return {Run::Sub, s}; }
inline Run sup(const QString& s) { return {Run::Sup, s}; }

int captionWidth(const std::vector<Run>& runs, const QFont& main, const QFont& small);
// Lays the runs out from `at` (top-left of the main text) and returns the column right of them.
int caption(QWidget* parent, QPoint at, const std::vector<Run>& runs, const QFont& main, const QFont& small,
            const QColor& color);

struct AnswerRow {
  AnswerEdit* edit;
  CheckMark* mark;
};
// One answer row: caption (21 px, its indices `subPixels` high), EditN from `editX` to the
// check mark at x = 138, and SpeedButtonN.
AnswerRow answerRow(QWidget* panel, int n, int y, const std::vector<Run>& label, int subPixels, int maxLength,
                    int editX = 46);

// The font at the largest pixel size, from its own down, at which every word of `text` fits in
// `room` pixels, so that a title wraps only between words (never smaller than `smallest`).
QFont fitWords(const QString& text, QFont font, int room, int smallest = 12);

// Fonts of the forms, by pixel height.
QFont arial(int px, bool bold = false, bool italic = false);
QFont sansSerif(int px);

}  // namespace captions
