// UTF-16 text from core into a QString, code unit for code unit.
#pragma once

#include <QString>
#include <string_view>

namespace tolvin {

// Unlike QString::fromStdU16String, which takes a leading U+FEFF for a byte-order mark
// and drops it, and a leading U+FFFE for a swapped one and byte-swaps the whole text.
inline QString qstring_from_u16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

} // namespace tolvin
