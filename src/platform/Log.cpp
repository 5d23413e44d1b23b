#include "Log.h"

#include <string_view>

namespace platform {

namespace {

// A sign, digits with a point or comma, and an exponent: what a spreadsheet
// takes for a number. "-1+2" is not one: it would be worked out.
bool plainNumber(std::string_view cell)
{
    bool digits = false;
    for (std::size_t i = 1; i < cell.size(); ++i) {
        const char c = cell[i];
        const bool exponentSign =
            (c == '+' || c == '-') && (cell[i - 1] == 'e' || cell[i - 1] == 'E');
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c != '.' && c != ',' && c != 'e' && c != 'E' && !exponentSign)
            return false;
    }
    return digits;
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
