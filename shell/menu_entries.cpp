#include "shell/menu_entries.h"

#include <cstdio>
#include <cstring>

#include "gfx/img_mgr.h"
#include "gfx/txt_mgr.h"

namespace {

// An entry field may lack its terminator; never read past the field.
void copy_field(char* out, const char* field, int field_size) {
    int length = 0;
    while (length < field_size && field[length] != '\0') length++;
    memcpy(out, field, length);
    out[length] = '\0';
}

}  // namespace

img_mgr* render_text_image(TXT_MGR& face, const char* text) {
    img_mgr* picture = new img_mgr();
    picture->set_surface(face.render(text));
    return picture;
}

menu_entries::menu_entries() {}

menu_entries::~menu_entries() { release(); }

void menu_entries::make(TXT_MGR& face, const char* texts, int field, int count) {
    release();
    enum { MAX_FIELD = 256 };
    if (field < 1 || field > MAX_FIELD) {
        printf("ERROR: menu entry field of [%d] bytes, nothing rendered\n", field);
        return;
    }
    char text[MAX_FIELD + 1];
    char highlighted[MAX_FIELD + 3];
    for (int i = 0; i < count; i++) {
        copy_field(text, texts + i * field, field);
        snprintf(highlighted, sizeof(highlighted), "*%s*", text);
        marked.push_back(render_text_image(face, highlighted));
        plain.push_back(render_text_image(face, text));
    }
}

void menu_entries::upload() {
    for (size_t i = 0; i < plain.size(); i++) {
        marked[i]->tohw();
        plain[i]->tohw();
    }
}

void menu_entries::release() {
    for (size_t i = 0; i < plain.size(); i++) {
        delete marked[i];
        delete plain[i];
    }
    plain.clear();
    marked.clear();
}

img_mgr& menu_entries::picture(int i, bool highlighted) const { return highlighted ? *marked[i] : *plain[i]; }
