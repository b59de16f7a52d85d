// The common start of the PLX tests: a clean PLX model on top of the form
// fixture (whose reader and writer some tests hand PLX's files to), and
// helpers that write fixture files and describe the model.
#ifndef VOK_TESTS_PLX_PLX_FIXTURE_H
#define VOK_TESTS_PLX_PLX_FIXTURE_H

#include <cstdio>
#include <string>

#include "plx/model.h"
#include "plx/reset.h"
#include "tests/forms/form_fixture.h"

class PlxTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        plx_reset();
        for (const char *name : {"w.txt", "z.txt", "plx_cur.dat", "out.f"}) remove(name);
    }

    // Item i as "x1,y1,x2,y2 kind|name".
    static std::string item(int i)
    {
        const plx_item &t = plx_items[i];
        return std::to_string(t.x1) + "," + std::to_string(t.y1) + "," + std::to_string(t.x2) + "," +
               std::to_string(t.y2) + " " + t.kind + "|" + t.name;
    }

    // Every link as "from>to kind;".
    static std::string links()
    {
        std::string s;
        for (int l = 0; l < plx_link_num; ++l)
            s += std::to_string(plx_links[l].from) + ">" + std::to_string(plx_links[l].to) + " " + plx_links[l].kind + ";";
        return s;
    }
};

#endif
