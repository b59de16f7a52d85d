// Main-screen state that the LIST and FLOW rules read and set: which list
// is shown, whether actions keep the CODE output, and the Shift key.
#ifndef VOK_TREES_MAIN_OWNED_H
#define VOK_TREES_MAIN_OWNED_H

// VOK-PLACEHOLDER: the main screen owns these three (extern int state;
// extern int keep_code_text; extern int shift_down;); they stand here until
// its key handling lands.
extern int state;           // 1 a function or definition list is shown, 2 a reference list
extern int keep_code_text;  // 1: actions do not clear the CODE output first
extern int shift_down;      // 1 while Shift is held

// Back to the start values; 0.
int main_owned_reset();

#endif
