#pragma once
// What the oscillating-link windows say: captions, titles and task texts.
#include <QString>

namespace oscillating::texts {

inline const QString Title = QStringLiteral("Колебательное звено");
inline const QString Picture = QStringLiteral("koleb");
inline constexpr int HelpContext = 13;

inline QString caption(int experiment) { return QStringLiteral("Колебательное звено. Опыт №%1").arg(experiment); }
inline QString taskNumber(int experiment) { return QStringLiteral("Задание №%1 из 4").arg(experiment); }
inline const QString ReadStep = QStringLiteral("По графику переходной функции определите следующие параметры:");

}  // namespace oscillating::texts
