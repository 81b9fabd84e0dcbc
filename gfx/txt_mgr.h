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

    TTF_Font* font;
    SDL_Surface* text_surface;  // the surface most recently rendered
    SDL_Surface* target;
    int font_loaded;
    int size;
    SDL_Color fg;
    SDL_Color bg;
    int mode;
    int style;
    int x, y;
    int text_h, text_w;
    int cache_enabled;          // keep print's textures, keyed by first character
    std::map<int, GLuint> char_cache;
    int cache_context;          // the GL context (screen_mgr::gl_context) the cache's textures live in

private:
    TXT_MGR(const TXT_MGR&);
    TXT_MGR& operator=(const TXT_MGR&);

    void set_defaults(SDL_Surface* print_target);
    // Each rendering path's print, one file each (txt_mgr_gl.cpp, txt_mgr_sw.cpp).
    void print_gl(SDL_Surface* rendered, int first_char);
    void print_sw(SDL_Surface* rendered);
};

#endif
