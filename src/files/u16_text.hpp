// UTF-16 text between core and QString, code unit for code unit.
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

namespace tolvin {

// Unlike QString::fromStdU16String, which takes a leading U+FEFF for a byte-order mark
// and drops it, and a leading U+FFFE for a swapped one and byte-swaps the whole text.
inline QString qstring_from_u16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// The characters of a QString as core reads them, without a copy.
inline std::u16string_view u16_view(QStringView text) {
    return std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                               static_cast<std::size_t>(text.size()));
}

} // namespace tolvin
