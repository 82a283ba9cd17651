// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the typical-link windows say: titles, captions and task texts, in the running language.
#include <QCoreApplication>
#include <QString>

#include "i18n/language.h"

namespace links::texts {

// "<title>. Опыт №n"; the frequency window adds its run after one more point.
inline QString caption(const QString& title, int experiment) {
  return QCoreApplication::translate("typical", "%1. Опыт №%2").arg(title).arg(experiment);
}
inline QString readStep() {
  return QCoreApplication::translate("typical", "По графику переходной функции определите следующие параметры:");
}
// The index of the settling time t_р: the Russian letter р (регулирования), written as the Latin
// "p" it looks like; English readers take t_p for the peak time, so English writes t_s.
inline QString settlingIndex() {
  //: Index of the settling time t (Russian t_р, "время регулирования"); English textbooks write t_s.
  return QCoreApplication::translate("typical", "p", "settling time index");
}

}  // namespace links::texts

namespace integrating::texts {

// The title panel's text, also the work's title in the journal.
inline constexpr language::Text Title{"typical", QT_TRANSLATE_NOOP("typical", "Интегрирующее звено")};
inline QString title() { return Title; }
inline QString caption(int experiment) { return links::texts::caption(title(), experiment); }
inline QString readT() {
  return QCoreApplication::translate(
      "typical", "По графику переходной функции определите постоянную времени интегрирующего звена:");
}
// The ramp window's task: the same Russian text as the step window's (kept as it has always read),
// a text of its own in English, which names the plot the window shows, the ramp response.
inline QString readRampT() {
  return QCoreApplication::translate(
      "typical", "По графику переходной функции определите постоянную времени интегрирующего звена:",
      "ramp window: the plot is the ramp response");
}
inline const QString Picture = QStringLiteral("integral");
inline constexpr int HelpContext = 11;
// Top of the answer rows in the task panel.
inline constexpr int AnswerTop = 196;

}  // namespace integrating::texts

namespace aperiodic::texts {

inline constexpr language::Text Title{"typical", QT_TRANSLATE_NOOP("typical", "Апериодическое звено")};
inline QString title() { return Title; }
inline QString caption(int experiment) { return links::texts::caption(title(), experiment); }
using links::texts::readStep;
inline const QString Picture = QStringLiteral("aperiod");
inline constexpr int HelpContext = 12;

}  // namespace aperiodic::texts

namespace oscillating::texts {

inline constexpr language::Text Title{"typical", QT_TRANSLATE_NOOP("typical", "Колебательное звено")};
inline QString title() { return Title; }
inline QString caption(int experiment) { return links::texts::caption(title(), experiment); }
using links::texts::readStep;
inline const QString Picture = QStringLiteral("koleb");
inline constexpr int HelpContext = 13;

}  // namespace oscillating::texts
