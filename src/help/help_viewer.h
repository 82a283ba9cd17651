#pragma once
// The program's own help: topics by context number, with a contents list, back and forward
// through the topics seen in this run, a word search over all topics and a font size. It keeps
// nothing between runs.
#include <QDialog>

class QTextBrowser;
class QListWidget;
class QLineEdit;
class QToolButton;

class HelpViewer : public QDialog {
  Q_OBJECT
 public:
  explicit HelpViewer(QWidget* parent);
  void showTopic(int context);
  int currentContext() const { return current_; }
  QString currentTitle() const;

  void back();
  void forward();
  bool canGoBack() const { return pos_ > 0; }
  bool canGoForward() const { return pos_ + 1 < history_.size(); }

  // Filters the contents list to the topics that hold every word of the query.
  void search(const QString& query);
  QList<int> listedContexts() const;

  void zoomIn();
  void zoomOut();
  double fontPointSize() const;

  // Context numbers that have a topic, in the order of the contents list.
  static QList<int> contexts();
  static QString topicHtml(int context);  // the topic as shown, empty when there is none
  static QString topicTitle(int context);
  // Topics whose text holds every word of the query (case-insensitive), in contents order.
  static QList<int> matchingContexts(const QString& query);

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void retranslate();
  void display(int context);
  void updateButtons();
  void applyZoom(int steps);

  QTextBrowser* text_;
  QListWidget* list_;
  QLineEdit* find_;
  QToolButton* back_;
  QToolButton* forward_;
  QToolButton* smaller_ = nullptr;
  QToolButton* larger_ = nullptr;
  QList<int> history_;
  qsizetype pos_ = -1;
  int current_ = 0;
  int zoom_ = 0;
  double basePointSize_ = 10;
};
