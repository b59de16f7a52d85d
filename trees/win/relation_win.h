// The RELATION screen's painting, which the screen's WM_PAINT runs.
#ifndef VOK_TREES_WIN_RELATION_WIN_H
#define VOK_TREES_WIN_RELATION_WIN_H

#include <windows.h>

// Draws every link not deleted from node to node with the pen of its kind
// and its name at the midpoint (Arial, height -12); 0.
int graph_paint_links(HDC dc);
// Draws every named node not deleted: a blue size x size outline and its
// name at its top-left corner; 0.
int graph_paint(HDC dc, int size);

#endif
