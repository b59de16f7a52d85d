// The FLOW screen's highlight list: the flow nodes marked on the chart, drawn
// again after every repaint.  The FLOW window draws them; the list itself is
// kept here so that the analyser can empty it when a new chart begins.
#ifndef VOK_SHELL_MARKS_H
#define VOK_SHELL_MARKS_H

const int highlight_cap = 10000;
extern int highlight_nodes[highlight_cap];
extern int highlight_num;

// Remembers one more node: 0, or 1 when the list is full (the node is not kept).
int highlight_add(int node);
// Empties the list.
int highlight_clear();

#endif
