#include "tests/stage/draw_fixture.h"

namespace {

TEST_F(stage_drawing, flash_leaves_blending_off) {
    stage.flash = 120;
    stage.flash_rate = 10;
    stage.advance();
    stage.draw();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(110, stage.flash);
}

}  // namespace
