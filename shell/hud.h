#ifndef SHELL_HUD_H
#define SHELL_HUD_H

class fighter_lifeform;
class lifeform;
class match_assets;

// The heads-up display of the match: per fighter a backdrop, bar frame,
// symbol and name on its own side of the screen, a life bar whose red part
// shows the damage not yet caught up with, and a dot per round won; the
// string of hits above a fighter; and the round's result texts.
class hud {
public:
    enum { BAR_LENGTH = 230 };

    explicit hud(const match_assets& assets);

    // The display elements of a fighter that is alive; the fighter facing
    // right owns the left side. Moves the shown life toward the real one.
    void draw(fighter_lifeform& fighter) const;
    // "%d hit" above an object that took more than one hit in a row.
    void draw_hit_count(const fighter_lifeform& object) const;
    // A result line ("Player 1 Wins") near the screen centre.
    void show_result(const char* text) const;

    // The life bar's length in pixels for `points`; 0 for a fighter with
    // no hit points at all.
    static double bar_length(double points, int max_life);
    // shown_life moves half a point a frame toward life.
    static void catch_up(lifeform& fighter);

private:
    struct side {
        int x0;     // the screen edge the elements hang from
        int shift;  // 0 on the left side, -1 on the right
        int dir;    // 1 on the left side, -1 on the right
    };

    static side side_of(const lifeform& fighter);
    void draw_pictures(const lifeform& fighter, const side& at) const;
    void draw_bar(const side& at, double length, unsigned colour) const;
    void draw_wins(const fighter_lifeform& fighter, const side& at) const;

    const match_assets& assets;
};

#endif
