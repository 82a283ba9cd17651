// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of the form that the coefficient window and the response window share: the title
// panel, the diagram panel, the parameter rows; captions and answer rows come from the framework.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "framework/captions.h"
#include "labs/astatism/astatism_model.h"

class PlotView;
class QFrame;
class QLabel;
class QWidget;

namespace astatism::layout {

using captions::answerRow;
using captions::AnswerRow;
using captions::arial;
using captions::caption;
using captions::captionWidth;
using captions::Run;
using captions::sansSerif;
using captions::sub;
using captions::sup;
using captions::text;

// "Астатизм САУ" over the scheme label; `lift` moves both up (work 4's response windows).
QFrame* titlePanel(QWidget* client, const WindowInfo& info, const QRect& r, int titleLift, int schemeLift);

// The diagram panel with the work's picture shown one to one; returns Image2.
PlotView* diagramPanel(QWidget* client, const WindowInfo& info, const QRect& panel, QSize image);

// The rows "T₁ = ", "T₂ = " (and "T₃ = ") with the value labels LT1.. at column 58.
std::vector<QLabel*> parameterRows(QWidget* panel, const WindowInfo& info, int firstRow);
void showParameters(const std::vector<QLabel*>& labels, const Params& p);
// Text of a value label: T1 in full, the others cut to 5 characters, then " c".
QString parameterText(int index, double value);

// The window's texts in the running language (the model keeps the Russian ones): the caption
// "Астатизм САУ. Лаб №1.1", the scheme label "Схема №1" and the title of a response plot. The
// task number, "Задание № 1 из 8", is the declaration's counter.
QString captionText(const WindowInfo& info);
QString schemeText(const WindowInfo& info);
QString plotTitle(const WindowInfo& info);

// What the box shows once its answer is right.
QString acceptedText(double truth);

}  // namespace astatism::layout
