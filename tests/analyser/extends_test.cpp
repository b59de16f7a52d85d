// The base-class look-up of the LIST's class chain and reference search:
// Java "extends" and C++ ":" over access words, and where it gives up.
#include <gtest/gtest.h>

#include <string>

#include "analyser/parser.h"
#include "anal_support.h"
#include "shell/startup.h"
#include "shell/text.h"

namespace {

struct extends_case {
    const char *what;
    int lang;
    std::string source;
    int line;
    const char *cls;
    int expect;
    const char *base;  // the name after the call
};

TEST(Extends, FindsTheBaseOrNamesTheStepThatFailed)
{
    const extends_case cases[] = {
        {"java", 2, "class A extends B {\n}\n", 1, "A", extends_found, "B"},
        {"java with generics and implements", 2, "class A<T> extends pkg.Base<T> implements I {\n}\n", 1, "A",
         extends_found, "Base"},
        {"java class further down", 2, "class X {\n}\nclass A extends C {\n}\n", 3, "A", extends_found, "C"},
        {"c++", 0, "class A : public virtual B {\n};\n", 1, "A", extends_found, "B"},
        {"c++ qualified base", 0, "class A : private ns::Base {\n};\n", 1, "A", extends_found, "Base"},
        {"empty file", 2, "", 1, "A", extends_empty, "A"},
        {"line past the end", 2, "class A extends B {\n}\n", 9, "A", extends_no_line, "A"},
        {"class name not found", 2, "class A extends B {\n}\n", 1, "Z", extends_no_class, "Z"},
        {"end after the name", 2, "class A", 1, "A", extends_end_after_name, "A"},
        {"end in its parameters", 2, "class A<T", 1, "A", extends_end_in_params, "A"},
        {"no extends", 2, "class A implements I {\n}\n", 1, "A", extends_not_extends, "A"},
        {"end after extends", 2, "class A extends", 1, "A", extends_end_after_extends, "A"},
        {"end after an access word", 0, "class A : public", 1, "A", extends_end_after_access, "A"},
        {"end after the base name", 2, "class A extends B", 1, "A", extends_end_in_name, "A"},
        {"end in the base's parameters", 2, "class A extends B<T", 1, "A", extends_end_in_base_params, "A"},
        {"end before the body", 2, "class A extends B implements I", 1, "A", extends_no_body, "A"},
    };
    for (const auto &c : cases) {
        anal_test::fresh();
        lang_mode = c.lang;
        if (!c.source.empty()) anal_test::load_text(c.source, c.lang == 2 ? "A.java" : "a.cpp");
        else line_count = 0;
        char name[64];
        copy_bounded(name, sizeof name, c.cls);
        EXPECT_EQ(find_extends(c.line, name, sizeof name), c.expect) << c.what;
        EXPECT_STREQ(name, c.base) << c.what;
        lang_mode = 0;
    }
}

}  // namespace
