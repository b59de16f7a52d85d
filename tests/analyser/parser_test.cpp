// The declaration and function-head parser, seen through the tag file of a
// function-list run: source in, tag lines out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "anal_support.h"
#include "shell/startup.h"

namespace {

struct parse_case {
    const char *name;
    int lang;
    const char *file;
    std::string source;
    std::string tags;  // the tag lines after the file header
};

std::string list_of(const parse_case &c)
{
    anal_test::fresh();
    reset_anal_inputs();
    lang_mode = c.lang;
    anal_test::write_file("wordattr.dat", anal_test::read_file(VOK_ANAL_DATA "/wordattr.dat"));
    anal_test::write_file(c.file, c.source);
    std::string name = c.file;
    std::string opt = "-i";
    char *argv[] = {(char *)"vokanal", &name[0], &opt[0]};
    anal_main(3, argv);
    lang_mode = 0;
    std::string tags = anal_test::read_file("voktavir.tag");
    const std::string header = std::string("---------- ") + c.file + " ----------\n";
    return tags.compare(0, header.size(), header) == 0 ? tags.substr(header.size()) : tags;
}

TEST(Parser, Declarations)
{
    const parse_case cases[] = {
        {"definitions against prototypes", 0, "a.c",
         "int f(int);\nextern int g(void);\nint f(int x)\n{\n  return x;\n}\nint (*fp)(int);\nint v = 1, w;\n", "a.c 3 f()\n"},
        {"initialisers with groups at file scope", 0, "a.c",
         "const int K[4] = {1, 2, 3, 4};\nint n = (1 + 2);\nint (*table[])(void) = { f, g };\n"
         "int f(void) { return K[0]; }\n",
         "a.c 4 f()\n"},
        {"old-style head", 0, "a.c", "int f(a, b)\nint a;\nchar *b;\n{\n  return a;\n}\n", "a.c 1 f()\n"},
        {"const member and initialiser list", 0, "a.cpp",
         "int A::get() const { return v; }\nA::A(int x) : v(x), w(0) {}\n", "a.cpp 1 get()\na.cpp 2 A()\n"},
        {"operator names", 0, "a.cpp",
         "bool A::operator==(const A &o) const { return true; }\nvoid *operator new(size_t n) { return 0; }\n"
         "int A::operator()(int x) { return x; }\n",
         "a.cpp 1 operator==()\na.cpp 2 operatornew()\na.cpp 3 operator()()\n"},
        {"xxx(...)(){", 0, "a.c", "int f(int a)(int b) { return 0; }\nint g() { return 1; }\n", "a.c 2 g()\n"},
        {"typedef struct named by its declarator", 0, "a.c",
         "typedef struct {\n  int a;\n} POINT;\nint f() { return 0; }\n", "a.c 1 POINT:()\na.c 4 f()\n"},
        {"struct with declarators", 0, "a.c", "struct tag {\n  int a;\n} x, y;\n", "a.c 1 x,y:()\n"},
        {"class with methods", 0, "a.cpp",
         "class A : public B {\npublic:\n  A();\n  int get() const { return v; }\nprivate:\n  int v;\n};\nint after() { return 1; }\n",
         "a.cpp 1 A:()\na.cpp 4 get'()\na.cpp 8 after()\n"},
        {"namespace and extern C", 0, "a.cpp",
         "namespace N {\nint f() { return 0; }\n}\nextern \"C\" {\nint g(void) { return 1; }\n}\n",
         "a.cpp 1 □N:()\na.cpp 2 f'()\na.cpp 5 g()\n"},
        {"enum declarators", 0, "a.c", "enum color { RED, GREEN } c1, c2;\nenum { A, B };\nenum e2 { X };\n",
         "a.c 1 c1,c2;()\na.c 2 ;()\na.c 3 e2;()\n"},
        {"list-0 and list-6 words", 0, "a.c",
         "LRESULT CALLBACK WndProc(HWND h, UINT m)\n{\n  return 0;\n}\nvoid WINAPI Run(void) { }\n",
         "a.c 1 WndProc()\na.c 5 Run()\n"},
        {"list-1 and list-2 words", 0, "a.cpp",
         "class A {\n  Q_OBJECT\n  DECLARE_MESSAGE_MAP()\npublic:\n  void f() {}\n};\n",
         "a.cpp 1 A:()\na.cpp 5 f'()\n"},
        {"list-3 word", 0, "a.c", "__declspec(dllexport) int f(void) { return 0; }\n", "a.c 1 f()\n"},
        {"list-4 and list-5 words", 0, "a.cpp",
         "int A::f() const noexcept { return 0; }\nvoid g() throw() { }\n", "a.cpp 1 f()\na.cpp 2 g()\n"},
        {"list-7 word", 0, "a.cpp", "STDMETHOD_(ULONG, AddRef)(void) { return 1; }\n", "a.cpp 1 AddRef()\n"},
        {"macro call without ;", 0, "a.c", "MY_MACRO(x)\nint f(void) { return 0; }\n", "a.c 2 f()\n"},
        {"comment between ) and {", 0, "a.c", "int f(void) /* note */\n{\n  return 0;\n}\n", "a.c 1 f()\n"},
        {"static function", 0, "a.c", "static void s(void) { }\n", "a.c 1 s()\n"},
        {"parenthesised declarator", 0, "a.cpp", "int (__cdecl f)(int) const { return 0; }\n", "a.cpp 1 (__cdecl f)()\n"},
        {"java class, static block, throws and anonymous class", 2, "A.java",
         "public class A {\n  static { init(); }\n  void run() throws IOException, E {\n  }\n"
         "  Runnable r = new Runnable() {\n    public void run() { }\n  };\n}\n",
         "A.java 1 A:()\nA.java 3 run'()\nA.java 5 Runnable{1}↓()\nA.java 6 run↑()\n"},
        {"java anonymous class inside a method", 2, "B.java",
         "class B {\n  void go() {\n    t = new Thread(r) {\n      public void run() { new X() { }; }\n    };\n  }\n"
         "  int after() { return 1; }\n}\n",
         "B.java 1 B:()\nB.java 2 go'()\nB.java 3 Thread{1}↓()\nB.java 4 run↑()\nB.java 7 after'()\n"},
    };
    for (const auto &c : cases) EXPECT_EQ(list_of(c), c.tags) << c.name;
}

}  // namespace
