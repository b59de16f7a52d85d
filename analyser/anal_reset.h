// Puts every analyser table and counter back to its program-start state.
#ifndef VOK_ANALYSER_ANAL_RESET_H
#define VOK_ANALYSER_ANAL_RESET_H

int anal_reset();

#endif
