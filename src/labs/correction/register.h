#pragma once
// The correction windows the program offers, by object name.
class WindowRegistry;

// Form13_1, Form13_2 (series), Form14_1 to Form14_3 (parallel), Form15_1, Form15_2 (local feedback).
void registerCorrection(WindowRegistry& r);
