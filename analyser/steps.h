// Step counting: one record per analysed file with its line counts by
// class, and the step-count report "stepcnt.txt".
#ifndef VOK_ANALYSER_STEPS_H
#define VOK_ANALYSER_STEPS_H

const int step_record_cap = 2000;

struct step_record {
    const char *name;  // kept in memory area 7
    int total;
    int real;
    int comment;
    int inactive;
    int directive;
    int empty;
    int commented;  // lines holding a comment
    int functions;
    int classes;
    int enums;
};

extern step_record step_tbl[step_record_cap];
extern int step_num;

int clear_step_records();
// Counts the line classes of the loaded file into a new record.
int count_steps(const char *file);
int add_step_record(const char *name, int total, int real, int comment, int inactive, int directive, int empty,
                    int commented);
int set_step_extra(const char *name, int functions, int classes, int enums);
// 0 written; 1 the file cannot be opened or written (its old file kept).
// The records end here.
int write_step_report(const char *file, int numbered);
// "...." with r, c, i, d for the flags 8, 4, 2, 1 of the 0-based line;
// buffer of at least 5 bytes.
char *line_class_text(int line, char *buffer);

#endif
