#include "gfx/texture_users.h"

#include <map>

namespace {

// Never destroyed: pictures owned by globals let go of textures at exit.
std::map<int, int>& users() {
    static std::map<int, int>* by_texture = new std::map<int, int>;
    return *by_texture;
}

}  // namespace

void texture_users::hold(int texture) {
    if (texture != -1) users()[texture]++;
}

bool texture_users::release(int texture) {
    const auto found = users().find(texture);
    if (found == users().end()) return false;
    if (--found->second > 0) return false;
    users().erase(found);
    return true;
}
