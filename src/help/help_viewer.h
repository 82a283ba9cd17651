// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own help: topics by context number, with a contents list, back and forward
// through the topics seen in this run, a word search over the listed topics and a font size.
// It keeps nothing between runs.
#include <QDialog>

class QTextBrowser;
class QListWidget;
class QLineEdit;
class QToolButton;

class HelpViewer : public QDialog {
  Q_OBJECT
 public:
  // `contents`: the topics listed, in order (the program lists the start screen's topic, then
  // its works' in the order of the menu); empty: every topic file, the start screen's first.
  explicit HelpViewer(QWidget* parent, QList<int> contents = {});
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

  // The topics of the contents list, in its order.
  const QList<int>& contexts() const { return contents_; }
  // Every topic file, the start screen's first.
  static QList<int> allTopics();
  static QString topicHtml(int context);  // the topic as shown, empty when there is none
  static QString topicTitle(int context);
  // Topics of `among` whose text holds every word of the query (case-insensitive), in its order.
  static QList<int> matchingContexts(const QString& query, const QList<int>& among);

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
  QList<int> contents_;
  QList<int> history_;
  qsizetype pos_ = -1;
  int current_ = 0;
  int zoom_ = 0;
  double basePointSize_ = 10;
};
