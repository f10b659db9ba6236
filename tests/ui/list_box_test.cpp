#include "ui/list_box.hpp"

#include "core/list_text.hpp"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

using tolvin::list_box;

namespace {

QString crlf_of(const QString& text) {
    return QString::fromStdU16String(tolvin::to_crlf(text.toStdU16String()));
}

// The widget position of every list position, worked out from the list text alone:
// a CR LF is one widget character, and its LF maps to the line's end.
std::vector<qsizetype> widget_positions(const QString& list) {
    std::vector<qsizetype> map;
    qsizetype w = 0;
    for (qsizetype i = 0; i <= list.size(); ++i) {
        const bool at_lf = i > 0 && i < list.size() && list[i] == u'\n' && list[i - 1] == u'\r';
        map.push_back(at_lf ? w - 1 : w);
        if (i < list.size() && !at_lf) {
            ++w;
        }
    }
    return map;
}

QString url_list(qsizetype size) {
    QString text;
    for (int n = 0; text.size() < size; ++n) {
        text += QStringLiteral("http://www.example.jp/img/kurukuru%1.jpg\r\n").arg(n, 3, 10, QChar(u'0'));
    }
    text.truncate(size);
    return text;
}

class list_box_test : public ::testing::Test {
  protected:
    QPlainTextEdit edit;
    list_box box{&edit};
};

TEST_F(list_box_test, widget_undo_is_off_and_stays_off) {
    box.set_text("abc");
    EXPECT_FALSE(edit.isUndoRedoEnabled());
    edit.textCursor().insertText("x");
    EXPECT_FALSE(edit.document()->isUndoAvailable());
}

TEST_F(list_box_test, set_text_fires_text_changed_once_and_puts_caret_at_0) {
    int changes = 0;
    QObject::connect(&edit, &QPlainTextEdit::textChanged, [&] { ++changes; });
    for (const QString& text : {QString("ab\r\ncd"), QString("ab\r\ncd"), QString(), url_list(65535)}) {
        box.set_selection(2, 3);
        changes = 0;
        box.set_text(text);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(box.sel_start(), 0);
        EXPECT_EQ(box.sel_length(), 0);
    }
}

struct text_case {
    const char16_t* given;
    const char16_t* read;
};

void PrintTo(const text_case& c, std::ostream* os) {
    *os << QString::fromUtf16(c.given).toUtf8().toPercentEncoding(" ").constData();
}

class text_test : public list_box_test, public ::testing::WithParamInterface<text_case> {};

TEST_P(text_test, reads_back_with_crlf) {
    const QString given = QString::fromUtf16(GetParam().given);
    box.set_text(given);
    EXPECT_EQ(box.text(), QString::fromUtf16(GetParam().read));
    EXPECT_EQ(box.length(), box.text().size());
    EXPECT_TRUE(list_box::can_hold(given));
}

INSTANTIATE_TEST_SUITE_P(
    texts, text_test,
    ::testing::Values(text_case{u"", u""}, text_case{u"a", u"a"}, text_case{u"a\r\nb", u"a\r\nb"},
                      text_case{u"a\nb", u"a\r\nb"}, text_case{u"a\rb", u"a\r\nb"},
                      text_case{u"\r\r\n", u"\r\n\r\n"}, text_case{u"\n\r", u"\r\n\r\n"},
                      text_case{u"a\u2029b", u"a\r\nb"}, text_case{u"a\r\n", u"a\r\n"},
                      text_case{u"\r\n\r\n", u"\r\n\r\n"}, text_case{u"a\u2028b\u00a0c", u"a\u2028b\u00a0c"},
                      text_case{u"\tx\t", u"\tx\t"},
                      text_case{u"\ufeffx\ufffe\uffff", u"\ufeffx\ufffe\uffff"},
                      text_case{u"\U0001F600", u"\U0001F600"},
                      text_case{u"\ufffc\u0085\u000b\u000c", u"\ufffc\u0085\u000b\u000c"}));

TEST_F(list_box_test, every_code_unit_but_line_breaks_and_frame_marks_is_kept) {
    // NUL and every other control character, lone surrogates of both kinds, U+FFFF...
    // Short lines keep the widget's layout work small.
    QString all;
    for (int c = 0; c <= 0xFFFF; ++c) {
        all += QChar(u'x');
        all += QChar(static_cast<char16_t>(c));
        if (c % 64 == 63) {
            all += QStringLiteral("\r\n");
        }
    }
    QString without_marks = all;
    without_marks.remove(QChar(0xFDD0)).remove(QChar(0xFDD1));
    EXPECT_TRUE(list_box::can_hold(without_marks));
    box.set_text(without_marks);
    EXPECT_EQ(box.text(), crlf_of(without_marks));
    EXPECT_EQ(box.length(), crlf_of(without_marks).size());

    // The frame marks become line breaks: can_hold warns of that.
    EXPECT_FALSE(list_box::can_hold(all));
    EXPECT_FALSE(list_box::can_hold(QStringLiteral("a\uFDD1")));
    box.set_text(QStringLiteral("a\uFDD0b"));
    EXPECT_EQ(box.text(), "a\r\nb");
}

class mapping_test : public list_box_test, public ::testing::WithParamInterface<const char16_t*> {};

TEST_P(mapping_test, maps_every_position_both_ways) {
    const QString text = QString::fromUtf16(GetParam());
    box.set_text(text);
    ASSERT_EQ(box.text(), text);
    const std::vector<qsizetype> expected = widget_positions(text);
    for (qsizetype i = 0; i <= text.size(); ++i) {
        EXPECT_EQ(box.to_widget_pos(i), expected[i]) << "list position " << i;
        const bool at_lf = i > 0 && i < text.size() && text[i] == u'\n' && text[i - 1] == u'\r';
        EXPECT_EQ(box.to_list_pos(box.to_widget_pos(i)), at_lf ? i - 1 : i) << "list position " << i;
    }
    EXPECT_EQ(box.to_widget_pos(-5), 0);
    EXPECT_EQ(box.to_widget_pos(text.size() + 7), expected.back());
    EXPECT_EQ(box.to_list_pos(-1), 0);
    EXPECT_EQ(box.to_list_pos(expected.back() + 3), text.size());
}

INSTANTIATE_TEST_SUITE_P(texts, mapping_test,
                         ::testing::Values(u"", u"\r\n", u"\r\n\r\n", u"abc", u"abc\r\n", u"\r\nabc",
                                           u"a\r\n\r\nb", u"ab\r\ncd\r\nef", u"日本\r\n\U0001F600\r\n\r\nz"));

struct selection_case {
    const char16_t* text;
    qsizetype start, length; // asked
    qsizetype sel_start, sel_length;
    const char16_t* sel_text;
};

void PrintTo(const selection_case& c, std::ostream* os) {
    *os << QString::fromUtf16(c.text).toUtf8().toPercentEncoding(" ").constData() << " (" << c.start << ", "
        << c.length << ")";
}

class selection_test : public list_box_test, public ::testing::WithParamInterface<selection_case> {};

TEST_P(selection_test, selects_in_list_positions) {
    const selection_case& c = GetParam();
    box.set_text(QString::fromUtf16(c.text));
    box.set_selection(c.start, c.length);
    EXPECT_EQ(box.sel_start(), c.sel_start);
    EXPECT_EQ(box.sel_length(), c.sel_length);
    EXPECT_EQ(box.sel_text(), QString::fromUtf16(c.sel_text));
    // The caret is at the far end.
    EXPECT_EQ(box.to_list_pos(edit.textCursor().position()), c.sel_start + c.sel_length);
}

INSTANTIATE_TEST_SUITE_P(
    selections, selection_test,
    ::testing::Values(
        selection_case{u"ab\r\ncd", 1, 4, 1, 4, u"b\r\nc"},
        selection_case{u"ab\r\ncd", 0, 6, 0, 6, u"ab\r\ncd"},
        selection_case{u"ab\r\ncd", 2, 2, 2, 2, u"\r\n"},
        selection_case{u"ab\r\n\r\ncd", 4, 2, 4, 2, u"\r\n"}, selection_case{u"ab\r\ncd", 4, 0, 4, 0, u""},
        selection_case{u"ab\r\ncd", 0, 3, 0, 2, u"ab"},    // end on the LF: line end
        selection_case{u"ab\r\ncd", 3, 2, 2, 3, u"\r\nc"}, // start on the LF: line end
        selection_case{u"ab\r\ncd", -5, 4, 0, 4, u"ab\r\n"}, selection_case{u"ab\r\ncd", 100, 5, 6, 0, u""},
        selection_case{u"ab\r\ncd", 2, 1000, 2, 4, u"\r\ncd"}, selection_case{u"ab\r\ncd", 1, -3, 1, 0, u""},
        selection_case{u"a\u00a0\u2028b\r\nc", 0, 6, 0, 6, u"a\u00a0\u2028b\r\n"},
        selection_case{u"", 0, 5, 0, 0, u""}));

TEST_F(list_box_test, backward_selection_reports_its_lower_end) {
    box.set_text("ab\r\ncd\r\nef");
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(7); // widget position of 'f'
    cursor.setPosition(1, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
    EXPECT_EQ(box.sel_start(), 1);
    EXPECT_EQ(box.sel_length(), 8);
    EXPECT_EQ(box.sel_text(), "b\r\ncd\r\ne");
}

TEST_F(list_box_test, full_list_maps_like_the_model) {
    for (const QString& text : {url_list(65535), QString(65535, QChar(u'a'))}) {
        box.set_text(text);
        ASSERT_EQ(box.text(), text);
        ASSERT_EQ(box.length(), 65535);
        const std::vector<qsizetype> expected = widget_positions(text);
        for (qsizetype i = 0; i <= text.size(); i += 97) {
            ASSERT_EQ(box.to_widget_pos(i), expected[i]) << i;
        }
        box.set_selection(65000, 535);
        EXPECT_EQ(box.sel_start(), 65000);
        EXPECT_EQ(box.sel_text(), text.mid(65000));
    }
}

} // namespace
