#pragma once
// The invariance windows the program offers, by object name.
class WindowRegistry;

// Form11_1 to Form11_4 (invariance to the reference) and Form12_1 to Form12_4 (to the disturbance).
void registerInvariance(WindowRegistry& r);
