#pragma once
// The windows of the diagram section, by object name.
class WindowRegistry;

// Form9_1 (state variables) and Form10_1 (structural transformations): one window a work.
void registerDiagrams(WindowRegistry& r);
