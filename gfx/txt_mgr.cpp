#include "gfx/txt_mgr.h"

#include <cstdio>

#include "platform/screen_mgr.h"

namespace {

// The face print falls back on when the manager has none of its own.
const char* const FALLBACK_FONT = "tahoma.ttf";

}  // namespace

TXT_MGR::TXT_MGR() : TXT_MGR(nullptr) {}

TXT_MGR::TXT_MGR(SDL_Surface* print_target) : target(print_target) {
    // SDL_ttf counts its users, so every manager may start it.
    if (TTF_Init() < 0) fprintf(stderr, "Couldn't initialize TTF: %s\n", SDL_GetError());
}

// Cached textures are left to the GL context: they may outlive the manager.
TXT_MGR::~TXT_MGR() {
    if (font_loaded) TTF_CloseFont(font);
    char_cache.clear();
}

void TXT_MGR::open_font(const char* path) {
    if (font_loaded) {
        TTF_CloseFont(font);
        font = nullptr;
        font_loaded = 0;
    }
    font = TTF_OpenFont(path, size);
    if (!font) {
        printf("ERROR: TTF_OpenFont: %s\n", SDL_GetError());
        // The library's reason does not always say which file it was.
        printf("ERROR: font [%s] can't be used\n", path);
        return;
    }
    TTF_SetFontStyle(font, style);
    font_loaded = 1;
}

// A manager whose own face failed to open still shows its text, in the
// fallback face at its configured size.
SDL_Surface* TXT_MGR::render(const char* text) {
    if (!font_loaded) open_font(FALLBACK_FONT);
    if (!font_loaded || !text) {
        text_surface = nullptr;
        return nullptr;
    }
    if (mode == MODE_SOLID) {
        text_surface = TTF_RenderText_Solid(font, text, fg);
    } else if (mode == MODE_BLENDED) {
        text_surface = TTF_RenderText_Blended(font, text, fg);
    } else {
        text_surface = TTF_RenderText_Shaded(font, text, fg, bg);
    }
    return text_surface;
}

void TXT_MGR::print(const char* text) {
    if (!font_loaded) open_font(FALLBACK_FONT);
    if (!font_loaded) return;
    SDL_Surface* rendered = render(text);
    if (!rendered) {
        printf("ERROR render text is NULL\n");
        return;
    }
    text_w = rendered->w;
    text_h = rendered->h;
    if (screen.is_gl()) {
        print_gl(rendered, static_cast<signed char>(text[0]));
    } else {
        print_sw(rendered);
    }
    SDL_FreeSurface(rendered);
    text_surface = nullptr;
}
