#ifndef SHELL_FIGHTER_POSE_H
#define SHELL_FIGHTER_POSE_H

class fighter_lifeform;

// A fighter held out of play for a moment: while a round is introduced it
// stands ready, after it has knocked the other one out it shows its victory.
// Nothing of the rules runs for it then, its controller least of all.
class fighter_pose {
public:
    // One frame of the pose: its still `picture` (a lifeform SHOW_ value).
    static void show(fighter_lifeform& fighter, int picture);
};

#endif
