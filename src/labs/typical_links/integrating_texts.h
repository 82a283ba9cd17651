#pragma once
// What the integrating-link windows say: captions, titles and task texts.
#include <QString>

namespace integrating::texts {

inline const QString Title = QStringLiteral("Интегрирующее звено");
inline const QString Picture = QStringLiteral("integral");
inline constexpr int HelpContext = 11;
// Top of the answer rows in the task panel.
inline constexpr int AnswerTop = 196;

inline QString caption(int experiment) { return QStringLiteral("Интегрирующее звено. Опыт №%1").arg(experiment); }
inline QString taskNumber(int experiment) { return QStringLiteral("Задание №%1 из 4").arg(experiment); }
inline const QString ReadT =
    QStringLiteral("По графику переходной функции определите постоянную времени интегрирующего звена:");

}  // namespace integrating::texts
