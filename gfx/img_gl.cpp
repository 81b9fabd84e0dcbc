// The OpenGL upload and the drawing that both programs share: the floor
// strip, the tiled backdrop and reading a texture back.
#include <GL/gl.h>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <vector>

#include "gfx/gl_quads.h"
#include "gfx/img_mgr.h"
#include "gfx/surface_convert.h"
#include "gfx/texture_users.h"
#include "gfx/tile_step.h"
#include "platform/screen_mgr.h"

namespace {

// The backdrop texture repeats once a tile step.
const double TILE_U_PER_PIXEL = 1.0 / TILE_STEP_X;
const double TILE_V_PER_PIXEL = 1.0 / TILE_STEP_Y;

// A texture read back before a video mode change, under its name.
struct kept_texture {
    GLuint name;
    int w, h;
    std::vector<Uint8> texels;
};

std::vector<kept_texture> kept_textures;

bool is_kept(GLuint name) {
    for (const kept_texture& kept : kept_textures) {
        if (kept.name == name) return true;
    }
    return false;
}

}  // namespace

// A quad that puts each texel on one pixel, unturned, shows the texels
// themselves with the linear filter too: sampling the nearest texel gives
// the same pixels for far less work in Mesa's software renderer.
void img_mgr::bind_texture(bool texel_per_pixel) const {
    const GLint filter = texel_per_pixel ? GL_NEAREST : GL_LINEAR;
    glBindTexture(GL_TEXTURE_2D, (GLuint)gl_tiles);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
}

const img_mgr::drawing_path img_mgr::GL_PATH = {
    &img_mgr::tohw_gl,          &img_mgr::display_gl,    &img_mgr::display_floor_gl,
    &img_mgr::display_tiled_gl, &img_mgr::show_alpha_gl, &img_mgr::mirror_gl,
};

void img_mgr::display_gl(int x, int y, SDL_Surface* dest, float zx, float zy, int angle) {
    if (dest == screen.surface) {
        tohw_gl();
    } else {
        note_other_destination();
        if (!has_surface()) download();
    }
    // The quad covers the logical rectangle and is mirrored about it.
    const int x0 = (int)(x + (mirrored ? -trim.left : trim.left) * zx);
    draw_gl(x0, stored_top(y, zy), zx, zy, angle);
}

// The quad takes the opacity as its colour's alpha at every draw.
void img_mgr::show_alpha_gl(Uint8) {}

// The draw swaps the texture coordinates instead of the pixels.
void img_mgr::mirror_gl() { mirrored = !mirrored; }

// Copies draw with the texture of the picture they were copied from.
void img_mgr::share_texture(const img_mgr& src) {
    if (src.gl_tiles != gl_tiles) {
        let_go_of_texture();
        texture_users::hold(src.gl_tiles);
    }
    gl_tiles = src.gl_tiles;
    display_list = src.display_list;
    cells = src.cells;
    tex_w = src.tex_w;
    tex_h = src.tex_h;
}

void img_mgr::let_go_of_texture() {
    if (gl_tiles == NO_TEXTURE) return;
    const bool last_user = texture_users::release(gl_tiles);
    if (screen.is_gl()) {
        // Copies share a texture: only the last one deletes it, and only
        // while the GL context is still there.
        if (last_user && SDL_GetVideoSurface()) {
            printf("opengl: Freeing [%d]\n", gl_tiles);
            const GLuint texture = (GLuint)gl_tiles;
            glDeleteTextures(1, &texture);
            if (display_list != 0) glDeleteLists(display_list, DISPLAY_LISTS);
        } else {
            printf("Would be ");
            printf("opengl: Freeing [%d]\n", gl_tiles);
        }
    }
    gl_tiles = NO_TEXTURE;
    display_list = 0;
}

bool img_mgr::check_uploaded() const {
    if (gl_tiles != NO_TEXTURE) return true;
    printf("ERROR displaying non-uploadedGL image [%lx]->NULL\n", (unsigned long)this);
    return false;
}

void img_mgr::tohw_gl() {
    if (gl_tiles != NO_TEXTURE) return;
    if (display_list != 0) printf("WARNING: replacing display list [%d]\n", (int)display_list);
    if (surface.is_null()) {
        printf("ERROR: can't upload null image [%s]\n", filename);
        return;
    }
    SDL_Surface* pixels = surface.pixels();
    if (!pixels) {
        printf("ERROR: uploading something that wasn't loaded [%s] [%lx]\n", filename, (unsigned long)this);
        return;
    }
    if (!pixels->format) {
        printf("ERROR: Can't upload, no format\n");
        return;
    }
    surface->green2alpha();
    printf("i->g[%d,%d] s[%d,%d]\n", pixels->w, pixels->h, trimmed_w(), trimmed_h());
    tex_w = texture_side(pixels->w);
    tex_h = texture_side(pixels->h);
    printf("IMG_MGR::tohw converting v[%d,%d] p[%d,%d] to [%d,%d]\n", logical_w, logical_h, pixels->w, pixels->h,
           tex_w, tex_h);
    // Key-coloured texels and the rest of the power-of-two square stay at
    // alpha 0; the picture arrives opaque whatever its own opacity.
    SDL_Surface* texels = rgba_copy(pixels, nullptr, tex_w, tex_h);
    if (!texels) {
        printf("Img::MGR:tohw() FAULT - failure in creating surface [%d,%d]\n", tex_w, tex_h);
        return;
    }
    cells.find(texels, pixels->w, pixels->h);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    gl_tiles = (int)texture;
    texture_users::hold(gl_tiles);
    printf("opengl texture upload: got [%d] for [%s]\n", gl_tiles, filename);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB5_A1, tex_w, tex_h, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels->pixels);
    SDL_FreeSurface(texels);
    surface.reset();
    finish_upload();
}

