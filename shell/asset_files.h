#ifndef SHELL_ASSET_FILES_H
#define SHELL_ASSET_FILES_H

// The files the menus and the match load by a fixed name, relative to the
// data tree. The lists at the end hold every one of them, so a check of the
// data tree reads the same names the game does.

const char* const LOGO_FILE = "rsrc/pqm_logo2_640x480.png";
const char* const WALLPAPER_FILE = "rsrc/QM_wallpaper02_1024.jpg";
const char* const TILE_FILE = "rsrc/tilablebg128.png";
const char* const DARK_LOGO_FILE = "rsrc/ornaqmdark.png";
const char* const SHADOW_PICTURE = "rsrc/meter/shadow.png";
const char* const BAR_FRAME_PICTURE = "rsrc/meter/lifebar_grey.png";
const char* const SYMBOL_PICTURE = "rsrc/lunet/lunet_symbol_small.png";

// The menus' title and entries; the credits and the round's result; the
// fighters' names and the hit counter.
const char* const TITLE_FONT = "rsrc/Medici_Text.ttf";
const char* const PLAIN_FONT = "rsrc/Veranda.ttf";
const char* const NAME_FONT = "rsrc/oldengl.ttf";

const char* const INTRO_MUSIC = "rsrc/menu_intro.ogg";
const char* const MENU_MUSIC = "rsrc/jazz_loop.ogg";
const char* const MATCH_MUSIC = "rsrc/tech_loop.ogg";
const char* const SELECTION_MUSIC = "rsrc/ramp.ogg";

const char* const LOADING_ANIMATION = "game/fighter/loading.ini";
const char* const SPARK_ANIMATION = "game/fighter/expl.ini";
const char* const GUARD_SPARK_ANIMATION = "game/fighter/guard.ini";

const char* const FIXED_PICTURES[] = {LOGO_FILE,      WALLPAPER_FILE,    TILE_FILE,     DARK_LOGO_FILE,
                                      SHADOW_PICTURE, BAR_FRAME_PICTURE, SYMBOL_PICTURE};
const char* const FIXED_FONTS[] = {TITLE_FONT, PLAIN_FONT, NAME_FONT};
const char* const FIXED_MUSIC[] = {INTRO_MUSIC, MENU_MUSIC, MATCH_MUSIC, SELECTION_MUSIC};
const char* const FIXED_ANIMATIONS[] = {LOADING_ANIMATION, SPARK_ANIMATION, GUARD_SPARK_ANIMATION};

#endif
