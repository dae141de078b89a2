// The layout check's rules on where the room of a field goes.
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

}  // namespace LayoutRules
