#include "settings/settings_store.hpp"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <ostream>
#include <string>
#include <vector>

using tolvin::settings_record;

namespace {

constexpr std::int32_t int_min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t int_max = std::numeric_limits<std::int32_t>::max();

const std::vector<std::string> numeric_keys = {"left",
                                               "top",
                                               "width",
                                               "height",
                                               "windowstate",
                                               "first_flag",
                                               "lw_left",
                                               "lw_top",
                                               "lw_width",
                                               "lw_height",
                                               "lw_windowstate",
                                               "comment_flag",
                                               "help_comment_flag",
                                               "save_type_flag"};

// A complete, valid store in which no value equals its default.
std::map<std::string, std::string> good_store() {
    return {
        {"left", "100"},         {"top", "200"},          {"width", "9000"},       {"height", "5000"},
        {"windowstate", "2"},    {"first_flag", "1"},     {"lw_left", "-15"},      {"lw_top", "30"},
        {"lw_width", "5000"},    {"lw_height", "6000"},   {"lw_windowstate", "1"}, {"bk_cmb3", "jpg"},
        {"bk_txt1", "a"},        {"bk_txt2", "b"},        {"bk_txt3", "c"},        {"bk_txt4", "1"},
        {"bk_txt5", "9"},        {"bk_txt6", "d"},        {"comment_flag", "0"},   {"help_comment_flag", "0"},
        {"save_type_flag", "0"}, {"save_type_str", "lst"}};
}

settings_record defaults() {
    settings_record rec;
    tolvin::apply_defaults(rec);
    return rec;
}

// Every field of the record on one line, so that a failure shows all differences.
std::string describe(const settings_record& r) {
    const QStringList numbers = {QString::number(r.main_left),         QString::number(r.main_top),
                                 QString::number(r.main_width),        QString::number(r.main_height),
                                 QString::number(r.main_windowstate),  QString::number(r.first_flag),
                                 QString::number(r.lw_left),           QString::number(r.lw_top),
                                 QString::number(r.lw_width),          QString::number(r.lw_height),
                                 QString::number(r.lw_windowstate),    QString::number(r.comment_flag),
                                 QString::number(r.help_comment_flag), QString::number(r.save_type_flag),
                                 QString::number(r.lw_url_su)};
    const QStringList texts = {r.bk_cmb3, r.bk_txt1, r.bk_txt2,       r.bk_txt3,          r.bk_txt4,
                               r.bk_txt5, r.bk_txt6, r.save_type_str, r.bk_save_type_str, r.file_name1};
    return (numbers.join(' ') + " | " + texts.join('|')).toStdString();
}

void expect_same(const settings_record& a, const settings_record& b) {
    EXPECT_EQ(describe(a), describe(b));
}

class store_test : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    int files = 0;

    QString path(const QString& name) const { return dir.filePath(name); }

    // Each file gets a fresh name: QSettings caches files by name within a process,
    // and the tests must read what is on disk.
    QString write_raw(const QByteArray& bytes) {
        const QString p = path(QStringLiteral("raw%1.ini").arg(++files));
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return p;
    }
    QString write_keys(const std::map<std::string, std::string>& keys) {
        QByteArray bytes = "[Startup]\n";
        for (const auto& [key, value] : keys) {
            bytes += QByteArray::fromStdString(key + "=" + value + "\n");
        }
        return write_raw(bytes);
    }
    static settings_record load(const QString& p) {
        settings_record rec;
        rec.bk_save_type_str = "before";
        rec.file_name1 = "kept";
        rec.lw_url_su = 42;
        QSettings store(p, QSettings::IniFormat);
        tolvin::load_settings(store, rec);
        return rec;
    }
    static settings_record load_defaults() {
        settings_record rec = defaults();
        rec.bk_save_type_str = "before";
        rec.file_name1 = "kept";
        rec.lw_url_su = 42;
        return rec;
    }
    // What a fresh process would read: a copy of the file under a new name.
    QString copy_of(const QString& p) {
        const QString q = path(QStringLiteral("copy%1.ini").arg(++files));
        EXPECT_TRUE(QFile::copy(p, q));
        return q;
    }
};

