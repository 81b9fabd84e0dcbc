#ifndef SHELL_MATCH_ASSETS_H
#define SHELL_MATCH_ASSETS_H

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <list>

class Anim_Mgr;
class TXT_MGR;
class anim_group;
class img_mgr;

// Every hit spark still playing; each one is a copy of explosion_template.
extern std::list<anim_group> effects;
// The spark of game/fighter/expl.ini, copied for every blocked projectile.
// Made by the preloading, where the other match animations are made, and
// null before it and after the release.
extern anim_group* explosion_template;
// The small cold spark of game/fighter/guard.ini, copied where a guard
// stops a blow; it carries the block sound. Null outside the preloading's
// lifetime, like the hit spark.
extern anim_group* guard_spark_template;

// What a match needs before the first series: the control maps, the trig
// tables, the loading and spark animations, and the heads-up display's
// pictures, text faces and colours. Built once behind the logo and reused by
// every series, so a match never loads them itself.
class match_assets {
public:
    match_assets();

    // Runs at its place in the preloading order, after the selection
    // pictures: control maps, trig tables, loading animation and spark, the
    // display resources. The match music is loaded by the screen flow and is
    // only kept here. Needs the video mode to be set (colours, text images).
    void preload(Mix_Music* match_music);
    // Releases what preload made, in reverse; safe to call twice.
    void release();

    img_mgr* shadow;      // drawn at opacity 64 behind the bar frame
    img_mgr* bar_frame;
    img_mgr* symbol;
    TXT_MGR* name_face;   // the gold face of the fighters' names
    TXT_MGR* win_text;    // round results near the screen centre
    TXT_MGR* hit_text;    // the red hit counter above a fighter
    Uint32 life_colour;
    Uint32 damage_colour;
    Mix_Music* music;

private:
    void load_animations();
    void load_display_resources();
    void release_animations();
    // A play-once effect read from `path`; its definition is kept in
    // `definition` for the release.
    static anim_group* load_effect(const char* path, Anim_Mgr** definition);

    Anim_Mgr* spark_anim;
    Anim_Mgr* guard_spark_anim;
};

#endif
