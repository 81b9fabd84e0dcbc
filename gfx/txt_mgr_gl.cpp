#include <cstdio>

#include "gfx/gl_quads.h"
#include "gfx/txt_mgr.h"
#include "platform/screen_mgr.h"

namespace {

// Copies the text into the top-left corner of a power-of-two RGBA texture.
// Returns 0 when no texture could be made.
GLuint upload_text(SDL_Surface* rendered, int texture_w, int texture_h) {
    SDL_Surface* pixels = screen.create_surface(texture_w, texture_h, 32, 0);
    if (!pixels) {
        printf("Render failure in creating texture [%d,%d]\n", texture_w, texture_h);
        return 0;
    }
    // Blended text carries its own alpha: copy it rather than blend it onto
    // the empty texture, which would leave every texel transparent.
    if (rendered->flags & SDL_SRCALPHA) SDL_SetAlpha(rendered, 0, SDL_ALPHA_OPAQUE);
    SDL_Rect whole = {0, 0, static_cast<Uint16>(texture_w), static_cast<Uint16>(texture_h)};
    SDL_Rect corner = {0, 0, 0, 0};
    SDL_UpperBlit(rendered, &whole, pixels, &corner);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, texture_w, texture_h, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels->pixels);
    SDL_FreeSurface(pixels);
    return texture;
}

void draw_text_quad(GLuint texture, int x, int y, int w, int h, float u, float v) {
    begin_textured_quads(texture, SDL_ALPHA_OPAQUE);
    textured_quad((float)x, (float)y, (float)(x + w), (float)(y + h), 0.0f, 0.0f, u, v);
    end_textured_quads();
}

}  // namespace

// With the cache on, a texture is kept per first character: it serves single
// characters (the combo counter); a longer text reuses the texture its first
// character made, stretched to the new text's size.
void TXT_MGR::print_gl(SDL_Surface* rendered, int first_char) {
    GLuint texture = 0;
    bool need_upload = true;
    if (cache_context != screen.gl_context) {
        // The textures went with the context they were made in.
        char_cache.clear();
        cache_context = screen.gl_context;
    }
    if (cache_enabled) {
        std::map<int, GLuint>::const_iterator cached = char_cache.find(first_char);
        if (cached != char_cache.end()) {
            texture = cached->second;
            need_upload = false;
        }
    }
    const int texture_w = texture_side(rendered->w);
    const int texture_h = texture_side(rendered->h);
    if (need_upload) {
        texture = upload_text(rendered, texture_w, texture_h);
        if (!texture) return;
    }
    const float u = static_cast<float>(rendered->w) / texture_w;
    const float v = static_cast<float>(rendered->h) / texture_h;
    draw_text_quad(texture, static_cast<Sint16>(x), static_cast<Sint16>(y), rendered->w, rendered->h, u, v);
    if (!cache_enabled) {
        glDeleteTextures(1, &texture);
    } else if (need_upload) {
        printf("TXT_MGR::print caching text[%d] as asc[%d]\n", texture, first_char);
        char_cache[first_char] = texture;
    }
}
