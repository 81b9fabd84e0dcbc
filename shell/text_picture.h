#ifndef SHELL_TEXT_PICTURE_H
#define SHELL_TEXT_PICTURE_H

#include <string>

class TXT_MGR;
class img_mgr;

// A line of text rendered once with a face and then drawn as a picture: a
// screen that shows the same words every frame renders them only when they
// change, and knows their size to centre them.
class text_picture {
public:
    text_picture();
    ~text_picture();

    // Renders `text` with `face`; without a face or its font the line shows
    // nothing, and the screen goes on without it.
    void set(TXT_MGR* face, const std::string& text);
    // Centred on `centre_x` with its top at `top`, `zoom` times its size.
    void draw_centred(int centre_x, int top, double zoom) const;

    const std::string& text() const { return words; }
    int width() const;
    int height() const;

private:
    text_picture(const text_picture&);
    text_picture& operator=(const text_picture&);

    img_mgr* picture;
    std::string words;
};

#endif
