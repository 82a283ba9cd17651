#pragma once
// The program's own help: topics by context number, read from the program's resources.
#include <QDialog>

class QTextBrowser;
class QListWidget;

class HelpViewer : public QDialog {
  Q_OBJECT
 public:
  explicit HelpViewer(QWidget* parent);
  void showTopic(int context);
  int currentContext() const { return current_; }
  QString currentTitle() const;

  // Context numbers that have a topic, in the order of the contents list.
  static QList<int> contexts();
  static QString topicHtml(int context);  // empty when there is none
  static QString topicTitle(int context);

 private:
  QTextBrowser* text_;
  QListWidget* list_;
  int current_ = 0;
};
