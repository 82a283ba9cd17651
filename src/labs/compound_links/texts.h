// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the compound-link windows say: captions, titles and help topics, in the running language.
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

}  // namespace compound::texts
