#pragma once
// The non-typical-link windows the program offers, by object name.
class WindowRegistry;

// Form4_1 (the pure delay link) and Form5_1, Form5_2 (the non-minimum-phase link).
void registerNontypicalLinks(WindowRegistry& r);
