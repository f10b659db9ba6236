// List files: the open button on a 65,000-character file in UTF-8, Windows-31J and
// EUC-JP, including the list box; reading alone where the encoding is hardest to tell; a
// file of a gigabyte refused; saving a full list.
#include "files/list_file.hpp"
#include "ui/platform_services.hpp"
#include "ui/tolvin_fm.hpp"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

// Answers every open dialog with one file; prompts and the editor do nothing.
class answering_services final : public tolvin::platform_services {
  public:
    void message_box(QWidget*, const QString&, const QString&, tolvin::message_icon) override {}
    QString open_file_dialog(QWidget*, const tolvin::file_dialog_request&, std::int32_t&) override {
        return path;
    }
    QString save_file_dialog(QWidget*, const tolvin::file_dialog_request&, std::int32_t&) override {
        return path;
    }
    void show_in_text_editor(const QString&) override {}
    void open_url(QWidget*, const QString&) override {}
    void run_modal(QDialog& window) override { window.close(); }
    QString path;
};

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

// A URL list with Japanese folder names, cut to `length` characters and ended by CR LF.
QString url_list(qsizetype length) {
    QString text;
    for (int i = 0; text.size() < length; ++i)
        text += QStringLiteral("http://example.com/画像/写真%1.jpg\r\n").arg(i, 5, 10, QLatin1Char('0'));
    text.truncate(length - 2);
    return text + QStringLiteral("\r\n");
}

QString write_file(const char* name, const QByteArray& bytes) {
    const QString path = scratch().filePath(QString::fromLatin1(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

void press_open(benchmark::State& state, const QString& path) {
    answering_services services;
    services.path = path;
    QSettings store(scratch().filePath(QStringLiteral("TOLVIN.ini")), QSettings::IniFormat);
    tolvin::TOLVIN_fm fm(services, store);
    fm.Form_Load();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        fm.Command3_Click();
        QCoreApplication::processEvents();
    }
    state.counters["chars"] = static_cast<double>(fm.text7_box.length());
}

void BM_open_65000_utf8(benchmark::State& state) {
    press_open(state, write_file("utf8.txt", url_list(65000).toUtf8()));
}
BENCHMARK(BM_open_65000_utf8)->Unit(benchmark::kMillisecond);

void BM_open_65000_windows_31j(benchmark::State& state) {
    QStringEncoder encoder("windows-31j");
    const QByteArray bytes = encoder.encode(url_list(65000));
    press_open(state, write_file("windows-31j.txt", bytes));
}
BENCHMARK(BM_open_65000_windows_31j)->Unit(benchmark::kMillisecond);

void BM_open_65000_euc_jp(benchmark::State& state) {
    QStringEncoder encoder("EUC-JP");
    const QByteArray bytes = encoder.encode(url_list(65000));
    press_open(state, write_file("euc-jp.txt", bytes));
}
BENCHMARK(BM_open_65000_euc_jp)->Unit(benchmark::kMillisecond);

// Reading 65,000 characters alone. Kanji and kana in EUC-JP read in Windows-31J too, and
// the charset detector is asked; half-width katakana in Windows-31J read in EUC-JP too.
void read_65000(benchmark::State& state, const char* encoding, const QString& line) {
    QString text;
    while (text.size() < 65000)
        text += line;
    text.truncate(65000);
    QStringEncoder encoder(encoding);
    const QByteArray bytes = encoder.encode(text);
    for (auto _ : state) {
        const tolvin::list_file_read read = tolvin::list_text_from_bytes(bytes);
        benchmark::DoNotOptimize(read.text);
    }
}
void BM_read_65000_ambiguous_euc_jp(benchmark::State& state) {
    read_65000(state, "EUC-JP", QStringLiteral("高さすべて\r\n"));
}
BENCHMARK(BM_read_65000_ambiguous_euc_jp)->Unit(benchmark::kMillisecond);
void BM_read_65000_ambiguous_windows_31j(benchmark::State& state) {
    read_65000(state, "windows-31j", QStringLiteral("ｶﾀｶﾅ\r\n"));
}
BENCHMARK(BM_read_65000_ambiguous_windows_31j)->Unit(benchmark::kMillisecond);

QString gigabyte_file() {
    const QString path = scratch().filePath(QStringLiteral("huge.txt"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.resize(qint64(1) << 30); // sparse: costs no disk
    return path;
}

long max_rss_kb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Reading alone; the peak memory it added is reported once.
void BM_read_1gb_refused(benchmark::State& state) {
    const QString path = gigabyte_file();
    const long before = max_rss_kb();
    for (auto _ : state) {
        const tolvin::list_file_read read = tolvin::read_list_file(path);
        benchmark::DoNotOptimize(read.status);
    }
    state.counters["peak_rss_added_kb"] = static_cast<double>(max_rss_kb() - before);
}
BENCHMARK(BM_read_1gb_refused)->Unit(benchmark::kMillisecond);

// The whole button, with the message boxes and the editor doing nothing.
void BM_open_1gb_refused(benchmark::State& state) {
    press_open(state, gigabyte_file());
}
BENCHMARK(BM_open_1gb_refused)->Unit(benchmark::kMillisecond);

void BM_save_65535(benchmark::State& state) {
    const QString text = url_list(65535);
    const QString path = scratch().filePath(QStringLiteral("saved.txt"));
    for (auto _ : state) {
        const QString failure = tolvin::write_list_file(path, text);
        benchmark::DoNotOptimize(failure);
    }
    state.counters["chars"] = static_cast<double>(text.size());
}
BENCHMARK(BM_save_65535)->Unit(benchmark::kMillisecond);

} // namespace
