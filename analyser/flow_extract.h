// Flow-statement extraction of a function body and its goto labels.
#ifndef VOK_ANALYSER_FLOW_EXTRACT_H
#define VOK_ANALYSER_FLOW_EXTRACT_H

// Reads the body at the current "{" under the node owner.
int parse_block(int depth, int owner);
int free_labels();

#endif
