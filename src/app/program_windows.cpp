#include "window_registry.h"

#include "labs/astatism/astatism_windows.h"
#include "labs/correction/register.h"
#include "labs/invariance/register.h"
#include "labs/nontypical_links/register.h"
#include "labs/diagrams/register.h"
#include "labs/compound_links/register.h"
#include "labs/stability/register.h"
#include "labs/typical_links/register.h"

const WindowRegistry& programWindows() {
  static const WindowRegistry registry = [] {
    WindowRegistry r;
    registerAstatism(r);
    registerDiagrams(r);
    registerCorrection(r);
    registerIntegratingLink(r);
    registerInvariance(r);
    registerAperiodicLink(r);
    registerOscillatingLink(r);
    registerNontypicalLinks(r);
    registerCompoundLinks(r);
    registerStability(r);
    return r;
  }();
  return registry;
}
