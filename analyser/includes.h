// The "#include" records of the file being analysed, and their relations
// for the call tables of the function-tree build.
#ifndef VOK_ANALYSER_INCLUDES_H
#define VOK_ANALYSER_INCLUDES_H

const int include_cap = 100;
const int include_name_size = 100;

struct include_rec {
    int line;
    char name[include_name_size];  // lower-case base name
};

extern include_rec include_tbl[include_cap];
extern int include_num;

int clear_includes();
// Records the include of the directive text after "#include"; a text
// without quotes or angle brackets records nothing.
int add_include(int line, const char *text);
// The file itself and each of its includes as relations of the file.
int write_includes();

#endif
