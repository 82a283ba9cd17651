#pragma once
// The compound-link windows the program offers, by object name.
class WindowRegistry;

// Form6_1 to Form6_4, Form7_1 to Form7_4, Form8_1 to Form8_3.
void registerCompoundLinks(WindowRegistry& r);
