// Layout of the flow nodes on the cell grid.
#ifndef VOK_ANALYSER_FLOW_LAYOUT_H
#define VOK_ANALYSER_FLOW_LAYOUT_H

int resolve_labels();
int count_in_edges(int i);
int layout_count();
int layout_x();
int layout_r();
int layout_y();
int layout_flow();

#endif
