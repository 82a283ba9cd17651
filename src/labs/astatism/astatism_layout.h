#pragma once
// The parts of the form that the coefficient window and the response window share: the title
// panel, the diagram panel, the parameter rows, the answer rows, and captions whose indices are
// small labels of their own beside the main text.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "labs/astatism/astatism_model.h"

class AnswerEdit;
class CheckMark;
class PlotView;
class QFrame;
class QLabel;
class QWidget;

namespace astatism::layout {

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

// "Астатизм САУ" over the scheme label; `lift` moves both up (work 4's response windows).
QFrame* titlePanel(QWidget* client, const WindowInfo& info, const QRect& r, int titleLift, int schemeLift);

// The diagram panel with the work's picture shown one to one; returns Image2.
PlotView* diagramPanel(QWidget* client, const WindowInfo& info, const QRect& panel, QSize image);

// The rows "T₁ = ", "T₂ = " (and "T₃ = ") with the value labels LT1.. at column 58.
std::vector<QLabel*> parameterRows(QWidget* panel, const WindowInfo& info, int firstRow);
void showParameters(const std::vector<QLabel*>& labels, const Params& p);
// Text of a value label: T1 in full, the others cut to 5 characters, then " c".
QString parameterText(int index, double value);

struct AnswerRow {
  AnswerEdit* edit;
  CheckMark* mark;
};
// One answer row: caption, EditN and SpeedButtonN; `editX` is where the box starts.
AnswerRow answerRow(QWidget* panel, int n, int y, const std::vector<Run>& label, int subPixels, int maxLength,
                    int editX = 46);

// What the box shows once its answer is right.
QString acceptedText(double truth);

// Fonts of the forms, by pixel height.
QFont arial(int px, bool bold = false, bool italic = false);
QFont sansSerif(int px);

}  // namespace astatism::layout