TEST_F(store_test, empty_or_unreadable_store_gives_every_default) {
    const settings_record expected = load_defaults();
    expect_same(load(path("missing.ini")), expected);
    expect_same(load(path("no/such/folder/x.ini")), expected);
    expect_same(load(write_raw("")), expected);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary.append(static_cast<char>((i * 7919) % 256));
    }
    expect_same(load(write_raw(binary)), expected);
    static const char with_nul[] = "[Startup\nleft=5\n\0\0\xff\xfe";
    expect_same(load(write_raw(QByteArray(with_nul, sizeof with_nul - 1))), expected);
    ASSERT_TRUE(QDir().mkpath(path("folder.ini")));
    expect_same(load(path("folder.ini")), expected);
}

TEST_F(store_test, valid_store_is_read_into_every_field) {
    EXPECT_EQ(describe(load(write_keys(good_store()))),
              "100 200 9000 5000 2 1 -15 30 5000 6000 1 0 0 0 42 | jpg|a|b|c|1|9|d|lst|lst|kept");
}

TEST_F(store_test, absent_text_keys_read_empty_without_reset) {
    std::map<std::string, std::string> keys = good_store();
    for (const char* key : {"bk_cmb3", "bk_txt1", "bk_txt6", "save_type_str"}) {
        keys.erase(key);
    }
    const settings_record rec = load(write_keys(keys));
    EXPECT_EQ(rec.bk_cmb3, "");
    EXPECT_EQ(rec.bk_txt1, "");
    EXPECT_EQ(rec.bk_txt2, "b");
    EXPECT_EQ(rec.save_type_str, "");
    EXPECT_EQ(rec.bk_save_type_str, "");
    EXPECT_EQ(rec.main_left, 100);
}

TEST_F(store_test, hand_edited_comma_list_is_joined_back) {
    std::map<std::string, std::string> keys = good_store();
    keys["bk_cmb3"] = "jpg,gif ,png";
    keys["save_type_str"] = "\"a,b\"";
    const settings_record rec = load(write_keys(keys));
    EXPECT_EQ(rec.bk_cmb3, "jpg, gif, png");
    EXPECT_EQ(rec.save_type_str, "a,b");

    keys["left"] = "1,2";
    expect_same(load(write_keys(keys)), load_defaults());
}

// Every numeric key, absent or unreadable, throws away also the good values.
class bad_key_test : public store_test, public ::testing::WithParamInterface<std::string> {};

TEST_P(bad_key_test, resets_everything) {
    for (const char* bad : {"", "abc", "2147483648"}) {
        std::map<std::string, std::string> keys = good_store();
        keys[GetParam()] = bad;
        expect_same(load(write_keys(keys)), load_defaults());
    }
    std::map<std::string, std::string> keys = good_store();
    keys.erase(GetParam());
    expect_same(load(write_keys(keys)), load_defaults());
}

INSTANTIATE_TEST_SUITE_P(numeric_keys, bad_key_test, ::testing::ValuesIn(numeric_keys));

struct state_case {
    const char* stored;
    std::int32_t read;
};

void PrintTo(const state_case& c, std::ostream* os) {
    *os << "'" << c.stored << "'";
}

class window_state_test : public store_test, public ::testing::WithParamInterface<state_case> {};

TEST_P(window_state_test, outside_0_to_2_reads_0) {
    std::map<std::string, std::string> keys = good_store();
    keys["windowstate"] = GetParam().stored;
    keys["lw_windowstate"] = GetParam().stored;
    const settings_record rec = load(write_keys(keys));
    EXPECT_EQ(rec.main_windowstate, GetParam().read);
    EXPECT_EQ(rec.lw_windowstate, GetParam().read);
    EXPECT_EQ(rec.main_left, 100);
}

