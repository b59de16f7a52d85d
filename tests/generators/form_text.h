// A form file built in memory by the WORK tests and the benchmark: box rows,
// link rows and parameter lines in the "#F2", "#L2" and "#P1" layout.
#ifndef VOK_TESTS_GENERATORS_FORM_TEXT_H
#define VOK_TESTS_GENERATORS_FORM_TEXT_H

#include <cstdio>
#include <string>

struct form_text {
    std::string rows, links, paras;
    int count = 0;
    // Appends a box and its parameter line; its index.
    int add(const std::string &kind, const std::string &name, int x, int y, int w, int h, const std::string &para = "")
    {
        char row[200];
        snprintf(row, sizeof row, "%8d\t%4d\t%4d\t%4d\t%-10s\t%-10s\n", x, y, x + w, y + h, kind.c_str(), name.c_str());
        rows += row;
        paras += para + "\n";
        return count++;
    }
    void link(int from, int to, const char *name)
    {
        char row[100];
        snprintf(row, sizeof row, "%8d\t%4d\t%s\n", from, to, name);
        links += row;
    }
    std::string text() const
    {
        return "#F2    x\t   y\tendx\tendy\tclass     \tname      \n" + rows + "#L2 from\t  to\tname      \n" + links +
               "#P1       \n" + paras;
    }
};

#endif
