// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_viewer.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "topics.h"

namespace {
constexpr int kZoomMin = -3, kZoomMax = 12;

const char* kStyle =
    "h2 { color: #000080; }"
    "h3 { color: #000080; margin-top: 14px; }"
    "table.f { margin-left: 24px; margin-top: 4px; margin-bottom: 4px; }"
    "table.grid { border-collapse: collapse; }"
    "table.grid td, table.grid th { border: 1px solid #808080; padding: 2px 6px; }"
    ".example { background-color: #FFFBE6; }"
    ".in { color: #FF0000; } .out { color: #0000FF; } .given { color: #008080; } .asked { color: #800080; }";
}  // namespace

QList<int> HelpViewer::allTopics() {
  QList<int> all = help::topicFiles();
  all.removeOne(help::MainTopic);
  all.prepend(help::MainTopic);
  return all;
}

QString HelpViewer::topicHtml(int context) { return help::renderTopic(context); }

QString HelpViewer::topicTitle(int context) {
  static const QRegularExpression title(QStringLiteral("<h2>(.*)</h2>"));
  const auto m = title.match(help::topicSource(context));
  return m.hasMatch() ? m.captured(1) : QString();
}

QList<int> HelpViewer::matchingContexts(const QString& query, const QList<int>& among) {
  const QStringList words = query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  QList<int> found;
  for (int c : among) {
    const QString plain = QTextDocumentFragment::fromHtml(topicHtml(c)).toPlainText();
    if (std::all_of(words.begin(), words.end(),
                    [&](const QString& w) { return plain.contains(w, Qt::CaseInsensitive); }))
      found << c;
  }
  return found;
}

HelpViewer::HelpViewer(QWidget* parent, QList<int> contents)
    : QDialog(parent),
      text_(new QTextBrowser),
      list_(new QListWidget),
      find_(new QLineEdit),
      back_(new QToolButton),
      forward_(new QToolButton),
      contents_(contents.isEmpty() ? allTopics() : std::move(contents)) {
  setObjectName(QStringLiteral("HelpViewer"));
  resize(900, 600);

  auto* smaller = new QToolButton;
  auto* larger = new QToolButton;
  smaller_ = smaller;
  larger_ = larger;
  smaller->setText(QStringLiteral("A−"));
  larger->setText(QStringLiteral("A+"));
  find_->setClearButtonEnabled(true);

  auto* bar = new QHBoxLayout;
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addSpacing(12);
  bar->addWidget(find_, 1);
  bar->addSpacing(12);
  bar->addWidget(smaller);
  bar->addWidget(larger);

  list_->setFixedWidth(270);
  list_->setWordWrap(true);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int c : contents_) {
    auto* item = new QListWidgetItem(list_);
    item->setData(Qt::UserRole, c);
  }
  retranslate();
  text_->setOpenLinks(false);
  basePointSize_ = text_->font().pointSizeF() + 1;
  applyZoom(0);
  text_->document()->setDefaultStyleSheet(QString::fromLatin1(kStyle));

  auto* body = new QHBoxLayout;
  body->addWidget(list_);
  body->addWidget(text_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addLayout(body, 1);

  connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item) showTopic(item->data(Qt::UserRole).toInt());
  });
  connect(text_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == QStringLiteral("help")) showTopic(url.path().toInt());
  });
  connect(find_, &QLineEdit::textChanged, this, &HelpViewer::search);
  connect(back_, &QToolButton::clicked, this, &HelpViewer::back);
  connect(forward_, &QToolButton::clicked, this, &HelpViewer::forward);
  connect(smaller, &QToolButton::clicked, this, &HelpViewer::zoomOut);
  connect(larger, &QToolButton::clicked, this, &HelpViewer::zoomIn);
  for (const QKeySequence& k : {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
    connect(new QShortcut(k, this), &QShortcut::activated, this, &HelpViewer::zoomIn);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), this), &QShortcut::activated, this,
          &HelpViewer::zoomOut);
  connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated, this, &HelpViewer::back);
  connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this), &QShortcut::activated, this,
          &HelpViewer::forward);
  updateButtons();
}

QString HelpViewer::currentTitle() const { return topicTitle(current_); }

void HelpViewer::showTopic(int context) {
  if (pos_ < 0 || history_[pos_] != context) {
    history_.resize(pos_ + 1);
    history_ << context;
    pos_ = history_.size() - 1;
  }
  display(context);
  show();
  raise();
}

void HelpViewer::back() {
  if (canGoBack()) display(history_[--pos_]);
}

void HelpViewer::forward() {
  if (canGoForward()) display(history_[++pos_]);
}

void HelpViewer::display(int context) {
  current_ = context;
  const QString html = topicHtml(context);
  text_->setHtml(html.isEmpty() ? tr("<p>Раздел справки %1 не найден.</p>").arg(context) : html);
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->data(Qt::UserRole).toInt() == context && list_->currentRow() != i) {
      QSignalBlocker block(list_);
      list_->setCurrentRow(i);
    }
  updateButtons();
}

void HelpViewer::retranslate() {
  setWindowTitle(tr("Справка"));
  back_->setText(tr("◀ Назад"));
  forward_->setText(tr("Вперёд ▶"));
  back_->setToolTip(tr("Предыдущий раздел (Alt+←)"));
  forward_->setToolTip(tr("Следующий раздел (Alt+→)"));
  smaller_->setToolTip(tr("Мельче (Ctrl+−)"));
  larger_->setToolTip(tr("Крупнее (Ctrl++)"));
  find_->setPlaceholderText(tr("Поиск по словам"));
  // The topics themselves come in the running language as well.
  for (int i = 0; i < list_->count(); ++i)
    list_->item(i)->setText(topicTitle(list_->item(i)->data(Qt::UserRole).toInt()));
  if (!find_->text().isEmpty()) search(find_->text());
  if (current_ != 0) display(current_);
}

void HelpViewer::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(e);
}

void HelpViewer::updateButtons() {
  back_->setEnabled(canGoBack());
  forward_->setEnabled(canGoForward());
}

void HelpViewer::search(const QString& query) {
  if (find_->text() != query) {
    QSignalBlocker block(find_);
    find_->setText(query);
  }
  const QList<int> found = matchingContexts(query, contents_);
  for (int i = 0; i < list_->count(); ++i)
    list_->item(i)->setHidden(!found.contains(list_->item(i)->data(Qt::UserRole).toInt()));
}

QList<int> HelpViewer::listedContexts() const {
  QList<int> shown;
  for (int i = 0; i < list_->count(); ++i)
    if (!list_->item(i)->isHidden()) shown << list_->item(i)->data(Qt::UserRole).toInt();
  return shown;
}

void HelpViewer::zoomIn() {
  if (zoom_ < kZoomMax) applyZoom(zoom_ + 1);
}

void HelpViewer::zoomOut() {
  if (zoom_ > kZoomMin) applyZoom(zoom_ - 1);
}

void HelpViewer::applyZoom(int steps) {
  zoom_ = steps;
  QFont f = text_->font();
  f.setPointSizeF(basePointSize_ + zoom_);
  text_->setFont(f);
}

double HelpViewer::fontPointSize() const { return text_->font().pointSizeF(); }
