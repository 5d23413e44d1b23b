#include "Text.h"

namespace platform {

std::string english(const Text& text)
{
    std::string filled;
    for (const char* c = text.source; *c != '\0'; ++c) {
        const bool placeholder = c[0] == '%' && c[1] >= '1' && c[1] <= '9';
        const auto index = placeholder ? static_cast<std::size_t>(c[1] - '1') : 0;
        if (placeholder && index < text.arguments.size()) {
            filled += text.arguments[index];
            ++c;
        } else {
            filled += *c;
        }
    }
    return filled;
}

} // namespace platform
