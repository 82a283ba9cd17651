// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the start screen puts the sections' declarations: the section buttons in a column
// above the animation check box, the work panels on the right. The main window lays them out
// from these, and the catalogue's check at start-up measures the declarations against them.
#include <QRect>
#include <QString>
#include <QStringList>

namespace start_screen {

// Section n's button Button<n> stands at (20, SectionTop + SectionStep·(n − 1)).
inline constexpr int SectionLeft = 20, SectionTop = 16, SectionStep = 32;
inline constexpr QSize SectionButtonSize{261, 33};
// The animation check box and its caption, under the section buttons.
inline constexpr QRect AnimationBox{48, 312, 18, 33};
// Every work panel, and a work button on it at (8, top).
inline constexpr QRect WorkPanel{312, 8, 273, 313};
inline constexpr int WorkLeft = 8;
inline constexpr QSize WorkButtonSize{260, 73};

inline QRect sectionButton(int number) {
  return {QPoint(SectionLeft, SectionTop + SectionStep * (number - 1)), SectionButtonSize};
}

// Names of the start screen's and the frame's own controls, which no declaration may take
// (Button10 is the Exit button that replaces the credits, Panel1 the start screen itself).
inline QStringList reservedNames() {
  return {QStringLiteral("Panel1"),     QStringLiteral("Panel2"),     QStringLiteral("Label1"),
          QStringLiteral("Label8"),     QStringLiteral("Label9"),     QStringLiteral("Button10"),
          QStringLiteral("p"),          QStringLiteral("BJournal"),   QStringLiteral("LanguageRu"),
          QStringLiteral("LanguageEn"), QStringLiteral("GroupBox1"),  QStringLiteral("BMenu"),
          QStringLiteral("BBack"),      QStringLiteral("BNext"),      QStringLiteral("BClose"),
          QStringLiteral("MDIClient"),  QStringLiteral("MainClient"), QStringLiteral("Main")};
}

}  // namespace start_screen
