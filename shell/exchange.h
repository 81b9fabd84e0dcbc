#ifndef SHELL_EXCHANGE_H
#define SHELL_EXCHANGE_H

#include <vector>

class fighter_lifeform;
class lifeform;

// Who hits whom when pictures touch: the blows between the two fighters and
// the contacts of projectiles, with blocking, trades, chip damage and the
// hit spark of a blocked projectile.
class exchange {
public:
    // The two fighters' pictures touch: resolve one exchange of blows.
    static void between_fighters(fighter_lifeform& left, fighter_lifeform& right);
    // Every touching pair of live objects of different teams where one is a
    // projectile. Returns true when any projectile is alive (a fighter then
    // guards standing still).
    static bool projectile_contacts(const std::vector<fighter_lifeform*>& objects);
    // A crouching guard loses only to a jumping attacker, a standing guard
    // only to a crouching one, and nobody guards in the air.
    static bool block_fails(const fighter_lifeform& blocker, const fighter_lifeform& attacker);
    // A copy of the spark played at the object's place, turned its way.
    static void spark_at(const lifeform& object);

private:
    static void blow_to_guard(fighter_lifeform& blocker, fighter_lifeform& attacker);
    static void guard_spark_at(const lifeform& blocker);
    static void trade(fighter_lifeform& left, fighter_lifeform& right);
    static void projectile_touch(fighter_lifeform& struck, fighter_lifeform& other);
};

#endif
