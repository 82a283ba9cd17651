#include "program.h"

#include "labs/astatism/section.h"
#include "labs/compound_links/section.h"
#include "labs/correction/section.h"
#include "labs/diagrams/section.h"
#include "labs/invariance/section.h"
#include "labs/nontypical_links/section.h"
#include "labs/stability/section.h"
#include "labs/typical_links/section.h"

const Catalogue& programCatalogue() {
  static const Catalogue catalogue = [] {
    std::vector<SectionEntry> sections{typical::section(),   nontypical::section(), compound::section(),
                                       stability::section(), astatism::section(),   invariance::section(),
                                       correction::section()};
    for (SectionEntry& s : diagrams::sections()) sections.push_back(std::move(s));
    return Catalogue(std::move(sections));
  }();
  return catalogue;
}