SDL_Surface* img_mgr::read_texture() const {
    std::vector<Uint8> texels((size_t)tex_w * tex_h * 4);
    glBindTexture(GL_TEXTURE_2D, (GLuint)gl_tiles);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    // The picture sits in the texture's top-left corner.
    const int w = trimmed_w() < tex_w ? trimmed_w() : tex_w;
    const int h = trimmed_h() < tex_h ? trimmed_h() : tex_h;
    SDL_Surface* pixels = screen.create_surface(w, h, 32, 0);
    if (!pixels) return nullptr;
    for (int y = 0; y < h; y++) {
        memcpy((Uint8*)pixels->pixels + y * pixels->pitch, &texels[(size_t)y * tex_w * 4], (size_t)w * 4);
    }
    return pixels;
}

void img_mgr::download() {
    if (!screen.is_gl() || gl_tiles == NO_TEXTURE) return;
    if (!surface.is_null()) {
        printf("ERROR: Can't d/l from hw to sw because image exists [%lx]\n", (unsigned long)this);
        return;
    }
    printf("Copying [%d,%d]/32 surface from hw to sw\n", logical_w, logical_h);
    surface.attach_new();
    surface->store(read_texture());
}

void img_mgr::display_floor_gl(int x, int y, SDL_Surface*, double zoom, double depth) {
    tohw();
    if (!check_uploaded()) return;
    dst_rect.x = (Sint16)(int)(x * zoom);
    dst_rect.y = (Sint16)((int)(logical_h - logical_h * zoom + y) - 1);
    dst_rect.w = (Uint16)(int)(dst_rect.w * zoom);
    dst_rect.h = (Uint16)(int)(dst_rect.h * zoom);
    const float u_left = (float)src_rect.x / tex_w;
    const float u_right = (float)(src_rect.x + src_rect.w) / tex_w;
    const float v_top = (float)src_rect.y / tex_h;
    const float v_bottom = (float)(src_rect.y + src_rect.h) / tex_h;
    const float top = dst_rect.y;
    const float bottom = dst_rect.y + dst_rect.h;
    const float back_z = (float)-depth;
    const float front_z = (float)depth;
    bind_texture(false);
    begin_textured_quads(gl_tiles, alpha);
    glTexCoord2f(u_left, v_top);
    glVertex3f((float)x, top, back_z);
    glTexCoord2f(u_right, v_top);
    glVertex3f((float)(x + dst_rect.w), top, back_z);
    glTexCoord2f(u_right, v_bottom);
    glVertex3f((float)(x + dst_rect.w), bottom, front_z);
    glTexCoord2f(u_left, v_bottom);
    glVertex3f((float)x, bottom, front_z);
    end_textured_quads();
    reset_rects();
}

void img_mgr::display_tiled_gl(int x1, int y1, int x2, int y2) {
    if (!check_uploaded()) return;
    const float u = (float)((x2 - x1) * TILE_U_PER_PIXEL);
    const float v = (float)((y2 - y1) * TILE_V_PER_PIXEL);
    const float u_left = mirrored ? u : 0.0f;
    const float u_right = mirrored ? 0.0f : u;
    bind_texture(false);
    begin_textured_quads(gl_tiles, alpha);
    textured_quad((float)x1, (float)y1, (float)x2, (float)y2, u_left, 0.0f, u_right, v);
    end_textured_quads();
}

void img_mgr::keep_textures() {
    kept_textures.clear();
    for (img_mgr* picture = first_live; picture; picture = picture->next_live) {
        const GLuint name = (GLuint)picture->gl_tiles;
        if (picture->gl_tiles == NO_TEXTURE || is_kept(name)) continue;
        kept_textures.push_back(kept_texture{name, picture->tex_w, picture->tex_h, {}});
        kept_texture& kept = kept_textures.back();
        kept.texels.resize((size_t)kept.w * kept.h * 4);
        glBindTexture(GL_TEXTURE_2D, name);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, kept.texels.data());
    }
}

void img_mgr::restore_textures(bool context_is_new) {
    if (context_is_new) {
        // Binding a name the context never gave out makes a texture of that
        // name, and later uploads are given other names.
        for (const kept_texture& kept : kept_textures) {
            glBindTexture(GL_TEXTURE_2D, kept.name);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB5_A1, kept.w, kept.h, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         kept.texels.data());
        }
        printf("opengl: uploaded [%d] textures again for the new context\n", (int)kept_textures.size());
        std::vector<unsigned int> remade;
        for (img_mgr* picture = first_live; picture; picture = picture->next_live) {
            const unsigned int list = picture->display_list;
            if (list == 0 || std::find(remade.begin(), remade.end(), list) != remade.end()) continue;
            picture->remake_lists();
            remade.push_back(list);
        }
    }
    kept_textures.clear();
    kept_textures.shrink_to_fit();
}

namespace {
// The screen sits below the pictures and cannot name them; this hands it the
// two calls a mode change needs, before main runs.
struct texture_keeper_registration {
    texture_keeper_registration() {
        screen_mgr::textures = {img_mgr::keep_textures, img_mgr::restore_textures};
    }
} register_texture_keeper;
}  // namespace
