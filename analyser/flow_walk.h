// The depth-first walk of the flow chart on an explicit stack, shared by
// the layout and the line routing.
#ifndef VOK_ANALYSER_FLOW_WALK_H
#define VOK_ANALYSER_FLOW_WALK_H

// One node on the walk: the successors it goes on to, in order (-1 none).
struct walk_frame {
    int node;
    int child[2];
    int child_depth[2];
    int next;  // the child walked next
};

struct walker {
    // Visits the node on entry and fills the children it goes on to.
    void (*enter)(walk_frame &f, int depth);
    // Runs just before the walk goes into child number index; may be null.
    void (*before_child)(int node, int child, int index);
    // Marks the nodes on the current path (disp bit 0).
    bool mark_path;
    // Passes over a child that is on the current path.
    bool skip_on_path;
};

// An enter that counts the visits in ct and goes on to the next and the
// branch target on the first visit only.
void enter_first_visit(walk_frame &f, int depth);

// Walks from start with the depth; children are visited in the order the
// recursive walk would visit them.  Returns 0.
int run_walk(const walker &w, int start, int depth);

#endif
