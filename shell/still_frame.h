#ifndef SHELL_STILL_FRAME_H
#define SHELL_STILL_FRAME_H

class img_mgr;

// The last picture of play, kept while the match stands still. Drawing a
// frame of play plays the fighters' moves, so a paused match cannot draw
// its picture again: it is read back from the screen once and shown from
// the copy.
class still_frame {
public:
    still_frame();
    ~still_frame();

    // Copies what has been drawn this frame; call it before the flip, while
    // the finished frame is still in the buffer being drawn.
    void take();
    // Draws the copy over the whole screen; nothing before the first take.
    void show() const;
    void release();

private:
    still_frame(const still_frame&);
    still_frame& operator=(const still_frame&);

    img_mgr* picture;
};

#endif
