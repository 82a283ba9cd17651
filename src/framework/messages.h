#pragma once
// Modal message boxes go through this service so that tests can record the texts and
// script the Yes/No answers instead of blocking on a real box.
#include <QString>
#include <QStringList>
#include <deque>

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
  void clear() { shown.clear(); asked.clear(); }

  QStringList shown;
  QStringList asked;
  std::deque<bool> answers;
};

// The fixed texts of the answer protocol.
namespace msg {
inline const QString BadFormat = QStringLiteral("Неверный формат ввода!");
inline const QString WrongValue = QStringLiteral("Неверное значение, повторите попытку!");
inline const QString TooManyErrors =
    QStringLiteral("Вы превысили допустимое количество ошибок!\n\rИсходные данные будут изменены.");
inline const QString BadValue = QStringLiteral("Неверное значение!");
// Answers to a question asked with a button ("Ответить") instead of an answer box.
inline const QString Right = QStringLiteral("Верно!");
inline const QString NotRight = QStringLiteral("Не верно!\n\rПодумайте!");
}  // namespace msg
