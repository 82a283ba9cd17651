// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/layout_check.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocumentFragment>

namespace {

// Rounding of the text engines: a pixel either way is no visible fault.
constexpr int Slack = 1;

QString plain(const QString& t) {
  return Qt::mightBeRichText(t) ? QTextDocumentFragment::fromHtml(t).toPlainText().simplified() : t.simplified();
}

QString textOf(const QWidget* w) {
  if (const auto* box = qobject_cast<const QGroupBox*>(w)) return box->title();
  return w->property("text").toString();
}

QString describe(const QWidget* w, const QString& text) {
  const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
  return QStringLiteral("%1 '%2'").arg(name, plain(text));
}

bool shown(const QWidget* w, const QWidget* root) { return w == root || w->isVisibleTo(root); }

// The ink of a label's text (in its parent's coordinates), drawn with room for all of it: ink
// beyond the label's own size is text the label cuts off.
QRect inkOf(QLabel* l, QStringList& out, QImage* drawn) {
  if (l->text().isEmpty()) return {};
  const QSize own = l->size();
  if (l->wordWrap() && l->minimumSizeHint().width() > own.width() + Slack)
    out << describe(l, l->text()) + QStringLiteral(": a word wider than its widget (%1 > %2)")
                                        .arg(l->minimumSizeHint().width())
                                        .arg(own.width());
  const QSize need = l->wordWrap() ? QSize(own.width(), l->heightForWidth(own.width())) : l->sizeHint();
  const QSize room = own.expandedTo(need);
  l->resize(room);
  QImage image(room, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  l->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  l->resize(own);
  int left = room.width(), top = room.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(line[x]) > 0) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  }
  if (right < 0) return {};
  if (drawn) *drawn = image;
  if (right >= own.width() + Slack)
    out << describe(l, l->text()) + QStringLiteral(": cut off at the right (%1 > %2)").arg(right + 1).arg(own.width());
  if (bottom >= own.height() + Slack)
    out << describe(l, l->text()) +
               QStringLiteral(": cut off at the bottom (%1 > %2)").arg(bottom + 1).arg(own.height());
  return QRect(QPoint(left, top), QPoint(right, bottom)).intersected(QRect(QPoint(0, 0), own)).translated(l->pos());
}

// The part of a widget (in its parent's coordinates) its text or frame takes up; empty for a
// widget that shows no text. Problems of the text in its own widget are added to `out`.
QRect occupied(const QWidget* w, QStringList& out, QImage* drawn) {
  const QRect g = w->geometry();
  if (const auto* l = qobject_cast<const QLabel*>(w)) return inkOf(const_cast<QLabel*>(l), out, drawn);
  if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
    if (b->text().isEmpty()) return g;
    // A push button's own size hint has a minimum width; its text needs its advance and margins.
    const int need = qobject_cast<const QPushButton*>(b)
                         ? b->fontMetrics().horizontalAdvance(b->text()) +
                               2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b)
                         : b->sizeHint().width();
    if (need > g.width() + Slack)
      out << describe(b, b->text()) + QStringLiteral(": wider than its widget (%1 > %2)").arg(need).arg(g.width());
    return g;
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
    const int need = box->fontMetrics().horizontalAdvance(box->title()) + 16;
    if (box->title().isEmpty()) return {};
    if (need > g.width() + Slack)
      out << describe(box, box->title()) +
                 QStringLiteral(": title wider than its box (%1 > %2)").arg(need).arg(g.width());
    // Controls may lie in the box's frame as its siblings: only its title is text of its own.
    return QRect(g.topLeft(), QSize(std::min(need, g.width()), box->fontMetrics().height()));
  }
  if (qobject_cast<const QLineEdit*>(w)) return g;
  return {};
}

// Whether two texts drawn at their widgets' places put ink on the same pixels (beyond a few
// antialiased edge pixels); a caption's index may sit in the room its main text leaves.
bool inksMeet(const QWidget* a, const QImage& ia, const QWidget* b, const QImage& ib, const QRect& both) {
  int shared = 0;
  for (int y = both.top(); y <= both.bottom(); ++y)
    for (int x = both.left(); x <= both.right(); ++x) {
      const QPoint pa = QPoint(x, y) - a->pos(), pb = QPoint(x, y) - b->pos();
      if (ia.valid(pa) && ib.valid(pb) && qAlpha(ia.pixel(pa)) > 0 && qAlpha(ib.pixel(pb)) > 0 && ++shared > 3)
        return true;
    }
  return false;
}

void check(const QWidget* parent, const QWidget* root, QStringList& out) {
  struct Item {
    const QWidget* w;
    QRect r;
    QImage ink;  // a label's text as drawn; null for a control
  };
  std::vector<Item> items;
  for (const QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isWindow() || !shown(w, root)) continue;
    QImage ink;
    const QRect r = occupied(w, out, &ink);
    if (!r.isEmpty()) {
      // The window's own client takes the size of the area it opens in; its panels keep theirs.
      const QRect room = parent->rect().adjusted(-Slack, -Slack, Slack, Slack);
      // A control without a text (a check mark, an answer box) keeps its place in any language.
      if (parent != root && !room.contains(r) && !(ink.isNull() && textOf(w).isEmpty()))
        out << describe(w, textOf(w)) + QStringLiteral(": runs out of %1").arg(parent->objectName());
      items.push_back({w, r, ink});
    }
    check(w, root, out);
  }
  for (std::size_t i = 0; i < items.size(); ++i)
    for (std::size_t j = i + 1; j < items.size(); ++j) {
      const Item &a = items[i], &b = items[j];
      const QRect both = a.r.intersected(b.r);
      if (both.width() <= Slack || both.height() <= Slack) continue;
      if (!a.ink.isNull() && !b.ink.isNull() && !inksMeet(a.w, a.ink, b.w, b.ink, both)) continue;
      out << describe(a.w, textOf(a.w)) + QStringLiteral(" overlaps ") + describe(b.w, textOf(b.w));
    }
}

}  // namespace

QStringList layoutProblems(const QWidget* root) {
  QStringList out;
  check(root, root, out);
  return out;
}

QStringList shownTexts(const QWidget* root) {
  QStringList out;
  for (const QWidget* w : root->findChildren<QWidget*>()) {
    if (!shown(w, root)) continue;
    if (const auto* l = qobject_cast<const QLabel*>(w))
      out << plain(l->text());
    else if (const auto* b = qobject_cast<const QAbstractButton*>(w))
      out << b->text();
    else if (const auto* g = qobject_cast<const QGroupBox*>(w))
      out << g->title();
  }
  out.removeAll(QString());
  return out;
}
