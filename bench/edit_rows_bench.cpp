// One press of a "実行" button of rows 1 to 3 on a list at the limit, the list box's
// update included, on the offscreen platform.
#include "silent_services.hpp"
#include "ui/platform_services.hpp"
#include "ui/tolvin_fm.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// URL lines up to `chars` characters.
QString url_list(qsizetype chars) {
    QString list;
    for (int i = 0; list.size() + 40 <= chars; ++i)
        list += QStringLiteral("http://example.com/pics/img%1.jpg\r\n").arg(i, 5, 10, QLatin1Char('0'));
    return list;
}

template <typename setup, typename press>
void run_press(benchmark::State& state, setup&& prepare, press&& click) {
    silent_services services;
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("TOLVIN.ini")), QSettings::IniFormat);
    tolvin::TOLVIN_fm fm(services, store);
    fm.Form_Load();
    QCoreApplication::processEvents();
    qsizetype chars = 0;
    for (auto _ : state) {
        state.PauseTiming();
        prepare(fm);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        click(fm);
        QCoreApplication::processEvents();
        chars = fm.text7_box.length();
    }
    state.counters["list_chars"] = static_cast<double>(chars);
}

void BM_replace_in_url_list(benchmark::State& state) {
    const QString list = url_list(65535);
    run_press(
        state,
        [&](tolvin::TOLVIN_fm& fm) {
            fm.text7_box.set_text(list);
            fm.Text1->setText(QStringLiteral("jpg"));
            fm.Text2->setText(QStringLiteral("png"));
        },
        [](tolvin::TOLVIN_fm& fm) { fm.Command5_Click(); });
}
BENCHMARK(BM_replace_in_url_list)->Unit(benchmark::kMillisecond);

void BM_replace_deleting_one_long_line(benchmark::State& state) {
    const QString list(65535, QLatin1Char('a'));
    run_press(
        state,
        [&](tolvin::TOLVIN_fm& fm) {
            fm.text7_box.set_text(list);
            fm.Text1->setText(QStringLiteral("a"));
            fm.Text2->setText(QString());
        },
        [](tolvin::TOLVIN_fm& fm) { fm.Command5_Click(); });
}
BENCHMARK(BM_replace_deleting_one_long_line)->Unit(benchmark::kMillisecond);

// Add text "!" at the end of every line.
void add_to_every_line(benchmark::State& state, const QString& list) {
    run_press(
        state,
        [&](tolvin::TOLVIN_fm& fm) {
            fm.text7_box.set_text(list);
            fm.Text6->setText(QStringLiteral("!"));
        },
        [](tolvin::TOLVIN_fm& fm) { fm.Command12_Click(); });
}

void BM_add_to_url_list(benchmark::State& state) {
    add_to_every_line(state, url_list(65535 - 1700));
}
BENCHMARK(BM_add_to_url_list)->Unit(benchmark::kMillisecond);

void BM_add_refused_on_full_list(benchmark::State& state) {
    add_to_every_line(state, QStringLiteral("a\r\n").repeated(21845));
}
BENCHMARK(BM_add_refused_on_full_list)->Unit(benchmark::kMillisecond);

void BM_numbered_filling_the_list(benchmark::State& state) {
    run_press(
        state,
        [](tolvin::TOLVIN_fm& fm) {
            fm.text7_box.set_text(QString());
            fm.Text3->setText(QStringLiteral("http://example.com/pics/img"));
            fm.Text4->setText(QStringLiteral("0000"));
            fm.Text5->setText(QStringLiteral("1900"));
        },
        [](tolvin::TOLVIN_fm& fm) { fm.Command2_Click(); });
}
BENCHMARK(BM_numbered_filling_the_list)->Unit(benchmark::kMillisecond);

void BM_numbered_huge_range_refused(benchmark::State& state) {
    run_press(
        state,
        [](tolvin::TOLVIN_fm& fm) {
            fm.text7_box.set_text(QStringLiteral("abc"));
            fm.Text3->setText(QString());
            fm.Text4->setText(QStringLiteral("0"));
            fm.Text5->setText(QStringLiteral("99999999"));
        },
        [](tolvin::TOLVIN_fm& fm) { fm.Command2_Click(); });
}
BENCHMARK(BM_numbered_huge_range_refused)->Unit(benchmark::kMillisecond);

} // namespace
