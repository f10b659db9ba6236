// The charset an HTML page declares, read from its first bytes as browsers and Qt read it.
#include "files/text_encodings.hpp"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(html_declared_charset, takes_the_first_declaration_after_a_meta_element) {
    const struct {
        std::string page;
        const char* charset;
    } rows[] = {
        {"<meta charset=\"Shift_JIS\">", "shift_jis"},
        {"<META CHARSET='EUC-JP'/>", "euc-jp"},
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-2022-jp\">", "iso-2022-jp"},
        {"<meta charset= windows-31j >", "windows-31j"},
        {"<meta charset=\"x-sjis:extra\">", "x-sjis"},
        {"<meta charset=\"unicode\">", "utf-8"},
        {"<title>charset=euc-jp</title>", ""},                      // no meta element before it
        {"<meta charset=euc-jp", ""},                               // never closed
        {std::string(1020, ' ') + "<meta charset=\"euc-jp\">", ""}, // past the first 1,024 bytes
    };
    for (const auto& row : rows)
        EXPECT_EQ(tolvin::html_declared_charset(row.page), row.charset) << row.page;
}

} // namespace
