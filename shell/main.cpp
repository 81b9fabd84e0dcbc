#include "shell/screen_flow.h"
#include "shell/startup.h"

int main(int, char**) {
    startup boot;
    // Outlives the shut-down, which fades the music out before it is freed.
    screen_flow flow;
    if (boot.run()) flow.run(boot);
    boot.shut_down();
    return 0;
}
