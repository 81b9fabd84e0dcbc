#include "anim/anim_group.h"

#include <cstdio>
#include <new>

#include "anim/frame.h"
#include "gfx/img_mgr.h"

anim_group::anim_group()
    : width(0), height(0), offset_x(0), offset_y(0), stack(new ag_stack()) {
    printf("Creating anim_group\n");
}

anim_group::anim_group(const anim_group& source)
    : width(0), height(0), offset_x(0), offset_y(0), stack(new ag_stack()) {
    printf("Copying animation group [%lx] to [%lx]\n", (unsigned long)&source, (unsigned long)this);
    copy_from(source);
}

anim_group& anim_group::operator=(const anim_group& source) {
    if (&source == this) return *this;
    printf("Assigning animation group\n");
    copy_from(source);
    return *this;
}

anim_group::~anim_group() {
    printf("Deleteing anim_group\n");
    delete stack;
    release_definitions();
}

// Takes counted references to the source's definitions before letting go of
// the old ones, so a definition both groups hold survives the exchange.
void anim_group::copy_from(const anim_group& source) {
    width = source.width;
    height = source.height;
    offset_x = source.offset_x;
    offset_y = source.offset_y;
    std::vector<ref_ptr<Anim_Mgr>> kept(source.anims);
    stack->clear();
    release_definitions();
    anims.swap(kept);
    if (!source.stack->empty()) {
        printf("Copying ag_stack\n");
        *stack = *source.stack;
    }
}

void anim_group::release_definitions() {
    for (ref_ptr<Anim_Mgr>& held : anims) {
        Anim_Mgr* definition = held.get();
        held = ref_ptr<Anim_Mgr>();
        if (definition && definition->owned_by_groups && definition->refs == 0) delete definition;
    }
    anims.clear();
}

void anim_group::add(const ref_ptr<Anim_Mgr>& definition) { anims.push_back(definition); }

void anim_group::adopt(Anim_Mgr* definition) {
    if (!definition) return;
    definition->owned_by_groups = 1;
    anims.push_back(ref_ptr<Anim_Mgr>(definition));
}

void anim_group::clear() {
    stack->clear();
    release_definitions();
}

ag_stack* anim_group::make_stack() {
    ag_stack* running = new (std::nothrow) ag_stack();
    if (!running) {
        printf("Can't create a new animation\n");
        return nullptr;
    }
    fill_stack(*running);
    return running;
}

void anim_group::fill_stack(ag_stack& running) {
    running.clear();
    for (size_t i = 0; i < anims.size(); i++) {
        Anim_Mgr* definition = anims[i].get();
        if (!definition || definition->frames.empty()) {
            warn_empty(i);
            return;
        }
        const img_mgr* first_picture = definition->frames[0].image;
        if (first_picture) {
            if (first_picture->width() > width) width = first_picture->width();
            if (first_picture->height() > height) height = first_picture->height();
        }
        running.append(animation(definition));
    }
}

int anim_group::playable() const { return !anims.empty() && anims[0].get() && !anims[0]->frames.empty(); }

int anim_group::check_playable() const {
    if (playable()) return 1;
    warn_empty(0);
    return 0;
}

void anim_group::warn_empty(size_t index) const {
    printf("WARNING frames for animation [%d] [%lx] is empty\n", (int)index, (unsigned long)this);
}

frame_effects anim_group::play(int x, int y, double zoom, shown_pictures& shown) {
    frame_effects asked = {0, 0, 0};
    // An empty list restarts every definition from frame 0. It is refilled
    // in place: the same storage serves every round of a looping effect.
    if (stack->empty()) fill_stack(*stack);
    for (animation& record : stack->records) {
        record.x = x + offset_x;
        record.y = y + offset_y;
        asked.add(record.step(zoom, shown));
        if (!record.finished()) continue;
        if (!record.loop) {
            // One definition ending ends the whole group in this tick.
            stack->clear();
            return asked;
        }
        record.restart();
    }
    return asked;
}
