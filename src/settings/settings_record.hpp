// The settings record: the values the main window shares with the other windows,
// and the ones it keeps for itself, with their defaults.
#pragma once

#include <QString>
#include <cstdint>

namespace tolvin {

struct settings_record {
    // Shared with the other windows.
    std::int32_t first_flag = 0;        // nonzero once the first-run start-up has been shown
    std::int32_t comment_flag = 0;      // 1: generated lists carry comment lines
    std::int32_t help_comment_flag = 0; // 1: later starts put the help text into the list
    std::int32_t save_type_flag = 0;    // nonzero: the save dialog offers file_name2
    QString save_type_str;              // extension of saved list files, without the dot
    QString bk_save_type_str;           // the extension last put into effect (not stored)
    QString file_name1;                 // list file opened last (this run only)
    QString file_name2;                 // list file saved last (this run only)
    std::int32_t lw_left = 0;           // result list window placement, twips
    std::int32_t lw_top = 0;
    std::int32_t lw_width = 0;
    std::int32_t lw_height = 0;
    std::int32_t lw_windowstate = 0; // 0 normal, 1 minimized, 2 maximized
    std::int32_t lw_url_su = 0;      // lines made by the latest generator run (not stored)

    // The main window's own.
    std::int32_t main_left = 0;
    std::int32_t main_top = 0;
    std::int32_t main_width = 0;
    std::int32_t main_height = 0;
    std::int32_t main_windowstate = 0;
    QString bk_cmb3; // search text (Combo3)
    QString bk_txt1; // text to replace
    QString bk_txt2; // replacement
    QString bk_txt3; // common text of a numbered list
    QString bk_txt4; // first number of a numbered list
    QString bk_txt5; // last number of a numbered list
    QString bk_txt6; // text to add to every line
};

// Copies the default of every stored value into `rec`; values that are not stored
// (bk_save_type_str, file names, lw_url_su) are left as they are.
void apply_defaults(settings_record& rec);

} // namespace tolvin
