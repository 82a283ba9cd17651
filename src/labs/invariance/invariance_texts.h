// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight invariance windows as rows: which work and task each is, and what it says (in the
// running language).
#include <QCoreApplication>
#include <QString>
#include <vector>

#include "i18n/language.h"
#include "labs/invariance/invariance_model.h"

namespace invariance {

struct WindowRow {
  QString form;  // "Form11_1"
  Work work;
  Task task;
  QString picture;

  bool reference() const { return work == Work::Reference; }
  int number() const { return static_cast<int>(task); }
  QString caption() const {
    return (reference()
                ? QCoreApplication::translate("invariance", "Инвариантность к сигналу задания. Опыт №%1")
                : QCoreApplication::translate("invariance", "Инвариантность к возмущающему воздействию. Опыт №%1"))
        .arg(number());
  }
  QString title() const {
    return reference() ? QCoreApplication::translate("invariance", "Инвариантность САУ к сигналу задания")
                       : QCoreApplication::translate("invariance", "Инвариантность САУ к возмущающему воздействию");
  }
  // "задания" / "возмущения" and the signal with its colour on the plots.
  QString signalWord() const {
    return reference() ? QCoreApplication::translate("invariance", "задания")
                       : QCoreApplication::translate("invariance", "возмущения");
  }
  QString signal() const { return reference() ? QStringLiteral("g(t)=1") : QStringLiteral("f(t)=1"); }
  QString errorIndex() const {
    if (reference()) {
      //: Index of the steady-state error with respect to the reference g (Russian e_уст.g); English e_ss,g.
      return QCoreApplication::translate("invariance", "уст.g");
    }
    //: Index of the steady-state error with respect to the disturbance f (Russian e_уст.f); English e_ss,f.
    return QCoreApplication::translate("invariance", "уст.f");
  }
  QString plotTitle() const {
    return reference() ? QCoreApplication::translate("invariance", "Реакция системы r(t) на сигнал задания g(t)=1")
                       : QCoreApplication::translate("invariance", "Реакция системы r(t) на сигнал возмущения f(t)=1");
  }
  // The lag the compensator's lead cancels: T2 on the reference path, T1 on the disturbance's.
  QString leadIndex() const { return reference() ? QStringLiteral("2") : QStringLiteral("1"); }
};

inline constexpr language::Text kRealizable{
    "invariance", QT_TRANSLATE_NOOP("invariance", "Реализуема ли найденная передаточная функция?")};

inline const std::vector<WindowRow>& windowRows() {
  static const std::vector<WindowRow> rows{
      {QStringLiteral("Form11_1"), Work::Reference, Task::Error, QStringLiteral("lab8_1")},
      {QStringLiteral("Form11_2"), Work::Reference, Task::Compensator, QStringLiteral("lab8_2")},
      {QStringLiteral("Form11_3"), Work::Reference, Task::Gain, QStringLiteral("lab8_3")},
      {QStringLiteral("Form11_4"), Work::Reference, Task::Runs, QStringLiteral("lab8_2")},
      {QStringLiteral("Form12_1"), Work::Disturbance, Task::Error, QStringLiteral("lab12_1")},
      {QStringLiteral("Form12_2"), Work::Disturbance, Task::Compensator, QStringLiteral("lab12_3")},
      {QStringLiteral("Form12_3"), Work::Disturbance, Task::Gain, QStringLiteral("lab12_2")},
      {QStringLiteral("Form12_4"), Work::Disturbance, Task::Runs, QStringLiteral("lab12_3")},
  };
  return rows;
}

}  // namespace invariance
