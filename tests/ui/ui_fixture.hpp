// A fresh main window per test, with fake services and a settings file of its own.
#pragma once

#include "fake_services.hpp"
#include "settings/settings_store.hpp"
#include "ui/list_fm.hpp"
#include "ui/tolvin_fm.hpp"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

class ui_fixture : public ::testing::Test {
  public:
    // Lets pending window events and deferred deletions run.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

  protected:
    // Every key with a valid value, as a later start would find them.
    static std::map<QString, QString> valid_store() {
        return {{"left", "300"},         {"top", "150"},
                {"width", "8000"},       {"height", "7000"},
                {"windowstate", "0"},    {"first_flag", "1"},
                {"lw_left", "7845"},     {"lw_top", "0"},
                {"lw_width", "4125"},    {"lw_height", "7620"},
                {"lw_windowstate", "0"}, {"bk_cmb3", "jpg"},
                {"bk_txt1", "a"},        {"bk_txt2", "b"},
                {"bk_txt3", "c"},        {"bk_txt4", "000"},
                {"bk_txt5", "015"},      {"bk_txt6", "d"},
                {"comment_flag", "1"},   {"help_comment_flag", "0"},
                {"save_type_flag", "1"}, {"save_type_str", "txt"}};
    }

    QString ini_path() const { return dir.filePath(QStringLiteral("TOLVIN.ini")); }

    void write_store(const std::map<QString, QString>& keys) {
        QSettings s(ini_path(), QSettings::IniFormat);
        s.beginGroup(QStringLiteral("Startup"));
        for (const auto& [k, v] : keys)
            s.setValue(k, v);
        s.endGroup();
        s.sync();
    }

    // Builds the main window over the store as it stands and runs its start-up. A store
    // without first_flag stands for a later start with the default values, first_flag 1
    // and no help text; tests of the first start store first_flag 0 and answer the
    // greeting through `services.modal_answer`. The splash of a later start is closed as
    // its timer closes it, leaving the main window active, unless `keep_splash`.
    tolvin::TOLVIN_fm& start(bool keep_splash = false) {
        if (!QSettings(ini_path(), QSettings::IniFormat).contains(QStringLiteral("Startup/first_flag"))) {
            // The defaults as a first run saves them, without the help text so that the
            // list starts empty.
            tolvin::settings_record later;
            tolvin::apply_defaults(later);
            later.first_flag = 1;
            later.help_comment_flag = 0;
            QSettings s(ini_path(), QSettings::IniFormat);
            tolvin::save_settings(s, later);
        }
        store = std::make_unique<QSettings>(ini_path(), QSettings::IniFormat);
        fm = std::make_unique<tolvin::TOLVIN_fm>(services, *store);
        fm->Form_Load();
        if (fm->Timer1->isActive() && !keep_splash) {
            fm->Timer1_Timer();
            fm->activateWindow();
        }
        settle();
        return *fm;
    }

    void TearDown() override {
        fm.reset();
        store.reset();
        settle();
    }

    QTemporaryDir dir;
    fake_services services;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<tolvin::TOLVIN_fm> fm;
};
