#pragma once
// The program's works: every section's declaration, gathered in the start screen's order. The
// menu, the window registry and Next/Back are built from it.
#include "framework/catalogue.h"

const Catalogue& programCatalogue();

// Every window the program has.
inline const WindowRegistry& programWindows() { return programCatalogue().windows(); }

inline const std::vector<SectionButton>& sectionButtons() { return programCatalogue().sectionButtons(); }
inline const std::vector<WorkButton>& workButtons() { return programCatalogue().workButtons(); }
inline const QStringList& workPanels() { return programCatalogue().workPanels(); }
inline const std::vector<NextRow>& nextTable() { return programCatalogue().nextRows(); }
inline const NextRow* nextRowFrom(const QString& form) { return programCatalogue().nextRowFrom(form); }
inline const NextRow* openRowTo(const QString& form) { return programCatalogue().openRowTo(form); }
