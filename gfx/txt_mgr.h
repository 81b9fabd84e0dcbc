#ifndef GFX_TXT_MGR_H
#define GFX_TXT_MGR_H

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <map>

// One TrueType font at one size and style, a colour pair, a render mode and a
// position. Callers configure it by writing the public fields; a change of
// size or style takes effect at the next open_font.
class TXT_MGR {
public:
    enum { MODE_SOLID = 1, MODE_BLENDED = 2 };  // any other mode is Shaded

    TXT_MGR();
    // target: where print draws on the surface path.
    explicit TXT_MGR(SDL_Surface* target);
    ~TXT_MGR();

    void open_font(const char* path);
    // A new surface holding the text; the caller frees it.
    SDL_Surface* render(const char* text);
    // Draws the text at (x, y) now: a textured quad on the OpenGL path, a
    // blit onto target (the screen when target is unset) on the surface path.
    void print(const char* text);

    TTF_Font* font = nullptr;
    SDL_Surface* text_surface = nullptr;  // the surface most recently rendered
    SDL_Surface* target = nullptr;
    int font_loaded = 0;
    int size = 18;
    SDL_Color fg = {255, 255, 255, 0};
    SDL_Color bg = {0, 0, 0, 0};
    int mode = 0;
    int style = 0;
    int x = 4, y = 4;
    int text_h = 0, text_w = 0;
    int cache_enabled = 0;                // keep print's textures, keyed by first character
    std::map<int, GLuint> char_cache;

private:
    TXT_MGR(const TXT_MGR&);
    TXT_MGR& operator=(const TXT_MGR&);

    // Each rendering path's print, one file each (txt_mgr_gl.cpp, txt_mgr_sw.cpp).
    void print_gl(SDL_Surface* rendered, int first_char);
    void print_sw(SDL_Surface* rendered);
};

#endif
