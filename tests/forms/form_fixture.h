// The common start of the form-designer tests: a clean model and capture
// host, and helpers that build forms and read files.
#ifndef VOK_TESTS_FORMS_FORM_FIXTURE_H
#define VOK_TESTS_FORMS_FORM_FIXTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "forms/model.h"
#include "forms/para.h"
#include "shell/codeout.h"
#include "shell/screens.h"
#include "shell/text.h"
#include "tests/support/capture_forms.h"
#include "tests/support/capture_host.h"

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture::reset();
        capture_forms::reset();
        forms_reset_all();
        code_mark_clear();
        code_out_hwnd = capture::new_edit();
        form_alloc();
    }

    // Appends a box with its parameter line; returns its index.
    static int box(const char *kind, const char *name, int x, int y, int endx, int endy, const char *para = "")
    {
        const int i = form_num;
        box_rec &b = box_table[i];
        b = box_rec{};
        copy_bounded(b.kind, sizeof b.kind, kind);
        copy_bounded(b.name, sizeof b.name, name);
        b.x = x;
        b.y = y;
        b.endx = endx;
        b.endy = endy;
        box_level[i] = cur_level;
        ++form_num;
        const size_t len = strlen(para_buf);
        format_text(para_buf + len, para_cap - len, "%s\n", para);
        para_changed();
        return i;
    }

    static void link(int from, int to, const char *name)
    {
        link_rec &k = link_table[l_num++];
        k.from = from;
        k.to = to;
        copy_bounded(k.name, sizeof k.name, name);
    }

    static std::string para_line(int n)
    {
        int s = 0, e = 0;
        if (para_line_span(n, &s, &e) != 0) return "<none>";
        return std::string(para_buf + s, para_buf + e);
    }

    static std::string field(int n, int k)
    {
        char f[1000];
        get_para(f, n, k);
        return f;
    }

    static std::string output() { return capture::edit_text(code_out_hwnd); }

    // A file's bytes with CR LF read as LF.
    static std::string file_text(const std::string &name)
    {
        std::ifstream in(name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        std::string t = s.str(), out;
        for (size_t i = 0; i < t.size(); ++i) {
            if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') continue;
            out += t[i];
        }
        return out;
    }

    static void write_file(const std::string &name, const std::string &text)
    {
        FILE *fp = fopen(name.c_str(), "wb");  // the bytes as given, CR LF included
        fputs(text.c_str(), fp);
        fclose(fp);
    }

    static std::string rect(int i)
    {
        const box_rec &b = box_table[i];
        return std::to_string(b.x) + "," + std::to_string(b.y) + "," + std::to_string(b.endx) + "," +
               std::to_string(b.endy);
    }
};

#endif
