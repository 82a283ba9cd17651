#include "window_registry.h"

#include "labs/astatism/astatism_windows.h"
#include "labs/stability/register.h"
#include "labs/typical_links/register.h"

const WindowRegistry& programWindows() {
  static const WindowRegistry registry = [] {
    WindowRegistry r;
    registerAstatism(r);
    registerIntegratingLink(r);
    registerStability(r);
    return r;
  }();
  return registry;
}
