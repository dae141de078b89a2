#ifndef TIDEWAVE_NEIGHBORPARSER_H
#define TIDEWAVE_NEIGHBORPARSER_H

#include <cstddef>
#include <string>
#include <vector>

#include <wx/string.h>

// Reads the output of the Samba client tools.
namespace NeighborParser {

// The host names of a server listing ("smbtree -N -S"): one per line that
// holds two backslashes in a row, in listing order, at most `maxHosts`.
// The name is what follows the two backslashes, up to the first blank or
// tab; it may be empty.  Lines hold at most 199 bytes: a longer one ends the
// listing.
std::vector<wxString> ParseListing(const std::string& listing, size_t maxHosts);

// The address in a name query's answer ("nmblookup -- <name>"): the first
// word of its second line; empty when there is no second line, a line is
// too long, the query failed, or the word is "NULL".
wxString ParseAnswer(const std::string& answer);

}  // namespace NeighborParser

#endif
