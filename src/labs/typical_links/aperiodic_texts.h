#pragma once
// What the aperiodic-link windows say: captions, titles and task texts.
#include <QString>

namespace aperiodic::texts {

inline const QString Title = QStringLiteral("Апериодическое звено");
inline const QString Picture = QStringLiteral("aperiod");
inline constexpr int HelpContext = 12;

inline QString caption(int experiment) { return QStringLiteral("Апериодическое звено. Опыт №%1").arg(experiment); }
inline QString taskNumber(int experiment) { return QStringLiteral("Задание №%1 из 4").arg(experiment); }
inline const QString ReadStep = QStringLiteral("По графику переходной функции определите следующие параметры:");

}  // namespace aperiodic::texts
