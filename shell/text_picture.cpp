#include "shell/text_picture.h"

#include <cstdio>

#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"
#include "platform/screen_mgr.h"

text_picture::text_picture() : picture(nullptr) {}

text_picture::~text_picture() { delete picture; }

void text_picture::set(TXT_MGR* face, const std::string& text) {
    if (picture && text == words) return;
    delete picture;
    picture = nullptr;
    words = text;
    SDL_Surface* rendered = face && face->font_loaded ? face->render(text.c_str()) : nullptr;
    if (!rendered) {
        printf("WARNING: the text [%s] could not be rendered\n", text.c_str());
        return;
    }
    picture = new img_mgr();
    picture->set_surface(rendered);
}

void text_picture::draw_centred(int centre_x, int top, double zoom) const {
    if (!picture) return;
    const int left = centre_x - (int)(picture->width() * zoom) / 2;
    picture->display(left, top, screen.surface, (float)zoom, (float)zoom, 0);
}

int text_picture::width() const { return picture ? picture->width() : 0; }

int text_picture::height() const { return picture ? picture->height() : 0; }
