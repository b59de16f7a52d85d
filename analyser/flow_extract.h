// Flow-statement extraction of a function body into flow-node records, and
// the goto label list that the layout resolves afterwards.
#ifndef VOK_ANALYSER_FLOW_EXTRACT_H
#define VOK_ANALYSER_FLOW_EXTRACT_H

#include <cstdint>

const int pending_label_cap = 10;
const int pending_label_size = 1000;
const int block_nesting_cap = 256;  // deeper nesting is failure 256

// One label or forward goto.  goto_node: the goto still waiting for the
// label (-1 none); after resolve_labels the resolved target.  label_node:
// the labelled statement, -1 while the label is not seen.
struct label_rec {
    label_rec *next;
    int32_t goto_node;
    int32_t label_node;
    int32_t first_goto;
    char *name;
};

extern label_rec *label_list;  // newest first

// 1 when the word is one of the flow keywords.
int is_flow_keyword(const char *word);

// Reads the body at the current "{" under the node owner.
int parse_block(int depth, int owner);
// One statement, whose first token is current, written into node.
int parse_statement(int depth, int node);

int add_pending_label(const char *name, int line);
int write_pending_labels(int node);
int write_label(int node, const char *name);
int use_label(int goto_node, const char *name);
int free_labels();

#endif
