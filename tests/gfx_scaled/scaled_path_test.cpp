// brawler_scaled's drawing: display lists through the matrix stack.
#include "tests/gfx_gl/gl_fixture.h"

namespace {

// One list for the solid cells, the next for the blended ones.
TEST_F(gl_path, each_picture_compiles_its_pair_of_display_lists) {
    const std::string file = placed_picture_file();
    img_mgr picture;
    picture.load(file.c_str());
    picture.display(0, 0);
    EXPECT_NE(picture.display_list, 0u);
    EXPECT_TRUE(glIsList(picture.display_list));
    EXPECT_TRUE(glIsList(picture.display_list + 1));
    img_mgr copy(picture);
    EXPECT_EQ(copy.display_list, picture.display_list);
}

}  // namespace
