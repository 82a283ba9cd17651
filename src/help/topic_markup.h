// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small markup the help topics are written in, on top of the rich-text subset of the
// viewer. Topics stay readable as text files; this turns them into what the viewer shows.
//
//   {{name}}              a value of the topic's worked example (see examples.h)
//   <f> ... </f>          a displayed formula: one table row, so that fractions can stand in it
//   <frac>a||b</frac>     a fraction a over b, drawn as a one-column table with a rule between
//   <sqrt>x</sqrt>        √ with a bar over x
//   <a href="help:n">     an ordinary link; the viewer opens topic n
#include <QMap>
#include <QString>

namespace help {

using Values = QMap<QString, QString>;

// Replaces every {{name}} by its value; a name without a value stays visible as "{{name}}",
// so a missing example number is noticed rather than silently shown empty.
QString fill(QString text, const Values& values);

// Expands <f>, <frac> and <sqrt> into the rich-text subset.
QString expandFormulas(QString text);

// The fixed numbers of a topic written with a decimal point ("0.632·k") shown with `separator`,
// the one the windows and the example's numbers use: every point between two digits outside
// the tags.
QString localDecimals(QString text, QChar separator);

}  // namespace help
