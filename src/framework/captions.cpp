// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "captions.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "canvas.h"
#include "widgets.h"

namespace captions {

namespace {

// An index hangs a third of its height below the main line; an exponent's baseline rises by
// nearly half its height, so that it stays below the text of the line above.
int dropOf(const QFont& main, const QFont& small) {
  return static_cast<int>(std::lround(QFontMetrics(main).ascent() - 0.7 * QFontMetrics(small).ascent()));
}
int riseOf(const QFont& main, const QFont& small) {
  return static_cast<int>(std::lround(1.45 * QFontMetrics(small).ascent() - QFontMetrics(main).ascent()));
}

bool onLine(const Run& r) { return r.kind == Run::Text || r.kind == Run::Greek; }

QFont fontOf(const Run& r, const QFont& main, const QFont& small) {
  if (r.kind == Run::Greek) return fonts::font(fonts::Symbol, main.pixelSize());
  return onLine(r) ? main : small;
}

QString shown(const Run& r) { return r.kind == Run::Greek ? fonts::greek(r.text) : r.text; }

// A small gap after an index or exponent keeps the next letter from touching it.
int advance(const Run& r, const QFont& main, const QFont& small) {
  return QFontMetrics(fontOf(r, main, small)).horizontalAdvance(shown(r)) + (onLine(r) ? 0 : 1);
}

}  // namespace

QFont arial(int px, bool bold, bool italic) { return fonts::font(fonts::Arial, px, bold, italic); }
QFont sansSerif(int px) { return fonts::font(fonts::SansSerif, px); }

QFont fitWords(const QString& text, QFont font, int room, int smallest) {
  const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const auto fits = [&words, room](const QFont& f) {
    const QFontMetrics m(f);
    return std::all_of(words.begin(), words.end(), [&](const QString& w) { return m.horizontalAdvance(w) <= room; });
  };
  while (font.pixelSize() > smallest && !fits(font)) font.setPixelSize(font.pixelSize() - 1);
  return font;
}

int captionWidth(const std::vector<Run>& runs, const QFont& main, const QFont& small) {
  int w = 0;
  for (const Run& r : runs) w += advance(r, main, small);
  return w;
}

int caption(QWidget* parent, QPoint at, const std::vector<Run>& runs, const QFont& main, const QFont& small,
            const QColor& color, std::optional<int> drop, const QString& firstName) {
  const int down = drop.value_or(dropOf(main, small)), rise = riseOf(main, small);
  int x = at.x();
  for (const Run& r : runs) {
    const int y = at.y() + (r.kind == Run::Sub ? down : r.kind == Run::Sup ? -rise : 0);
    ui::label(parent, QPoint(x, y), shown(r), fontOf(r, main, small), color,
              &r == &runs.front() ? firstName : QString());
    x += advance(r, main, small);
  }
  return x;
}

AnswerRow answerRow(QWidget* panel, int n, int y, const std::vector<Run>& label, int maxLength, const RowShape& s) {
  const QFont main = sansSerif(21), small = sansSerif(s.subPixels);
  // Centred in the room left of the box (never left of the panel's border).
  const int x = s.captionX.value_or(std::max(2, (s.editX - captionWidth(label, main, small)) / 2));
  caption(panel, QPoint(x, y + s.captionTop), label, main, small, colors::Black, s.indexDrop, s.captionName);
  auto* edit =
      new AnswerEdit(panel, QRect(s.editX, y, s.markX - 1 - s.editX, 25), maxLength, QStringLiteral("Edit%1").arg(n));
  auto* mark = new CheckMark(panel, QRect(s.markX, y, s.markWidth, 25), QStringLiteral("SpeedButton%1").arg(n));
  return {edit, mark};
}

AnswerRow answerRow(QWidget* panel, int n, int y, const std::vector<Run>& label, int subPixels, int maxLength,
                    int editX) {
  RowShape s;
  s.editX = editX;
  s.subPixels = subPixels;
  return answerRow(panel, n, y, label, maxLength, s);
}

}  // namespace captions
