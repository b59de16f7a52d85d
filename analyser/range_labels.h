// Range labels: the line ranges of functions, classes, enums and inactive
// regions that the listings show as separators.
#ifndef VOK_ANALYSER_RANGE_LABELS_H
#define VOK_ANALYSER_RANGE_LABELS_H

#include <cstdint>

const int range_label_cap = 1000;
const int range_text_size = 104;

struct range_label_rec {
    int32_t start;
    int32_t end;
    int32_t shown;
    int32_t reserved;
    char text[range_text_size];
};

extern range_label_rec range_label[range_label_cap];
extern int range_label_num;

int clear_range_labels();
int clear_range_shown();
// 1 appended; 0 replaced an enclosed entry (or the table is full); 2 an
// existing entry encloses the range.
int add_range_label(int start, int end, const char *text);
// The separator text and mark of a listed line: a code (-6 .. -1 group
// states, 0 none, i + 1 the label number); text out is empty or the text.
int range_label_text(int line, const char **text, const char **mark);

#endif
