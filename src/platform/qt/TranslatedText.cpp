#include "TranslatedText.h"

#include <QCoreApplication>

namespace platform::qt {

// Each %n is replaced by the n-th argument in one pass, as english() does:
// QString::arg would fill the lowest placeholder left, so a sentence that
// skips %2 would take the second argument for its %3, and an argument that
// holds "%1" (a vector's name) would be filled in again.
QString translated(const Text& text)
{
    const QString source = QCoreApplication::translate(text.context, text.source);
    QString result;
    result.reserve(source.size());
    for (qsizetype at = 0; at < source.size(); ++at) {
        const QChar digit = at + 1 < source.size() ? source[at + 1] : QChar();
        const auto index = static_cast<std::size_t>(digit.unicode() - u'1');
        if (source[at] == u'%' && digit >= u'1' && digit <= u'9' && index < text.arguments.size()) {
            result += QString::fromStdString(text.arguments[index]);
            ++at;
        } else {
            result += source[at];
        }
    }
    return result;
}

} // namespace platform::qt
