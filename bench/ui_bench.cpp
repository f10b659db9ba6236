// Window-level costs on the offscreen platform: building and showing the main
// window against a bare Qt window, and the URL button at the list limit.
#include "silent_services.hpp"
#include "ui/list_fm.hpp"
#include "ui/platform_services.hpp"
#include "ui/tolvin_fm.hpp"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

void BM_main_window_shown(benchmark::State& state) {
    silent_services services;
    QSettings store(scratch().filePath(QStringLiteral("TOLVIN.ini")), QSettings::IniFormat);
    for (auto _ : state) {
        tolvin::TOLVIN_fm fm(services, store);
        fm.Form_Load();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(fm.isVisible());
    }
}
BENCHMARK(BM_main_window_shown)->Unit(benchmark::kMillisecond);

void BM_bare_window_shown(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow w;
        w.setCentralWidget(new QPlainTextEdit);
        w.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.isVisible());
    }
}
BENCHMARK(BM_bare_window_shown)->Unit(benchmark::kMillisecond);

// One press of the URL row's "実行" with a template whose expansion comes just under
// the limit (stored and shown) or just past it (refused).
void url_press(benchmark::State& state, const QString& list) {
    silent_services services;
    QSettings store(scratch().filePath(QStringLiteral("TOLVIN.ini")), QSettings::IniFormat);
    tolvin::TOLVIN_fm fm(services, store);
    fm.Form_Load();
    fm.settings.comment_flag = 0;
    fm.text7_box.set_text(list);
    fm.Command16_Click();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        fm.Command16_Click();
        QCoreApplication::processEvents();
    }
    state.counters["chars"] = static_cast<double>(fm.result_window().text1_box.length());
}

void BM_url_button_just_under_limit(benchmark::State& state) {
    // 2,047 lines of 32 characters with their CR LF, after the empty first line: 65,506.
    url_press(state, QStringLiteral("http://example.com/p/a[0000-2046].jpg"));
}
BENCHMARK(BM_url_button_just_under_limit)->Unit(benchmark::kMillisecond);

void BM_url_button_past_limit(benchmark::State& state) {
    url_press(state, QStringLiteral("http://example.com/pics/name[0-99999999].jpg"));
}
BENCHMARK(BM_url_button_past_limit)->Unit(benchmark::kMillisecond);

// One press of find in a full list whose two occurrences stand on its first and last
// lines, so that every press selects the other one and scrolls the list across.
void BM_find_press_full_list(benchmark::State& state) {
    silent_services services;
    QSettings store(scratch().filePath(QStringLiteral("TOLVIN.ini")), QSettings::IniFormat);
    tolvin::TOLVIN_fm fm(services, store);
    fm.Form_Load();
    QString list = QStringLiteral("http://img.example.com/first.png\r\n");
    for (int i = 0; list.size() < 65535 - 40; ++i)
        list += QStringLiteral("http://img.example.com/g/%1.jpg\r\n").arg(i % 10000, 4, 10, QLatin1Char('0'));
    list += QStringLiteral("http://img.example.com/last.png");
    fm.text7_box.set_text(list);
    fm.Combo3->setEditText(QStringLiteral(".png"));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        fm.Command9_Click();
        QCoreApplication::processEvents();
    }
    state.counters["chars"] = static_cast<double>(fm.text7_box.length());
}
BENCHMARK(BM_find_press_full_list)->Unit(benchmark::kMillisecond);

// One press of search list-up over a full page source of image addresses.
void BM_list_up_press_full_list(benchmark::State& state) {
    silent_services services;
    QSettings store(scratch().filePath(QStringLiteral("TOLVIN.ini")), QSettings::IniFormat);
    tolvin::TOLVIN_fm fm(services, store);
    fm.Form_Load();
    QString list;
    for (int i = 0; list.size() < 65535 - 80; ++i)
        list += QStringLiteral("<li><img src=\"http://img.example.com/g/%1.jpg\" alt=\"\"></li>\r\n")
                    .arg(i % 10000, 4, 10, QLatin1Char('0'));
    fm.text7_box.set_text(list);
    fm.Combo3->setEditText(QStringLiteral("jpg"));
    fm.Command13_Click();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        fm.Command13_Click();
        QCoreApplication::processEvents();
    }
    state.counters["lines"] = fm.settings.lw_url_su;
}
BENCHMARK(BM_list_up_press_full_list)->Unit(benchmark::kMillisecond);

} // namespace
