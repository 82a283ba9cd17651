// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the compound-link windows say: captions, titles, task numbers and help topics, in the
// running language.
#include <QCoreApplication>
#include <QString>

namespace compound::texts {

inline QString piTitle() { return QCoreApplication::translate("compound", "Пропорционально - интегральное звено"); }
inline QString diffTitle() { return QCoreApplication::translate("compound", "Реальное дифференцирующее звено"); }
inline QString inforsTitle() { return QCoreApplication::translate("compound", "Инерционно - форсирующее звено"); }
inline constexpr int PiHelp = 31;
inline constexpr int DiffHelp = 32;
inline constexpr int InforsHelp = 33;

inline QString piCaption(int n) { return QCoreApplication::translate("compound", "\"ПИ\" звено. Опыт №%1").arg(n); }
inline QString diffCaption(int n) {
  return QCoreApplication::translate("compound", "Реальное дифференцирующее звено. Опыт №%1").arg(n);
}
inline QString inforsCaption(int n) {
  return QCoreApplication::translate("compound", "Инерционно-форсирующее звено. Опыт №%1").arg(n);
}
// "Задание №2 из 4"; some windows put a space after the sign.
inline QString taskNumber(int n, int of, bool spaced = false) {
  return (spaced ? QCoreApplication::translate("compound", "Задание № %1 из %2")
                 : QCoreApplication::translate("compound", "Задание №%1 из %2"))
      .arg(n)
      .arg(of);
}

}  // namespace compound::texts
