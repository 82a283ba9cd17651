// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's works: every section's declaration, gathered in the start screen's order. The
// menu, the window registry and Next/Back are built from it.
#include "framework/catalogue.h"

// Checked once when first asked for: a declaration the start screen or the help cannot serve
// stops the program with checkCatalogue's lines.
const Catalogue& programCatalogue();

// What is wrong with a catalogue as this program would show it, one line per fault naming the
// declaration: the catalogue's own problems, a section button past the last place above the
// animation check box or on a name the start screen uses, a work button running past its
// panel, a work's picture or help topic (in any language) that does not exist.
QStringList checkCatalogue(const Catalogue& c);

// The help's contents: the start screen's topic, then each work's in the order of the menu.
QList<int> helpContents(const Catalogue& c);

// Every window the program has.
inline const WindowRegistry& programWindows() { return programCatalogue().windows(); }

inline const std::vector<SectionButton>& sectionButtons() { return programCatalogue().sectionButtons(); }
inline const std::vector<WorkButton>& workButtons() { return programCatalogue().workButtons(); }
inline const QStringList& workPanels() { return programCatalogue().workPanels(); }
inline const std::vector<NextRow>& nextTable() { return programCatalogue().nextRows(); }
inline const NextRow* nextRowFrom(const QString& form) { return programCatalogue().nextRowFrom(form); }
inline const NextRow* openRowTo(const QString& form) { return programCatalogue().openRowTo(form); }
