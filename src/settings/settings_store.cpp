#include "settings/settings_store.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>
#include <array>
#include <limits>

namespace tolvin {

namespace {

// One key of group "Startup": either a number or a text field of the record.
struct stored_key {
    const char* name;
    std::int32_t settings_record::*number;
    QString settings_record::*text;
};

// All 22 keys in the order they are read and written.
constexpr std::array<stored_key, 22> stored_keys{{
    {"left", &settings_record::main_left, nullptr},
    {"top", &settings_record::main_top, nullptr},
    {"width", &settings_record::main_width, nullptr},
    {"height", &settings_record::main_height, nullptr},
    {"windowstate", &settings_record::main_windowstate, nullptr},
    {"first_flag", &settings_record::first_flag, nullptr},
    {"lw_left", &settings_record::lw_left, nullptr},
    {"lw_top", &settings_record::lw_top, nullptr},
    {"lw_width", &settings_record::lw_width, nullptr},
    {"lw_height", &settings_record::lw_height, nullptr},
    {"lw_windowstate", &settings_record::lw_windowstate, nullptr},
    {"bk_cmb3", nullptr, &settings_record::bk_cmb3},
    {"bk_txt1", nullptr, &settings_record::bk_txt1},
    {"bk_txt2", nullptr, &settings_record::bk_txt2},
    {"bk_txt3", nullptr, &settings_record::bk_txt3},
    {"bk_txt4", nullptr, &settings_record::bk_txt4},
    {"bk_txt5", nullptr, &settings_record::bk_txt5},
    {"bk_txt6", nullptr, &settings_record::bk_txt6},
    {"comment_flag", &settings_record::comment_flag, nullptr},
    {"help_comment_flag", &settings_record::help_comment_flag, nullptr},
    {"save_type_flag", &settings_record::save_type_flag, nullptr},
    {"save_type_str", nullptr, &settings_record::save_type_str},
}};

const QString group_name = QStringLiteral("Startup");

// The stored text of a key; an absent key is the empty text. An unquoted comma in a
// hand-edited file makes the INI reader return a list: it is joined back into one text.
QString read_text(const QSettings& store, const char* key) {
    const QVariant value = store.value(QLatin1StringView(key));
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

bool is_blank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool is_digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Why the store's file cannot be written, found the way the INI writer itself finds
// out (folder present or creatable, file openable or creatable). Empty when nothing
// in the way can be seen.
QString write_problem(const QString& path) {
    if (path.isEmpty()) {
        return QStringLiteral("設定の保存先がありません。");
    }
    const QFileInfo file(path);
    if (file.isDir()) {
        return QStringLiteral("設定ファイル %1 と同じ名前のフォルダーがあるため、書き込めません。")
            .arg(QDir::toNativeSeparators(path));
    }
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) {
        return QStringLiteral("設定ファイルのフォルダー %1 を作れません。")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    }
    if (file.exists()) {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadWrite)) {
            return QStringLiteral("設定ファイル %1 に書き込めません（%2）。")
                .arg(QDir::toNativeSeparators(path), probe.errorString());
        }
        return {};
    }
    QTemporaryFile probe(path);
    if (!probe.open()) {
        return QStringLiteral("フォルダー %1 にファイルを作れません（%2）。")
            .arg(QDir::toNativeSeparators(folder.filePath()), probe.errorString());
    }
    return {};
}

} // namespace

std::optional<std::int32_t> read_stored_number(QStringView text) {
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && is_blank(text[i])) {
        ++i;
    }
    while (end > i && is_blank(text[end - 1])) {
        --end;
    }
    bool negative = false;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // The whole part stops growing once it is past every 32-bit value; more digits
    // only matter for telling that it is out of range.
    constexpr std::int64_t beyond_range = std::int64_t{1} << 32;
    std::int64_t whole = 0;
    qsizetype digits = 0;
    for (; i < end && is_digit(text[i]); ++i, ++digits) {
        if (whole < beyond_range) {
            whole = whole * 10 + (text[i].unicode() - u'0');
        }
    }
    // Rounding needs the first fraction digit and whether any later one is nonzero.
    int first_fraction = 0;
    bool rest_nonzero = false;
    if (i < end && text[i] == u'.') {
        ++i;
        for (qsizetype k = 0; i < end && is_digit(text[i]); ++i, ++k, ++digits) {
            const int d = text[i].unicode() - u'0';
            if (k == 0) {
                first_fraction = d;
            } else if (d != 0) {
                rest_nonzero = true;
            }
        }
    }
    if (i != end || digits == 0) {
        return std::nullopt;
    }
    if (first_fraction > 5 || (first_fraction == 5 && (rest_nonzero || whole % 2 == 1))) {
        ++whole;
    }
    const std::int64_t value = negative ? -whole : whole;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

void load_settings(QSettings& store, settings_record& rec) {
    store.beginGroup(group_name);
    bool usable = true;
    for (const stored_key& key : stored_keys) {
        const QString text = read_text(store, key.name);
        if (key.text != nullptr) {
            rec.*key.text = text;
            continue;
        }
        const std::optional<std::int32_t> number = read_stored_number(text);
        if (!number) {
            usable = false;
            break;
        }
        rec.*key.number = *number;
    }
    store.endGroup();

    if (!usable) {
        // All or nothing: one bad number resets also the values already read.
        apply_defaults(rec);
        return;
    }
    if (rec.main_windowstate < 0 || rec.main_windowstate > 2) {
        rec.main_windowstate = 0;
    }
    if (rec.lw_windowstate < 0 || rec.lw_windowstate > 2) {
        rec.lw_windowstate = 0;
    }
    rec.bk_save_type_str = rec.save_type_str;
}

// Every value goes in as text. Two kinds of text do not come back exactly from the INI
// file: a lone surrogate (written as U+FFFD, or dropped) and a U+FEFF at the start of a
// value (taken for a byte-order mark on reading). The field texts are written as they are.
QString save_settings(QSettings& store, const settings_record& rec) {
    store.beginGroup(group_name);
    for (const stored_key& key : stored_keys) {
        const QString value = key.text != nullptr ? rec.*key.text : QString::number(rec.*key.number);
        store.setValue(QLatin1StringView(key.name), value);
    }
    store.endGroup();
    store.sync();

    const QSettings::Status status = store.status();
    if (status == QSettings::NoError) {
        return {};
    }
    const QString problem = write_problem(store.fileName());
    if (!problem.isEmpty()) {
        return problem;
    }
    // The first error sticks: a file that did not parse when it was read reports a
    // format error for good, although the writer has replaced it with our keys since.
    if (status == QSettings::FormatError) {
        return {};
    }
    return QStringLiteral("設定ファイル %1 に書き込めません。")
        .arg(QDir::toNativeSeparators(store.fileName()));
}

} // namespace tolvin
