#ifndef SHELL_FIGHTER_POSE_H
#define SHELL_FIGHTER_POSE_H

class fighter_lifeform;

// A fighter held out of play for a moment: while a round is introduced it
// stands ready, after it has knocked the other one out it shows its victory.
// Nothing of the rules runs for it then, its controller least of all.
class fighter_pose {
public:
    // Drops whatever it was doing: no move, no speed, no hit string or
    // dizziness, neutral, feet on the floor.
    static void stand_still(fighter_lifeform& fighter);
    // One frame of the pose: its still `picture` (a lifeform SHOW_ value).
    static void show(fighter_lifeform& fighter, int picture);
};

#endif
