#ifndef SHELL_MENU_ENTRIES_H
#define SHELL_MENU_ENTRIES_H

#include <vector>

class TXT_MGR;
class img_mgr;

// The pictures of a column of menu entries, each rendered twice with one
// face: plain ("arcade") and highlighted ("*arcade*"). Rendered once before a
// menu is shown, so its frames only draw.
class menu_entries {
public:
    menu_entries();
    ~menu_entries();

    // texts: `count` fixed-size fields of `field` bytes, one after the other.
    void make(TXT_MGR& face, const char* texts, int field, int count);
    // Moves every picture to the display (a texture on the OpenGL path).
    void upload();
    void release();

    int count() const { return (int)plain.size(); }
    // The picture of entry i, highlighted when it is under the cursor.
    img_mgr& picture(int i, bool highlighted) const;

private:
    menu_entries(const menu_entries&);
    menu_entries& operator=(const menu_entries&);

    std::vector<img_mgr*> plain;
    std::vector<img_mgr*> marked;
};

// A new picture of `text` rendered with `face`; the caller deletes it.
img_mgr* render_text_image(TXT_MGR& face, const char* text);

#endif
