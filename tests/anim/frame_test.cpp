// An animation frame holds its picture by pointer and its sound record by
// copy: copies share the picture but never one record, so deleting either
// frame leaves the other's sound intact.
#include <gtest/gtest.h>

#include "anim/frame.h"
#include "gfx/img_mgr.h"
#include "sound/sound_handle.h"

namespace {

TEST(frame_record, copies_keep_the_picture_and_own_their_sound_record) {
    const int live = frame_count;
    img_mgr picture;
    sound_handle cached;
    cached.chunk = reinterpret_cast<Mix_Chunk*>(0x1234);
    {
        frame source;
        EXPECT_EQ(frame_count, live + 1);
        EXPECT_EQ(source.settings.flashrate, 10);
        source.image = &picture;
        source.set_sound(&cached);
        source.settings.has_sound = 1;
        source.settings.xoffset = -4;
        source.settings.trail = 3;
        {
            frame copy(source);
            EXPECT_EQ(copy.image, &picture);
            EXPECT_EQ(copy.settings.xoffset, -4);
            EXPECT_EQ(copy.settings.trail, 3);
            ASSERT_NE(copy.sound, nullptr);
            EXPECT_NE(copy.sound, source.sound);
            EXPECT_EQ(copy.sound->chunk, cached.chunk);
        }
        ASSERT_NE(source.sound, nullptr);
        EXPECT_EQ(source.sound->chunk, cached.chunk);

        frame assigned;
        assigned = source;
        EXPECT_NE(assigned.sound, source.sound);
        EXPECT_EQ(assigned.sound->chunk, cached.chunk);
        assigned = assigned;
        EXPECT_EQ(assigned.sound->chunk, cached.chunk);
        frame silent;
        assigned = silent;
        EXPECT_EQ(assigned.sound, nullptr);
    }
    EXPECT_EQ(frame_count, live);
}

}  // namespace
