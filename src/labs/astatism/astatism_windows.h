#pragma once
// The 32 windows of the astatism section, Form19_1 .. Form22_8.
class WindowRegistry;

namespace astatism {
void registerWindows(WindowRegistry& r);
}  // namespace astatism

inline void registerAstatism(WindowRegistry& r) { astatism::registerWindows(r); }
