// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader says of a window's controls: an answer box's name from the caption
// beside it ("t_p, с", "Δφ, рад"), and the Tab order of a window's controls.
#include <QString>
#include <vector>

class QWidget;

namespace a11y {

// The caption left of the box on its row, as plain text with indices after "_" and the unit
// of the quantity it names; empty when no caption stands there.
QString answerName(const QWidget* box);
// The unit of a quantity by its letter: times in seconds, phases in radians, frequencies in
// radians per second, log amplitudes in decibels; empty for the dimensionless ones.
QString unitOf(const QString& quantity);
// Tab order of the focusable controls under `client`: `first` in the order given, then the
// others from top to bottom, left to right.
void orderTabs(QWidget* client, const std::vector<QWidget*>& first);

}  // namespace a11y
