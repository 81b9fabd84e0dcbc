#ifndef SHELL_CAMERA_H
#define SHELL_CAMERA_H

class fighter_lifeform;
class level;

// Keeps both fighters in view: turns them to face each other, scrolls to the
// nearer one and zooms out so the farther one still shows. Writes the
// level's scroll_x, scroll_y and zoom, then runs its draw step.
class camera {
public:
    camera(level& stage, fighter_lifeform& left, fighter_lifeform& right);

    // The series' first view, from the fighters' starting places.
    void first_view();
    // Every frame: facing, scroll and zoom (logged), then the background.
    void follow();

    // The level's width as the fighters measure it (level pixels / scale).
    static double play_width(const level& stage);

private:
    void set_scroll_y();
    // screen width / span, or 1 when the span is not positive (a stage that
    // failed to load has no width).
    static double zoom_for(double span);
    void draw_background();

    level& stage;
    fighter_lifeform& left;
    fighter_lifeform& right;
};

#endif
