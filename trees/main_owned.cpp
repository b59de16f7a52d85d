// Main-screen state read by the LIST and FLOW rules (see main_owned.h).
#include "trees/main_owned.h"

int state;
int keep_code_text;
int shift_down;

int main_owned_reset()
{
    state = 1;
    keep_code_text = 0;
    shift_down = 0;
    return 0;
}
