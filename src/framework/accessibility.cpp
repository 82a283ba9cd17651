// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocumentFragment>
#include <algorithm>

namespace a11y {

namespace {

QString plain(const QLabel* l) {
  QString t = l->text();
  if (Qt::mightBeRichText(t)) {
    t.replace(QStringLiteral("<sub>"), QStringLiteral("_"));
    t = QTextDocumentFragment::fromHtml(t).toPlainText();
  }
  t.remove(QLatin1Char('='));
  return t.simplified().remove(QLatin1Char(' '));
}

}  // namespace

QString unitOf(const QString& quantity) {
  const QString q = quantity.section(QLatin1Char('_'), 0, 0);
  if (q.endsWith(QChar(0x03C6))) return QCoreApplication::translate("framework", "рад");  // φ, Δφ
  if (q.endsWith(QChar(0x03C9)) || q == QString(QChar(0x03A9)))
    return QCoreApplication::translate("framework", "рад/с");  // ω, Ω
  if (q == QLatin1String("t") || q == QLatin1String("T") || q == QString(QChar(0x03C4)))
    //: The unit second, read out with a time quantity (t, T, τ).
    return QCoreApplication::translate("framework", "с");
  if (q == QLatin1String("L") || q == QStringLiteral("ΔL")) return QCoreApplication::translate("framework", "дБ");
  return {};
}

QString answerName(const QWidget* box) {
  const QWidget* parent = box->parentWidget();
  if (!parent) return {};
  const QRect b = box->geometry();
  // Another box on the same row bounds the caption from the left ("a = [ ] b = [ ]").
  int left = 0;
  for (const auto* other : parent->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
    const QRect o = other->geometry();
    if (other != box && o.right() < b.left() && o.bottom() >= b.top() && o.top() <= b.bottom())
      left = std::max(left, o.right());
  }
  std::vector<const QLabel*> row;
  for (const auto* l : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    const QRect g = l->geometry();
    // Left of the box (a caption's trailing spaces may reach under it) and on its row.
    if (l->isHidden() || g.height() > 2 * b.height() || g.left() < left || g.center().x() >= b.left()) continue;
    if (g.center().y() < b.top() || g.center().y() > b.bottom() || plain(l).isEmpty()) continue;
    row.push_back(l);
  }
  if (row.empty()) return {};
  std::stable_sort(row.begin(), row.end(), [](auto* a, auto* c) { return a->x() < c->x(); });
  // The caption's main text is its tallest piece; smaller pieces below its top are indices.
  const QLabel* main =
      *std::max_element(row.begin(), row.end(), [](auto* a, auto* c) { return a->height() < c->height(); });
  QString name;
  for (const QLabel* l : row) {
    const bool index = l != main && l->height() < main->height() && l->y() > main->y() + 2;
    name += (index ? QStringLiteral("_") : QString()) + plain(l);
  }
  while (name.endsWith(QLatin1Char('_'))) name.chop(1);
  const QString unit = unitOf(name);
  return unit.isEmpty() ? name : name + QStringLiteral(", ") + unit;
}

void orderTabs(QWidget* client, const std::vector<QWidget*>& first) {
  std::vector<QWidget*> rest;
  for (QWidget* w : client->findChildren<QWidget*>()) {
    if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || w->isWindow()) continue;
    if (std::find(first.begin(), first.end(), w) != first.end()) continue;
    rest.push_back(w);
  }
  std::stable_sort(rest.begin(), rest.end(), [client](QWidget* a, QWidget* b) {
    const QPoint p = a->mapTo(client, QPoint(0, 0)), q = b->mapTo(client, QPoint(0, 0));
    return p.y() != q.y() ? p.y() < q.y() : p.x() < q.x();
  });
  std::vector<QWidget*> chain(first);
  chain.insert(chain.end(), rest.begin(), rest.end());
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace a11y
