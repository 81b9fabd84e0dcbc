#include "shell/training_overlay.h"

#include <SDL/SDL_ttf.h>

#include <cstdio>

#include "gfx/primitives.h"
#include "gfx/txt_mgr.h"
#include "input/frame_input.h"
#include "objects/fighter_lifeform.h"
#include "platform/screen_mgr.h"
#include "shell/training_session.h"

namespace {

const int LEFT_SIDE = 0;
const int RIGHT_SIDE = 1;
// The lines of a fighter's column before the player's inputs begin.
const int FIGHTER_LINES = 2;

struct button_name {
    Uint8 bit;
    const char* name;
};

const button_name BUTTONS[] = {{HELD_PUNCH, "P"}, {HELD_KICK, "K"}, {HELD_BUTTON_4, "4"}, {HELD_BUTTON_5, "5"}};

unsigned outline_colour(Uint8 r, Uint8 g, Uint8 b) {
    return screen.surface ? SDL_MapRGBA(screen.surface->format, r, g, b, 255) : 0;
}

}  // namespace

void training_overlay::describe_input(unsigned char held, int frames, char* out, int size) {
    char directions[8] = "";
    int used = 0;
    if (held & HELD_UP) directions[used++] = 'U';
    if (held & HELD_DOWN) directions[used++] = 'D';
    if (held & HELD_LEFT) directions[used++] = 'L';
    if (held & HELD_RIGHT) directions[used++] = 'R';
    directions[used] = '\0';
    char buttons[12] = "";
    int pressed = 0;
    for (const button_name& button : BUTTONS) {
        if (!(held & button.bit)) continue;
        buttons[pressed++] = '+';
        buttons[pressed++] = button.name[0];
    }
    buttons[pressed] = '\0';
    // A button alone needs no leading '+'.
    snprintf(out, size, "%s%s %d", directions, used ? buttons : buttons + (pressed ? 1 : 0), frames);
}

// The four edges of the box the contact test uses.
void training_overlay::outline(const fighter_lifeform& fighter, unsigned colour) {
    img_box at;
    if (!fighter.hit_box(&at)) return;
    box(at.left, at.top, at.right, at.top, colour);
    box(at.left, at.bottom, at.right, at.bottom, colour);
    box(at.left, at.top, at.left, at.bottom, colour);
    box(at.right, at.top, at.right, at.bottom, colour);
}

// The left column hangs from the left edge, the right one from the right.
void training_overlay::print_line(TXT_MGR& face, const char* text, int side, int line) {
    int width = 0;
    if (side == RIGHT_SIDE && face.font_loaded) TTF_SizeText(face.font, text, &width, nullptr);
    face.x = side == LEFT_SIDE ? MARGIN : screen.width() - MARGIN - width;
    face.y = COLUMN_TOP + line * LINE_HEIGHT;
    face.print(text);
}

void training_overlay::print_fighter(TXT_MGR& face, const training_session& session, int side) {
    const training_session::fighter_record& kept = session.record(side);
    char text[48];
    snprintf(text, sizeof(text), "Damage %d", kept.string_damage);
    print_line(face, text, side, 0);
    if (kept.move_number < 0) return;
    snprintf(text, sizeof(text), "Move %d: %d frames", kept.move_number, kept.move_frames);
    print_line(face, text, side, 1);
}

void training_overlay::draw(const training_session& session, const fighter_lifeform& left,
                            const fighter_lifeform& right, TXT_MGR* face) {
    outline(left, outline_colour(0, 255, 255));
    outline(right, outline_colour(255, 255, 0));
    if (!face) return;
    print_fighter(*face, session, LEFT_SIDE);
    print_fighter(*face, session, RIGHT_SIDE);
    char text[24];
    for (int i = 0; i < session.inputs(); i++) {
        const training_session::input_entry& entry = session.input(i);
        describe_input(entry.held, entry.frames, text, sizeof(text));
        print_line(*face, text, RIGHT_SIDE, FIGHTER_LINES + i);
    }
}
