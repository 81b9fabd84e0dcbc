#include "gfx/image_cache.h"
#include "config/name_list.h"
#include "tests/gfx/sw_fixture.h"
#include "tests/support/captured_log.h"

namespace {

class caches : public surface_path {};

TEST_F(caches, each_picture_file_is_loaded_once_by_exact_name) {
    const std::string file = picture_file("cached_once", 20, 20, {0, 0, 20, 20}, RED);
    img_mgr* first = Image_Manager.get(file.c_str());
    img_mgr* again = nullptr;
    const std::string log = captured_log([&] { again = Image_Manager.get(file.c_str()); });
    EXPECT_EQ(first, again);
    EXPECT_NE(log.find("Found in nmanager cache [" + file + "] assigning"), std::string::npos);
    EXPECT_EQ(log.find("Loading img_mgr"), std::string::npos);

    std::string upper = file;
    upper[upper.size() - 5] = 'E';  // ..._oncE.bmp: another name, another record
    img_mgr* other = Image_Manager.get(upper.c_str());
    EXPECT_NE(other, first);
    EXPECT_FALSE(other->has_surface());
    EXPECT_EQ(Image_Manager.get(upper.c_str()), other);  // a failed load is not retried

    Image_Manager.clean();
    EXPECT_EQ(Image_Manager.size(), 0u);
    EXPECT_NE(Image_Manager.get(file.c_str()), nullptr);
    Image_Manager.clean();
}

TEST(name_list, appends_and_finds_the_first_exact_match) {
    int one = 1;
    int two = 2;
    name_list<int> names;
    names.append("punch", &one);
    names.append("Punch", &two);
    names.append("punch", &two);
    EXPECT_EQ(names.find("punch"), &one);
    EXPECT_EQ(names.find("Punch"), &two);
    EXPECT_EQ(names.find("kick"), nullptr);
    EXPECT_EQ(names.size(), 3);
    const std::string long_name(300, 'x');
    names.append(long_name.c_str(), &one);
    EXPECT_EQ(names.find(long_name.substr(0, 255).c_str()), &one);
}

}  // namespace
