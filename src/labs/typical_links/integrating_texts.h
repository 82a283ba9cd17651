#pragma once
// What the integrating-link windows say: captions, titles and task texts, in the
// running language.
#include <QCoreApplication>
#include <QString>

namespace integrating::texts {

inline QString title() { return QCoreApplication::translate("typical", "Интегрирующее звено"); }
inline const QString Picture = QStringLiteral("integral");
inline constexpr int HelpContext = 11;
// Top of the answer rows in the task panel.
inline constexpr int AnswerTop = 196;

inline QString caption(int experiment) {
  return QCoreApplication::translate("typical", "Интегрирующее звено. Опыт №%1").arg(experiment);
}
inline QString taskNumber(int experiment) {
  return QCoreApplication::translate("typical", "Задание №%1 из 4").arg(experiment);
}
inline QString readT() {
  return QCoreApplication::translate(
      "typical", "По графику переходной функции определите постоянную времени интегрирующего звена:");
}

}  // namespace integrating::texts
