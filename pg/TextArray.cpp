#include "TextArray.h"

namespace terrovane::pg {

std::string TextArray(const std::vector<std::string>& texts) {
    std::string literal = "{";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        literal += i == 0 ? "\"" : ",\"";
        for (const char c : texts[i]) {
            if (c == '"' || c == '\\') {
                literal += '\\';
            }
            literal += c;
        }
        literal += '"';
    }
    return literal + "}";
}

}  // namespace terrovane::pg
