#include "help_viewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>

// The topics live in a static library, whose resources are not registered by themselves.
static void initHelpResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(help);
    return true;
  }();
  (void)done;
}

namespace {
const QList<int> kContexts{111, 11, 12, 13, 21, 22, 31, 32, 33, 4, 5, 6, 7, 81, 82, 91, 92, 93};
}

QList<int> HelpViewer::contexts() { return kContexts; }

QString HelpViewer::topicHtml(int context) {
  initHelpResources();
  QFile f(QStringLiteral(":/help/%1.html").arg(context));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

QString HelpViewer::topicTitle(int context) {
  static const QRegularExpression title(QStringLiteral("<h2>(.*)</h2>"));
  const auto m = title.match(topicHtml(context));
  return m.hasMatch() ? m.captured(1) : QString();
}

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent), text_(new QTextBrowser), list_(new QListWidget) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Справка"));
  resize(720, 440);
  auto* layout = new QHBoxLayout(this);
  list_->setFixedWidth(270);
  list_->setWordWrap(true);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  layout->addWidget(list_);
  layout->addWidget(text_, 1);
  for (int c : kContexts) {
    auto* item = new QListWidgetItem(topicTitle(c), list_);
    item->setData(Qt::UserRole, c);
  }
  connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item) showTopic(item->data(Qt::UserRole).toInt());
  });
}

QString HelpViewer::currentTitle() const { return topicTitle(current_); }

void HelpViewer::showTopic(int context) {
  current_ = context;
  const QString html = topicHtml(context);
  text_->setHtml(html.isEmpty() ? QStringLiteral("<p>Раздел справки %1 не найден.</p>").arg(context) : html);
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->data(Qt::UserRole).toInt() == context && list_->currentRow() != i) {
      QSignalBlocker block(list_);
      list_->setCurrentRow(i);
    }
  show();
  raise();
}
