// Per-file step records of the step count.
#ifndef VOK_ANALYSER_STEPS_H
#define VOK_ANALYSER_STEPS_H

int clear_step_records();
int count_steps(const char *file);

#endif
