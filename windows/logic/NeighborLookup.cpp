#include "NeighborLookup.h"

#include "NeighborParser.h"
#include "TWMUtil.h"

std::vector<NeighborEntry> NeighborLookup::Run(const std::function<bool()>& stillWanted) const {
    std::vector<NeighborEntry> entries;
    if (!stillWanted())
        return entries;
    const CapturedOutput listing = m_run({"smbtree", "-N", "-S"}, m_limits.listingBytes, m_limits.listingMs);
    for (const wxString& host : NeighborParser::ParseListing(listing.output, m_limits.maxHosts)) {
        NeighborEntry entry;
        entry.hostName = host;
        if (!host.empty()) {
            if (!stillWanted())
                return {};
            const CapturedOutput answer = m_run({"nmblookup", "--", TWMUtil::WxStringToStdString(host)},
                                                m_limits.answerBytes, m_limits.answerMs);
            entry.ipAddress = NeighborParser::ParseAnswer(answer.output);
        }
        entries.push_back(entry);
    }
    return entries;
}
