#ifndef SHELL_SETTINGS_H
#define SHELL_SETTINGS_H

class config_file;

// The start-up settings of game/game.ini. A key counts only when present and
// nonzero: a missing key, a 0 and a word all leave the default.
class settings {
public:
    enum { MIN_FPS = 4, MAX_FPS = 200, MAX_MENU_RATE = 200, MAX_SIDE = 8192 };

    settings();
    void read(const config_file& config);
    // Logo, menus and selection screens run four times faster than the match.
    int menu_rate() const;
    static bool is_depth(int bpp);

    int fullscreen;
    int width;
    int height;
    int bpp;
    int fps;
    int hwaccel;
};

#endif
