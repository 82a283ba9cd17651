// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modal message boxes go through this service so that tests can record the texts and
// script the Yes/No answers instead of blocking on a real box.
#include <QString>
#include <QStringList>
#include <deque>

#include "i18n/language.h"

class QWidget;

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void info(const QString& text) = 0;
  // Yes -> true.
  virtual bool confirm(const QString& text) = 0;
};

class BoxMessageService : public MessageService {
 public:
  explicit BoxMessageService(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void info(const QString& text) override;
  bool confirm(const QString& text) override;

 private:
  QWidget* parent_;
};

class RecordingMessageService : public MessageService {
 public:
  void info(const QString& text) override { shown.append(text); }
  bool confirm(const QString& text) override {
    asked.append(text);
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  QString last() const { return shown.isEmpty() ? QString() : shown.last(); }
  void clear() {
    shown.clear();
    asked.clear();
  }

  QStringList shown;
  QStringList asked;
  std::deque<bool> answers;
};

// The fixed texts of the answer protocol, shown in the running language.
namespace msg {
using language::Text;
inline constexpr Text BadFormat{"msg", QT_TRANSLATE_NOOP("msg", "Неверный формат ввода!")};
inline constexpr Text WrongValue{"msg", QT_TRANSLATE_NOOP("msg", "Неверное значение, повторите попытку!")};
inline constexpr Text TooManyErrors{
    "msg", QT_TRANSLATE_NOOP("msg", "Вы превысили допустимое количество ошибок!\n\rИсходные данные будут изменены.")};
inline constexpr Text BadValue{"msg", QT_TRANSLATE_NOOP("msg", "Неверное значение!")};
// Answers to a question asked with a button ("Ответить") instead of an answer box.
inline constexpr Text Right{"msg", QT_TRANSLATE_NOOP("msg", "Верно!")};
inline constexpr Text NotRight{"msg", QT_TRANSLATE_NOOP("msg", "Не верно!\n\rПодумайте!")};
}  // namespace msg
