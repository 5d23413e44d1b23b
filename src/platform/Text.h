// Texts made below Qt for a person to read (notes, working): a source string
// marked for the translation tools, and the arguments that fill its %1, %2...
// The Qt layer translates the source, then fills in the arguments, so numbers
// keep the digits and the point the controllers gave them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a source string for lupdate (an alias of QT_TRANSLATE_NOOP) and gives
// the context and the string, in that order, to a Text.
#define PHYSCALC_TRANSLATE_NOOP(context, source) context, source

namespace platform {

struct Text
{
    const char* context = "";
    const char* source = "";
    std::vector<std::string> arguments;

    // By the characters: the same literal may sit at two addresses, one per
    // translation unit, when the linker does not merge them.
    friend bool operator==(const Text& a, const Text& b)
    {
        return std::string_view(a.context) == b.context && std::string_view(a.source) == b.source
               && a.arguments == b.arguments;
    }
};

// The untranslated text with its arguments filled in, as the Qt layer's
// QString::arg would: %1 to %9, each replaced by its argument.
std::string english(const Text& text);

// A read-only pane of lines of text beside a window's fields: its notes or its
// working. Showing no lines empties it.
class TextPane
{
public:
    virtual ~TextPane() = default;

    virtual void show(const std::vector<Text>& lines) = 0;

protected:
    TextPane() = default;
    TextPane(const TextPane&) = default;
    TextPane& operator=(const TextPane&) = default;
};

} // namespace platform
