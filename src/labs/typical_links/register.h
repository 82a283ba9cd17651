#pragma once
// The typical-link windows the program offers, by object name.
class WindowRegistry;

// Form1_1 to Form1_4: the integrating-link work.
void registerIntegratingLink(WindowRegistry& r);

// Form2_1 to Form2_4: the aperiodic-link work.
void registerAperiodicLink(WindowRegistry& r);

// Form3_1 to Form3_4: the oscillating-link work.
void registerOscillatingLink(WindowRegistry& r);
