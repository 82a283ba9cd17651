// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help topics: the text of a topic (a resource file per context number, in the markup of
// topic_markup.h) and the numbers of its worked example, computed by the sections' own model
// functions, so that an example always agrees with what the windows accept.
#include "i18n/language.h"
#include "topic_markup.h"

namespace help {

// The start screen's topic; every other topic is a work's, named by its declaration.
inline constexpr int MainTopic = 111;

// A topic is its file, src/help/topics/<context>.html (topics/<language>/ for a translation),
// found by its name; nothing else registers it.
bool hasTopic(int context, language::Language l);
// Every topic that has a file, in the order of the numbers.
QList<int> topicFiles();

// The topic's file as written, in the running language or the one given; empty when there is none.
QString topicSource(int context);
QString topicSource(int context, language::Language l);
// The topic as the viewer shows it: the example's numbers filled in, formulas expanded.
QString renderTopic(int context);

// The numbers of a topic's worked example, by the names its text uses. Numbers go through
// the program's number text, so they show the locale's decimal separator.
Values exampleValues(int context);
Values linkExamples(int context);    // 111 and the links: 11 to 13, 21, 22, 31 to 33
Values systemExamples(int context);  // the loops: 4 to 7, 81, 82, 91 to 93

// An end of an acceptance band for the text: five significant digits, rounded into the band
// (a lower end up, an upper end down), so that the number a student reads is accepted.
QString bandEnd(double v, bool lower);

// A row of an HTML table with the given cells.
QString tableRow(const QStringList& cells);

}  // namespace help
