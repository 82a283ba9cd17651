#pragma once
// What the oscillating-link windows say: captions, titles and task texts, in the
// running language.
#include <QCoreApplication>
#include <QString>

namespace oscillating::texts {

inline QString title() { return QCoreApplication::translate("typical", "Колебательное звено"); }
inline const QString Picture = QStringLiteral("koleb");
inline constexpr int HelpContext = 13;

inline QString caption(int experiment) {
  return QCoreApplication::translate("typical", "Колебательное звено. Опыт №%1").arg(experiment);
}
inline QString taskNumber(int experiment) {
  return QCoreApplication::translate("typical", "Задание №%1 из 4").arg(experiment);
}
inline QString readStep() {
  return QCoreApplication::translate("typical", "По графику переходной функции определите следующие параметры:");
}

}  // namespace oscillating::texts