INSTANTIATE_TEST_SUITE_P(states, window_state_test,
                         ::testing::Values(state_case{"0", 0}, state_case{"1", 1}, state_case{"2", 2},
                                           state_case{"3", 0}, state_case{"5", 0}, state_case{"-1", 0},
                                           state_case{"-2147483648", 0}, state_case{"1.5", 2},
                                           state_case{"2.5", 2}, state_case{"2.6", 0}));

struct number_case {
    const char* text;
    std::optional<std::int32_t> value;
};

void PrintTo(const number_case& c, std::ostream* os) {
    *os << "'" << c.text << "'";
}

class number_test : public ::testing::TestWithParam<number_case> {};

TEST_P(number_test, reads_stored_text) {
    EXPECT_EQ(tolvin::read_stored_number(QString::fromUtf8(GetParam().text)), GetParam().value)
        << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    texts, number_test,
    ::testing::Values(
        number_case{"0", 0}, number_case{"7845", 7845}, number_case{"-300", -300}, number_case{"+5", 5},
        number_case{" 12 ", 12}, number_case{"\t-12\t", -12}, number_case{"000000000000000000000012", 12},
        number_case{"2147483647", int_max}, number_case{"-2147483648", int_min}, number_case{"7845.0", 7845},
        number_case{"2.5", 2}, number_case{"3.5", 4}, number_case{"-2.5", -2}, number_case{"-3.5", -4},
        number_case{"0.5", 0}, number_case{".5", 0}, number_case{"5.", 5}, number_case{"2.4999999", 2},
        number_case{"2.5000001", 3}, number_case{"2.50000", 2}, number_case{"2147483647.4", int_max},
        number_case{"-2147483648.5", int_min}, number_case{"-0.4", 0},
        // not numbers, or not in 32 bits
        number_case{"", {}}, number_case{" ", {}}, number_case{"-", {}}, number_case{".", {}},
        number_case{"-.", {}}, number_case{"abc", {}}, number_case{"12abc", {}}, number_case{"1 2", {}},
        number_case{"1e3", {}}, number_case{"0x10", {}}, number_case{"1, 2", {}}, number_case{"--1", {}},
        number_case{"1.2.3", {}}, number_case{"１２", {}}, number_case{"2147483648", {}},
        number_case{"-2147483649", {}}, number_case{"2147483647.5", {}}, number_case{"-2147483648.6", {}},
        number_case{"4294967296", {}}, number_case{"99999999999999999999999999", {}},
        number_case{"18446744073709551616", {}}));

TEST_F(store_test, save_writes_all_22_keys_as_text) {
    settings_record rec = defaults();
    rec.main_left = int_min;
    rec.lw_top = int_max;
    rec.bk_txt3 = "";
    const QString p = path("saved.ini");
    {
        QSettings store(p, QSettings::IniFormat);
        EXPECT_EQ(tolvin::save_settings(store, rec), "");
    }
    QSettings store(copy_of(p), QSettings::IniFormat);
    store.beginGroup("Startup");
    EXPECT_EQ(store.childKeys().size(), 22);
    std::map<std::string, std::string> expected = {{"left", "-2147483648"}, {"top", "0"},
                                                   {"width", "7845"},       {"height", "7620"},
                                                   {"windowstate", "0"},    {"first_flag", "0"},
                                                   {"lw_left", "7845"},     {"lw_top", "2147483647"},
                                                   {"lw_width", "4125"},    {"lw_height", "7620"},
                                                   {"lw_windowstate", "0"}, {"bk_cmb3", "http://"},
                                                   {"bk_txt1", ""},         {"bk_txt2", ""},
                                                   {"bk_txt3", ""},         {"bk_txt4", ""},
                                                   {"bk_txt5", ""},         {"bk_txt6", ""},
                                                   {"comment_flag", "1"},   {"help_comment_flag", "1"},
                                                   {"save_type_flag", "1"}, {"save_type_str", "txt"}};
    for (const auto& [key, value] : expected) {
        const QVariant stored = store.value(QString::fromStdString(key));
        EXPECT_TRUE(stored.isValid()) << key;
        EXPECT_EQ(stored.toString().toStdString(), value) << key;
    }
}

