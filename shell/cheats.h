#ifndef SHELL_CHEATS_H
#define SHELL_CHEATS_H

class TXT_MGR;
class fighter_lifeform;
class img_mgr;
struct match_request;

// The cheats a series can be played with: a side whose life never runs out,
// and blows that knock out at once. A series played with one says so by a
// small mark between the life bars, so no result passes for a fair one.
class cheats {
public:
    explicit cheats(const match_request& request);
    ~cheats();

    bool any() const { return infinite_left || infinite_right || one_hit; }
    // After the frame's blows, before knock-outs are counted: a fighter that
    // lost life is knocked out (one-hit knock-outs), a side with infinite
    // life has all of it back.
    void apply(fighter_lifeform& left, fighter_lifeform& right);
    // Renders the mark once, when a cheat is on; drawn by draw_mark().
    void make_mark(TXT_MGR* face);
    void draw_mark() const;
    void release_mark();

private:
    cheats(const cheats&);
    cheats& operator=(const cheats&);

    static void apply_to(fighter_lifeform& fighter, bool infinite, bool knock_out_at_once, int& life_before);

    bool infinite_left;
    bool infinite_right;
    bool one_hit;
    int life_before[2];
    img_mgr* mark;
};

#endif
