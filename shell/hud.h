#ifndef SHELL_HUD_H
#define SHELL_HUD_H

#include <SDL/SDL.h>

#include <string>

class fighter_lifeform;
class match_assets;
class img_mgr;
class state_buffer;

// The heads-up display of the match: per fighter a backdrop, bar frame,
// symbol and its own name on its side of the screen, a life bar whose red
// part shows the damage not yet caught up with, and a dot per round won; the
// string of hits a fighter lands, under the display on its side; and the
// round's result texts. The frame's rules note what is to be seen (hits
// taken, result texts); the draw functions only paint it.
class hud {
public:
    enum { BAR_LENGTH = 230, LEFT_SEAT = 0, RIGHT_SEAT = 1, HIT_COUNT_SHOWN_MS = 1500, HIT_COUNT_TOP = 84 };
    // At most this many result lines are shown in one frame: both
    // knock-outs, the double death, the survival count and the time out.
    enum { MOST_RESULTS = 6, RESULT_TEXT_SIZE = 48 };

    // `fps`: the match's frame rate, which turns the hit count's time on
    // screen into frames.
    hud(const match_assets& assets, int fps);
    ~hud();

    // Gives a side of the screen to a fighter for as long as it plays: its
    // elements stay there when the fighters cross. Renders its name.
    void seat(int side, const fighter_lifeform* fighter, const std::string& name);
    // Lets go of the fighters and their names: the end of a series.
    void clear_seats();

    // The display elements of a seated fighter that is alive; the bar's
    // red part is what shown_life has not caught up with yet.
    void draw(const fighter_lifeform& fighter) const;
    // Once a frame for each fighter: notes the string of hits a seated
    // fighter has taken by now. A new string shows from this frame for
    // HIT_COUNT_SHOWN_MS, counted in frames: the match's rules read no clock.
    void note_hits(const fighter_lifeform& object);
    // "%d hit" for a seated fighter that took more than one hit in a row,
    // on its attacker's side, while shown_hits() counts it.
    void draw_hit_count(const fighter_lifeform& object) const;
    // Forgets the result lines of the frame before.
    void start_frame();
    // A result line ("Player 1 Wins") to show this frame near the screen
    // centre; `line` 1 shows a second line under it.
    void show_result(const char* text, int line = 0);
    // The result lines of this frame, in the order they were given.
    void draw_results() const;
    // The first line of the last result shown; empty before any.
    const char* result() const { return last_result; }
    // The string of hits the counter shows for a fighter now; 0 for none.
    int shown_hits(const fighter_lifeform& fighter) const;

    // The hit counts shown and how long they stay.
    void save(state_buffer& out) const;
    void restore(state_buffer& in);

    // The life bar's length in pixels for `points`; 0 for a fighter with
    // no hit points at all.
    static double bar_length(double points, int max_life);

private:
    hud(const hud&);
    hud& operator=(const hud&);

    struct side {
        int x0;     // the screen edge the elements hang from
        int shift;  // 0 on the left side, -1 on the right
        int dir;    // 1 on the left side, -1 on the right
    };

    // A seat's fighter and name, and the string of hits it last took, shown
    // for some frames after its last hit. The count is decided by the frame
    // and so saved with the match; the fighter and its name are set-up.
    struct seat_state {
        const fighter_lifeform* fighter;
        img_mgr* name;
        int hits_shown;
        int frames_left;
    };
    struct result_line {
        char text[RESULT_TEXT_SIZE];
        int line;
    };

    template <class Archive, class Self>
    static void fields(Archive&& archive, Self& self);
    int seat_of(const fighter_lifeform& fighter) const;
    static side side_of(int seat);
    void draw_pictures(const side& at, img_mgr* name) const;
    void draw_bar(const side& at, double length, unsigned colour) const;
    void draw_wins(const fighter_lifeform& fighter, const side& at) const;

    const match_assets& assets;
    const int hit_count_frames;
    seat_state seats[2];
    const char* last_result;
    result_line results[MOST_RESULTS];
    int result_count;
};

#endif
