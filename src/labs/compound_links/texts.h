#pragma once
// What the compound-link windows say: captions, titles, task numbers and help topics.
#include <QString>

namespace compound::texts {

inline const QString PiTitle = QStringLiteral("Пропорционально - интегральное звено");
inline const QString DiffTitle = QStringLiteral("Реальное дифференцирующее звено");
inline const QString InforsTitle = QStringLiteral("Инерционно - форсирующее звено");
inline constexpr int PiHelp = 31;
inline constexpr int DiffHelp = 32;
inline constexpr int InforsHelp = 33;

inline QString piCaption(int n) { return QStringLiteral("\"ПИ\" звено. Опыт №%1").arg(n); }
inline QString diffCaption(int n) { return QStringLiteral("Реальное дифференцирующее звено. Опыт №%1").arg(n); }
inline QString inforsCaption(int n) { return QStringLiteral("Инерционно-форсирующее звено. Опыт №%1").arg(n); }
// "Задание №2 из 4"; some windows put a space after the sign.
inline QString taskNumber(int n, int of, bool spaced = false) {
  return QStringLiteral("Задание №%1%2 из %3").arg(spaced ? QStringLiteral(" ") : QString()).arg(n).arg(of);
}

}  // namespace compound::texts
