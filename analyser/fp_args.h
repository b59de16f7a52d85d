// The function-pointer argument report: which functions the sources pass
// as the pointer arguments of the loaded function tree.
#ifndef VOK_ANALYSER_FP_ARGS_H
#define VOK_ANALYSER_FP_ARGS_H

const int fp_level_cap = 10;       // parenthesis levels of a body scan
const int fp_level_param_cap = 256;
const int fp_pair_cap = 1000;
const int fp_missing_cap = 20;
const int fp_missing_size = 1000;  // 999 bytes and NUL

// Prints the E232323, E242424 and E262626 reports and links every pointer
// box to the boxes of the functions passed to it: 0, or -1 when the input
// ends inside a declaration.
int analyse_fp_args();

#endif
