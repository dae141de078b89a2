// The layout check's rules on where the room of a field or a list goes.
#include "LayoutRules.h"

namespace LayoutRules {

std::vector<std::string> CheckFieldStarts(const std::vector<FieldText>& fields) {
    std::vector<std::string> findings;
    for (const FieldText& f : fields) {
        if (f.offset != 0 && !f.typing)
            findings.push_back("scrolled text: " + f.name + " shows \"" + f.text + "\" from " +
                               std::to_string(f.offset) + " px into it");
    }
    return findings;
}

std::vector<std::string> CheckFieldCuts(const std::vector<FieldText>& fields) {
    std::vector<std::string> findings;
    for (const FieldText& f : fields) {
        if (!f.typable && f.textW > f.room)
            findings.push_back("cut text: " + f.name + " shows \"" + f.text + "\" in " + std::to_string(f.room) +
                               " px, cut at its edge; its text needs " + std::to_string(f.textW));
    }
    return findings;
}

std::vector<std::string> CheckColumnShares(const std::vector<ListColumn>& columns) {
    std::vector<std::string> findings;
    for (const ListColumn& cut : columns) {
        if (!cut.cut || cut.width <= 0)
            continue;
        for (const ListColumn& other : columns) {
            const int spare = other.width - other.need;
            if (&other != &cut && other.width > 0 && spare >= kSpareColumnRoom)
                findings.push_back("column room: " + cut.name + " is cut in " + std::to_string(cut.width) +
                                   " px while " + other.name + " keeps " + std::to_string(spare) +
                                   " px beyond its widest text");
        }
    }
    return findings;
}

}  // namespace LayoutRules
