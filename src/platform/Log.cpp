#include "Log.h"

#include <string_view>

namespace platform {

namespace {

bool plainNumber(std::string_view cell)
{
    return cell.size() > 1 && cell.find_first_not_of("0123456789.,eE+-") == std::string_view::npos
           && cell.find_first_of("0123456789") != std::string_view::npos;
}

} // namespace

std::string spreadsheetSafe(const std::string& cell)
{
    if (cell.empty())
        return cell;
    const char first = cell.front();
    const bool formula = first == '=' || first == '@' || first == '\t' || first == '\r'
                         || ((first == '+' || first == '-') && !plainNumber(cell));
    return formula ? "'" + cell : cell;
}

} // namespace platform
