#pragma once
// The regional zones of the seismic correction factor Cz: by prefecture
// initial, the zone keys; by zone key, the municipalities and the factor.

#include <string>
#include <vector>

namespace kovrel {

struct ZoneInitial {
  const char* initial;
  std::vector<const char*> keys;
};

// The 22 prefecture initials, in button order, each with its zone keys.
const std::vector<ZoneInitial>& zoneInitials();

// The 59 zone entries in their stored order: each is the key, the
// municipalities and last the factor (the only piece with a "."), comma
// separated.
const std::vector<const char*>& zoneEntries();

// The pieces of one entry, split at the commas.
std::vector<std::string> zonePieces(const char* entry);

}  // namespace kovrel