class round_trip_test : public store_test, public ::testing::WithParamInterface<const char16_t*> {};

TEST_P(round_trip_test, text_reads_back_exactly) {
    const QString text = QString::fromUtf16(GetParam());
    settings_record rec = defaults();
    rec.bk_cmb3 = text;
    rec.bk_txt1 = text + text;
    rec.bk_txt6 = text;
    rec.save_type_str = text;
    const QString p = path("trip.ini");
    {
        QSettings store(p, QSettings::IniFormat);
        ASSERT_EQ(tolvin::save_settings(store, rec), "");
    }
    const settings_record back = load(copy_of(p));
    EXPECT_EQ(back.bk_cmb3, text);
    EXPECT_EQ(back.bk_txt1, text + text);
    EXPECT_EQ(back.bk_txt6, text);
    EXPECT_EQ(back.save_type_str, text);
    EXPECT_EQ(back.bk_save_type_str, text);
    EXPECT_EQ(back.main_width, 7845);
}

INSTANTIATE_TEST_SUITE_P(texts, round_trip_test,
                         ::testing::Values(u"", u"a,b", u"a, b,", u",", u"\"quoted\"", u"\"",
                                           u"back\\slash\\", u"  lead", u"trail  ", u" ", u"\t",
                                           u"line\r\nbreak", u"\n", u"\r", u";x", u"x;y", u"#x", u"a=b", u"=",
                                           u"[Startup]", u"[x", u"@Invalid()", u"@ByteArray(x)", u"@",
                                           u"日本語　全角", u"http://例え.jp/画像[000-108].jpg",
                                           u"\u00a0nbsp", u"x\ufeffy", u"\U0001F600", u"%41%", u"\\x41"));

TEST_F(store_test, save_reports_a_store_that_cannot_be_written) {
    // Both fail also for root: a folder where the file should be, and a file where a
    // folder should be.
    ASSERT_TRUE(QDir().mkpath(path("folder.ini")));
    QSettings into_folder(path("folder.ini"), QSettings::IniFormat);
    EXPECT_NE(tolvin::save_settings(into_folder, defaults()), "");

    const QString file = write_raw("plain file");
    QSettings under_file(file + "/TOLVIN/TOLVIN.ini", QSettings::IniFormat);
    EXPECT_NE(tolvin::save_settings(under_file, defaults()), "");
}

TEST_F(store_test, save_reports_a_read_only_folder) {
    const QString folder = path("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(folder + "/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        GTEST_SKIP() << "permissions do not stop this user from writing";
    }
    QSettings store(folder + "/TOLVIN.ini", QSettings::IniFormat);
    EXPECT_NE(tolvin::save_settings(store, defaults()), "");
}

TEST_F(store_test, save_makes_missing_folders_and_replaces_a_broken_file) {
    const QString p = path("new/folder/TOLVIN.ini");
    {
        QSettings store(p, QSettings::IniFormat);
        EXPECT_EQ(tolvin::save_settings(store, defaults()), "");
    }
    EXPECT_EQ(load(copy_of(p)).bk_save_type_str, "txt");

    // A file that did not parse leaves the store in a format error; the write still
    // succeeds and must not be reported as failed.
    const QString broken = write_raw("[Startup\n\xff\xfe garbage");
    {
        QSettings store(broken, QSettings::IniFormat);
        settings_record rec = defaults();
        rec.main_left = 77;
        EXPECT_EQ(tolvin::save_settings(store, rec), "");
    }
    EXPECT_EQ(load(copy_of(broken)).main_left, 77);
}

} // namespace
