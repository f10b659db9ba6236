// The undo history of the one-line input fields, held to a bounded size.
#pragma once

class QLineEdit;

namespace tolvin {

// Characters a field's undo history may gather: Qt keeps one entry per character typed,
// pasted or deleted (about 16 bytes each) and never drops one while the text stays, so
// a few pastes of a long list would otherwise hold megabytes for as long as the program
// runs. Ordinary typing, corrections included, stays far below this.
inline constexpr int field_history_bound = 4096;

// Keeps Ctrl+Z in `field` for typing, and once what its history holds has passed
// `field_history_bound`, begins the history afresh from the field as it stands: same text,
// cursor, selection and modified flag, and no change signal.
void bound_undo_history(QLineEdit* field);

} // namespace tolvin
