#ifndef SHELL_TRAINING_OVERLAY_H
#define SHELL_TRAINING_OVERLAY_H

class TXT_MGR;
class fighter_lifeform;
class training_session;

// What the training shows over the match: each fighter's hit box as an
// outline, and in a column on each side the damage of the last string of
// hits the fighter took and the frames its move lasts; under the player's,
// the player's last inputs, newest on top.
class training_overlay {
public:
    enum { COLUMN_TOP = 124, LINE_HEIGHT = 20, MARGIN = 8 };

    // Text of one input: its directions (U, D, L, R), its buttons and the
    // frames it was held, as "DL+P 12", into the `size` bytes at `out`.
    static void describe_input(unsigned char held, int frames, char* out, int size);

    static void draw(const training_session& session, const fighter_lifeform& left, const fighter_lifeform& right,
                     TXT_MGR* face);

private:
    static void outline(const fighter_lifeform& fighter, unsigned colour);
    static void print_line(TXT_MGR& face, const char* text, int side, int line);
    static void print_fighter(TXT_MGR& face, const training_session& session, int side);
};

#endif
