#include "core/list_text.hpp"

namespace tolvin {

std::u16string remove_char(std::u16string_view text, std::u16string_view chars) {
    if (chars.empty()) {
        return std::u16string(text);
    }
    const char16_t removed = chars.front();
    std::u16string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        if (c != removed) {
            out.push_back(c);
        }
    }
    return out;
}

std::u16string remove_spaces(std::u16string_view text) {
    return remove_char(remove_char(text, u" "), u"\u3000");
}

bool is_blank(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c != u' ' && c != u'\u3000') {
            return false;
        }
    }
    return true;
}

std::u16string to_crlf(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 8);
    std::size_t i = 0;
    while (i < text.size()) {
        // The run up to the next line break is copied in one piece.
        const std::size_t run = i;
        while (i < text.size() && text[i] != u'\r' && text[i] != u'\n' && text[i] != u'\u2029') {
            ++i;
        }
        out.append(text.substr(run, i - run));
        if (i == text.size()) {
            break;
        }
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i; // CR LF stays one line break
        }
        out.append(crlf);
        ++i;
    }
    return out;
}

bool box_can_keep(std::u16string_view text) {
    // No early exit: the loop runs over whole vectors of characters.
    bool marker = false;
    for (const char16_t c : text) {
        marker |= (c | 1) == 0xFDD1;
    }
    return !marker;
}

std::optional<std::u16string> stored_text(std::u16string_view text) {
    std::u16string stored = to_crlf(text);
    if (!fits_list_limit(stored.size()) || !box_can_keep(stored)) {
        return std::nullopt;
    }
    return stored;
}

std::u16string limit_message_text(std::int32_t mode) {
    const std::u16string_view what = mode == 0 ? u"編集" : u"リストアップ";
    std::u16string text;
    text.append(what);
    text.append(u"可能文字数を超えてしまうため リストを表示できません。");
    text.append(crlf);
    text.append(u"これは、文字数が、結構多いためです。");
    text.append(crlf);
    text.append(u"このソフトで");
    text.append(what);
    text.append(u"できる文字数は、65536文字までです。");
    text.append(crlf);
    text.append(u"残念ながら 未対応です。m(_ _)m");
    text.append(crlf);
    text.append(crlf);
    text.append(u"リストを分割して");
    text.append(what);
    text.append(u"するなど、工夫して編集してみて下さい。");
    return text;
}

} // namespace tolvin
