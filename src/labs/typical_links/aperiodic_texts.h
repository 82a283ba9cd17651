#pragma once
// What the aperiodic-link windows say: captions, titles and task texts, in the
// running language.
#include <QCoreApplication>
#include <QString>

namespace aperiodic::texts {

inline QString title() { return QCoreApplication::translate("typical", "Апериодическое звено"); }
inline const QString Picture = QStringLiteral("aperiod");
inline constexpr int HelpContext = 12;

inline QString caption(int experiment) {
  return QCoreApplication::translate("typical", "Апериодическое звено. Опыт №%1").arg(experiment);
}
inline QString taskNumber(int experiment) {
  return QCoreApplication::translate("typical", "Задание №%1 из 4").arg(experiment);
}
inline QString readStep() {
  return QCoreApplication::translate("typical", "По графику переходной функции определите следующие параметры:");
}

}  // namespace aperiodic::texts
