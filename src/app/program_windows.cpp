#include "window_registry.h"

#include "labs/astatism/astatism_windows.h"

const WindowRegistry& programWindows() {
  static const WindowRegistry registry = [] {
    WindowRegistry r;
    registerAstatism(r);
    return r;
  }();
  return registry;
}
