#ifndef SHELL_CAMERA_H
#define SHELL_CAMERA_H

class fighter_lifeform;
class level;

// Keeps both fighters in view: turns them to face each other, scrolls to the
// nearer one and zooms out so the farther one still shows, never past the
// stage's ends and never cutting off a fighter's picture. Writes the level's
// scroll_x, scroll_y and zoom, then advances its effects.
class camera {
public:
    camera(level& stage, fighter_lifeform& left, fighter_lifeform& right);

    // The series' first view, from the fighters' starting places.
    void first_view();
    // Every frame: facing, scroll and zoom (logged), then the level's
    // effects; the match paints the background with the frame.
    void follow();
    // The view follow() takes, drawn without its log line: the backdrop of a
    // screen shown over the stage once the fighting is over.
    void redraw();

    // The level's width as the fighters measure it (level pixels / scale).
    static double play_width(const level& stage);

private:
    void set_scroll_y();
    // Facing, scroll and zoom from where the fighters stand; the far edge.
    int aim();
    // Scroll and zoom for a view around the two edges; zoom 1 when there is
    // nothing to frame (a stage that failed to load has no width).
    void frame(int near_edge, int far_edge);

    level& stage;
    fighter_lifeform& left;
    fighter_lifeform& right;
};

#endif
