// Reading and writing the settings record: group "Startup" of the per-user store.
#pragma once

#include "settings/settings_record.hpp"

#include <QSettings>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace tolvin {

// Reads all 22 keys in their fixed order. Any numeric value that does not convert
// (absent, empty, not a number, outside 32 bits) resets every stored value to its
// default; otherwise bk_save_type_str becomes a copy of save_type_str. Window states
// outside 0 to 2 read as 0.
void load_settings(QSettings& store, settings_record& rec);

// Writes all 22 keys from `rec` (the caller has put the main window's normal bounds
// and state into main_left ... main_windowstate) and flushes the store. Returns an
// empty string on success, else a short reason why the store could not be written.
QString save_settings(QSettings& store, const settings_record& rec);

// The 32-bit value of a stored numeric text, or nothing when the text is not one.
// Accepted: optional spaces or tabs around, an optional sign, decimal digits and
// optionally a point with more digits ("12", "-300", " +7 ", "7845.0", ".5", "5.").
// A fraction rounds to the nearest integer, a half to the even one. Everything else
// (empty, "12abc", "1e3", "0x10", "1 2", full-width digits, a result outside 32 bits)
// is no number.
std::optional<std::int32_t> read_stored_number(QStringView text);

} // namespace tolvin
