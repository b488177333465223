#include "skin/SkinRect.h"

#include "skin/TextRules.h"

#include <algorithm>
#include <limits>

namespace corvane {

SkinRect ParseRect(std::string_view text) {
    std::int32_t fields[4] = {0, 0, 0, 0};
    // Field n exists when the text has at least n commas; the scan stops at
    // the first field that does not.
    bool present = true;
    for (std::int32_t& field : fields) {
        if (!present)
            break;
        const std::size_t comma = text.find(',');
        field = textrules::ParseDecimal(text.substr(0, comma));
        present = comma != std::string_view::npos;
        if (present)
            text.remove_prefix(comma + 1);
    }
    return SkinRect{fields[0], fields[1], fields[2], fields[3]};
}

SkinRect GrowBottom(const SkinRect& rect, std::int32_t extra) {
    SkinRect grown = rect;
    grown.bottom = SkinRect::Saturated(std::int64_t{rect.bottom} + extra);
    return grown;
}

} // namespace corvane
