#pragma once
// The stability windows the program offers, by object name.
class WindowRegistry;

// Form16_1 to Form18_5: the three stability works.
void registerStability(WindowRegistry& r);
