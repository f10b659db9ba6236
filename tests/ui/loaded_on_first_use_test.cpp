// What the program reads or loads only when it is first needed: GIO, and each size of
// the program's icon, compiled in as pixels, and the image buttons' pictures.
#include "ui/gio_library.hpp"
#include "ui/icons.hpp"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace tolvin;

namespace {

TEST(loaded_on_first_use, gio_is_found_or_its_absence_answered) {
    const gio_library gio;
    EXPECT_TRUE(gio.loaded());
    // A desktop without GIO: a reason to give, and the caller falls back on Qt's way.
    const gio_library missing("libno-such-gio.so.0");
    EXPECT_FALSE(missing.loaded());
    EXPECT_EQ(missing.launch_text_editor(QStringLiteral("/tmp/list.txt")),
              QStringLiteral("GIO cannot be loaded"));
    EXPECT_FALSE(missing.launch_for_uri(QStringLiteral("http://example.com/")));
}

struct icon_row {
    int asked;
    int given; // the largest picture is never scaled up
};

class program_icon_sizes : public testing::TestWithParam<icon_row> {};

TEST_P(program_icon_sizes, each_size_is_drawn_and_none_scaled_up) {
    const QIcon icon = program_icon();
    const QPixmap pm = icon.pixmap(QSize(GetParam().asked, GetParam().asked), 1.0);
    EXPECT_EQ(pm.size(), QSize(GetParam().given, GetParam().given));
    EXPECT_GT(pm.toImage().pixelColor(pm.rect().center()).alpha(), 0);
    EXPECT_EQ(icon.availableSizes().size(), 8);
}

INSTANTIATE_TEST_SUITE_P(rows, program_icon_sizes,
                         testing::Values(icon_row{16, 16}, icon_row{20, 20}, icon_row{30, 30},
                                         icon_row{256, 256}, icon_row{300, 256}));

// The compiled-in pixels are the SVG picture drawn at that size: colours, transparency
// and rows as drawn, none swapped or shifted.
class program_icon_pixels_test : public testing::TestWithParam<int> {};

TEST_P(program_icon_pixels_test, are_the_picture_drawn_at_that_size) {
    const int side = GetParam();
    QSvgRenderer picture{QStringLiteral(TOLVIN_ICON_SVG)};
    ASSERT_TRUE(picture.isValid());
    QImage drawn(side, side, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.render(&painter);
    painter.end();
    const QImage shown = program_icon()
                             .pixmap(QSize(side, side), 1.0)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(shown.size(), drawn.size());
    int differing = 0; // a premultiplied channel may round to one step off
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb a = drawn.pixel(x, y);
            const QRgb b = shown.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > 1 || std::abs(qGreen(a) - qGreen(b)) > 1 ||
                std::abs(qBlue(a) - qBlue(b)) > 1 || qAlpha(a) != qAlpha(b))
                ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(sides, program_icon_pixels_test, testing::Values(16, 48, 256));

// A button's picture comes from the desktop's icon theme where the theme has it, else it
// is our own drawing; both when the button is first drawn. Once drawn, a picture stays
// for the rest of the run, so this runs in a process of its own (tests/ui/CMakeLists.txt).
TEST(loaded_on_first_use, button_pictures_from_the_icon_theme_or_our_own) {
    if (!qEnvironmentVariableIsSet("TOLVIN_ICON_THEME_TEST"))
        GTEST_SKIP() << "runs on its own, before any button is drawn";
    const QIcon find = tool_icon(tool_picture::find);
    const QIcon open = tool_icon(tool_picture::open);
    // The theme comes only after the buttons' icons were made, as a desktop's would
    // after the window was built.
    QTemporaryDir themes;
    ASSERT_TRUE(QDir(themes.path()).mkpath(QStringLiteral("plain/32x32/actions")));
    QFile index(themes.filePath(QStringLiteral("plain/index.theme")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=plain\nDirectories=32x32/actions\n\n"
                "[32x32/actions]\nSize=32\nType=Fixed\n");
    index.close();
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(themes.filePath(QStringLiteral("plain/32x32/actions/edit-find.png"))));
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName(QStringLiteral("plain"));

    EXPECT_EQ(find.pixmap(QSize(16, 16), 1.0).toImage().pixelColor(8, 8), QColor(Qt::red));
    const QColor drawn = open.pixmap(QSize(32, 32), 1.0).toImage().pixelColor(16, 20);
    EXPECT_GT(drawn.alpha(), 0);
    EXPECT_NE(drawn, QColor(Qt::red));
}

} // namespace
