// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of the form that the gain windows and the step-response windows of the
// correction works share:
//
//   title (8, 8, 177 x 121)     diagram (192, 8, 433 x 121): the loop picture, 427 x 115
//   task  (8, 136, 177 x 245)   right   (192, 136, 433 x 245): the task text or the plot
//
// (as the astatism windows: the right panels end at x = 625, inside the child's client area)
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "framework/captions.h"
#include "framework/window_declaration.h"
#include "i18n/language.h"
#include "labs/correction/correction_model.h"

class AnswerEdit;
class CheckMark;
class PlotView;
class QFrame;
class QLabel;
class QWidget;

namespace correction::layout {

inline constexpr QRect TitleRect{8, 8, 177, 121};
inline constexpr QRect DiagramRect{192, 8, 433, 121};
inline constexpr QRect TaskRect{8, 136, 177, 245};
inline constexpr QRect RightRect{192, 136, 433, 245};
// Where the step windows lay their icons over the picture (its bottom corners).
inline constexpr QRect InputIconRect{0, 74, 57, 41};
inline constexpr QRect OutputIconRect{378, 74, 49, 41};

QString text(const std::string& utf8);

// The work's texts in the running language: its title (also its title in the journal) and a
// window's caption "<title>. Опыт №n".
language::Text titleText(const Work& work);
QString title(const Work& work);
QString caption(const Work& work, int n);
// How a window writes its counter "Задание № n из N": the parallel work's last counter has no
// space after the sign.
Counter counter(const Work& work, const WindowDeclaration& window);

QFrame* titlePanel(QWidget* client, const Work& work);
// The title's font: as large as lets every word of it fit the title panel, at most 19 px.
QFont titleFont(const QString& title);
// The diagram panel with the work's picture one to one; returns Image2.
PlotView* diagramPanel(QWidget* client, const Work& work);
// The task panel with the counter "Задание № n из N" at its top.
QFrame* taskPanel(QWidget* client, const Work& work, const WindowDeclaration& window);

// A caption with an index, "T₁ = ": the index is a small label of its own beside the letter.
// Returns the column right of it.
int caption(QWidget* parent, QPoint at, const QString& letter, const QString& index, const QString& tail, int pixels,
            const QColor& color);

// "T₁ = " and "T₂ = " with their value labels LT1, LT2 at rows y and y + 22.
struct Parameters {
  QLabel* LT1;
  QLabel* LT2;
};
Parameters parameterRows(QWidget* panel, int y);
// "0.123 c": T1 in full, T2 cut to t2Chars characters.
void showParameters(const Parameters& p, double T1, double T2, int t2Chars);

using AnswerRow = captions::AnswerRow;
// One answer row: the caption (letter with index), EditN and SpeedButtonN.
AnswerRow answerRow(QWidget* panel, int n, int y, const QString& letter, const QString& index);

// What an answer box shows once its answer is right.
QString acceptedText(double truth);

}  // namespace correction::layout
