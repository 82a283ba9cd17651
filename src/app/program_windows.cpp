#include "window_registry.h"

#include "labs/astatism/astatism_windows.h"
#include "labs/nontypical_links/register.h"
#include "labs/diagrams/register.h"
#include "labs/compound_links/register.h"
#include "labs/typical_links/register.h"

const WindowRegistry& programWindows() {
  static const WindowRegistry registry = [] {
    WindowRegistry r;
    registerAstatism(r);
    registerDiagrams(r);
    registerIntegratingLink(r);
    registerAperiodicLink(r);
    registerOscillatingLink(r);
    registerNontypicalLinks(r);
    registerCompoundLinks(r);
    return r;
  }();
  return registry;
}
