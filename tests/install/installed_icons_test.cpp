// The program's icon as installed in the hicolor theme: a PNG for every size, drawn
// from the scalable picture, square at its folder's size, with the picture's rounded
// corner see-through and its middle covered (not blank, not cut or shifted).
//   installed_icons_test HICOLOR_DIR ICON_NAME SIZE...
#include <QImage>
#include <gtest/gtest.h>

#include <vector>

namespace {

QString hicolor;
QString icon_name;
std::vector<int> sizes;

TEST(installed_icons, every_size_is_the_picture_at_that_size) {
    ASSERT_FALSE(sizes.empty());
    for (const int side : sizes) {
        SCOPED_TRACE(side);
        const QImage png(hicolor + QStringLiteral("/%1x%1/apps/").arg(side) + icon_name +
                         QStringLiteral(".png"));
        ASSERT_FALSE(png.isNull());
        EXPECT_EQ(png.width(), side);
        EXPECT_EQ(png.height(), side);
        EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0) << "corner";
        EXPECT_EQ(qAlpha(png.pixel(side / 2, side / 2)), 255) << "middle";
    }
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 4)
        return 2;
    hicolor = QString::fromLocal8Bit(argv[1]);
    icon_name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i)
        sizes.push_back(QString::fromLocal8Bit(argv[i]).toInt());
    return RUN_ALL_TESTS();
}
