#include "settings/settings_record.hpp"

namespace tolvin {

void apply_defaults(settings_record& rec) {
    rec.first_flag = 0;
    rec.comment_flag = 1;
    rec.help_comment_flag = 1;
    rec.save_type_flag = 1;
    rec.save_type_str = QStringLiteral("txt");
    // The result list window sits beside the main window, which is 7845 wide at least.
    rec.lw_left = 7845;
    rec.lw_top = 0;
    rec.lw_width = 4125;
    rec.lw_height = 7620;
    rec.lw_windowstate = 0;

    rec.main_left = 0;
    rec.main_top = 0;
    rec.main_width = 7845;
    rec.main_height = 7620;
    rec.main_windowstate = 0;
    rec.bk_cmb3 = QStringLiteral("http://");
    rec.bk_txt1.clear();
    rec.bk_txt2.clear();
    rec.bk_txt3.clear();
    rec.bk_txt4.clear();
    rec.bk_txt5.clear();
    rec.bk_txt6.clear();
}

} // namespace tolvin
