// The name check of the Win32 writers.  The fixed names are the C keywords,
// the identifiers of the generated runtime (with its locals and parameters)
// and the Win32 names the generated text uses.
#include "generators/gen_names.h"

#include <cstring>

#include "forms/model.h"
#include "shell/msgbox.h"
#include "shell/text.h"

namespace {

const char *const fixed_names[] = {
    // C keywords
    "auto", "break", "case", "char", "const", "continue", "default", "do", "double", "else", "enum", "extern",
    "float", "for", "goto", "if", "inline", "int", "long", "register", "restrict", "return", "short", "signed",
    "sizeof", "static", "struct", "switch", "typedef", "union", "unsigned", "void", "volatile", "while", "_Bool",
    // the generated runtime, its locals and parameters
    "Olist", "Ilist", "oname", "olist", "app_olist", "app_arg", "Join", "J_font", "J_work", "do_join", "del_object",
    "del_work", "GO", "FIN", "Tavir_up_join", "Tavir_up_object", "Tavir_up_work", "Tavir_top", "Tavir_font",
    "Tavir_work", "ilstg", "MY_TEAM", "W", "H", "w_x", "h_x", "wf", "wb", "hf", "hb", "hwnd", "msg", "hwndg", "workg",
    "listg", "i", "hInstance", "hPrevInstance", "lpszCmdParam", "nCmdShow", "rtc", "wndclass", "w", "h", "rc",
    "hwndW", "hwndc", "workc", "ilstc", "listc", "cparam", "lParam", "wParam", "message", "object_id", "sub_cmd",
    "_x", "_y", "tabstop", "ControlProc", "lpfnControlProc", "id", "x", "y", "lp", "arg", "ilst", "work", "cur",
    "next", "font", "hMenu", "to", "strcmp", "memset", "malloc", "free", "main", "WinMain",
    // Win32 names of the generated text
    "HWND", "UINT", "LONG", "WORD", "DWORD", "BOOL", "HINSTANCE", "LPSTR", "MSG", "WNDCLASS", "RECT", "HFONT",
    "HBRUSH", "HMENU", "HANDLE", "FARPROC", "LPCREATESTRUCT", "CREATESTRUCT", "PASCAL", "FAR", "NULL", "TRUE",
    "FALSE", "CreateWindow", "ShowWindow", "UpdateWindow", "GetMessage", "TranslateMessage", "DispatchMessage",
    "DefWindowProc", "RegisterClass", "GetDesktopWindow", "GetWindowRect", "SetWindowLong", "GetWindowLong",
    "SendMessage", "CreateFont", "CreateSolidBrush", "RGB", "DeleteObject", "DestroyWindow", "PostQuitMessage",
    "LoadIcon", "LoadCursor", "GetStockObject", "GetSystemMenu", "AppendMenu", "EnableMenuItem", "CheckMenuItem",
    "DeleteMenu", "MakeProcInstance", "LOWORD", "HIWORD", "WM_CREATE", "WM_COMMAND", "WM_SETFONT", "WM_INITMENU",
    "WM_SYSCOMMAND", "GWL_WNDPROC", "SW_SHOW", "SW_HIDE", "SW_SHOWNORMAL", "MF_STRING", "MF_SEPARATOR",
    "MF_BYCOMMAND", "WS_OVERLAPPEDWINDOW", "CS_HREDRAW", "CS_VREDRAW", "CS_DBLCLKS", "IDI_APPLICATION",
    "IDC_ARROW", "WHITE_BRUSH", ""};

bool is_identifier(const char *name)
{
    if (name[0] == '\0' || (name[0] >= '0' && name[0] <= '9')) return false;
    for (const char *p = name; *p != '\0'; ++p) {
        const char c = *p;
        if (!(c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// Shows the refusal of name for box once per generation; false.
bool refuse(name_claims *c, int box, const char *name)
{
    if (c->refused) return false;
    c->refused = true;
    char owner[name_size] = "";
    if (in_form(box)) copy_bounded(owner, sizeof owner, box_table[box].name[0] != '\0' ? box_table[box].name : box_table[box].kind);
    char text[300];
    format_text(text, sizeof text, "ボックス(%s)の名前(%s)は予約語か他の名前と重なる、ソースを生成出来ない\n", owner, name);
    form_error_box(text);
    return false;
}

bool claim(name_claims *c, int box, const char *name, int function)
{
    if (!is_identifier(name) || is_fixed_name(name)) return refuse(c, box, name);
    const auto found = c->names.find(name);
    if (found == c->names.end()) {
        c->names.emplace(name, function);
        return true;
    }
    return function == 1 && found->second == 1 ? true : refuse(c, box, name);
}

}  // namespace

bool is_fixed_name(const char *name)
{
    for (const char *const *f = fixed_names; (*f)[0] != '\0'; ++f) {
        if (strcmp(*f, name) == 0) return true;
    }
    return false;
}

bool claim_name(name_claims *c, int box, const char *name) { return claim(c, box, name, 0); }

bool claim_function(name_claims *c, int box, const char *name) { return claim(c, box, name, 1); }

bool claim_base_names(name_claims *c, int box, const char *base)
{
    if (!claim_function(c, box, base)) return false;
    for (const char *suffix : {"_olist", "_PROC", "_CREATE", "_POSI", "_APPEND", "_INIT"}) {
        char name[200];
        format_text(name, sizeof name, "%s%s", base, suffix);
        if (!claim_name(c, box, name)) return false;
    }
    return true;
}
