#include "window_registry.h"

const WindowRegistry& programWindows() {
  static const WindowRegistry registry = [] {
    WindowRegistry r;
    return r;
  }();
  return registry;
}
