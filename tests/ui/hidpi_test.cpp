// Run at scale factors 1 and 2: the windows are drawn at the scale as a whole, and the
// positions and sizes they keep in twips come back as they were stored.
#include "ui_fixture.hpp"

#include "ui/twips.hpp"

#include <QWindow>

using namespace tolvin;

namespace {

struct placement_row {
    bool result_window;
    twips_rect bounds;
    int state;
};

class scaled_placement : public ui_fixture, public ::testing::WithParamInterface<placement_row> {};

TEST_P(scaled_placement, comes_back_as_stored) {
    const placement_row row = GetParam();
    const twips_rect b = row.bounds;
    const std::string prefix = row.result_window ? "lw_" : "";
    auto keys = valid_store();
    const std::pair<const char*, int> values[] = {{"left", b.left},
                                                  {"top", b.top},
                                                  {"width", b.width},
                                                  {"height", b.height},
                                                  {"windowstate", row.state}};
    for (const auto& [key, value] : values)
        keys[QString::fromStdString(prefix + key)] = QString::number(value);
    write_store(keys);
    TOLVIN_fm& w = start();
    QWidget* window = &w;
    if (row.result_window) {
        window = &w.result_window();
        window->show();
        settle();
    }
    const double scale = qEnvironmentVariableIntValue("TOLVIN_EXPECTED_SCALE");
    EXPECT_EQ(window->windowHandle()->devicePixelRatio(), scale > 0 ? scale : 1.0);
    if (row.state == 0) {
        // Fifteen twips a logical pixel at every scale: on the screen the window grows with it.
        EXPECT_EQ(window->frameGeometry().width() * 15, b.width);
        EXPECT_EQ(outer_geometry(window), b);
    }
    w.close();
    QSettings saved(ini_path(), QSettings::IniFormat);
    saved.beginGroup(QStringLiteral("Startup"));
    for (const auto& [key, value] : values)
        EXPECT_EQ(saved.value(QString::fromStdString(prefix + key)).toString(), QString::number(value))
            << key;
}

INSTANTIATE_TEST_SUITE_P(windows, scaled_placement,
                         ::testing::Values(placement_row{false, {300, 150, 8010, 7005}, 0},
                                           placement_row{false, {300, 150, 8010, 7005}, 2},
                                           placement_row{true, {9000, 600, 4500, 6000}, 0},
                                           placement_row{true, {9000, 600, 4500, 6000}, 2}));

} // namespace
