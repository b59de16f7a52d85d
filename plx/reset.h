// The one reset of PLX's portable state, for the program's start and the tests.
#ifndef VOK_PLX_RESET_H
#define VOK_PLX_RESET_H

// Empties the model, forgets the run's tree and the list of read files, and
// puts the view back at the origin.
void plx_reset();

#endif
