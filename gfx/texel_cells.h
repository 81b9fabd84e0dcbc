#ifndef GFX_TEXEL_CELLS_H
#define GFX_TEXEL_CELLS_H

#include <SDL/SDL.h>

#include <vector>

// A rectangle of texels; w and h are counts.
struct texel_rect {
    int x, y, w, h;
};

// Where a picture's texture is worth drawing, found once at upload. Mesa's
// software renderer pays for every pixel a quad covers, seen or not, and
// most of a stage layer or a fighter's frame is key colour. The picture is
// cut into square cells, and each cell is judged by every texel a linear
// filter may read for it (the cell and one texel around): all clear, the
// cell draws nothing and is left out; all opaque, it covers what is under
// it and needs no blending; otherwise it is blended as before. Neighbouring
// cells of one kind in a row are joined into one rectangle.
class texel_cells {
public:
    enum { CELL = 32 };

    // `texels` is a 32-bit RGBA texture image whose top-left w x h texels
    // are the picture; the rest of it is clear.
    void find(const SDL_Surface* texels, int w, int h);
    void clear();

    const std::vector<texel_rect>& solid() const { return solid_rects; }
    const std::vector<texel_rect>& blended() const { return blended_rects; }

private:
    enum cover { NOTHING, SOLID, BLENDED };
    static cover judge(const SDL_Surface* texels, int w, int h, const texel_rect& cell);
    void keep(cover kind, const texel_rect& rect);

    std::vector<texel_rect> solid_rects;
    std::vector<texel_rect> blended_rects;
};

#endif
