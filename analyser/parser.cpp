// Declarations at file and class scope, and function heads.
#include "analyser/parser.h"

#include <cstring>

#include "analyser/anal_inputs.h"
#include "analyser/anal_main.h"
#include "analyser/body_scan.h"
#include "analyser/flow_nodes.h"
#include "analyser/lexer.h"
#include "analyser/options.h"
#include "analyser/preproc.h"
#include "analyser/range_labels.h"
#include "analyser/report.h"
#include "analyser/search_keys.h"
#include "analyser/source_load.h"
#include "analyser/startup_tables.h"
#include "analyser/wordattr.h"
#include "shell/startup.h"
#include "shell/text.h"

class_level class_stack[class_cap + 2];
int class_depth;
int anon_count;
int begin_line = -1;
int func_line[2] = {-1, -1};
char func_name[2][func_name_size];
int prev_class_depth = -1;
int head_static;
FILE *tag_fp;

namespace {

char begin_stack[begin_cap][define_name_size];
int begin_num;

bool starts(const char *prefix) { return strncmp(cur_token, prefix, strlen(prefix)) == 0; }

// next_token and skip_comments; the end of the input is reported with code.
int rd(const char *code)
{
    if (read_on() < 0) {
        report_eof(code);
        return -1;
    }
    return 1;
}

void code_line(const char *format, int line)
{
    code_printf(format, cur_file, line);
}

// Steps over a group at the current token and reads the token after it.
int skip_and_read(const char *opener, const char *code)
{
    if (skip_group(opener) != 0) {
        report_eof(code);
        return -1;
    }
    return rd(code);
}

// The current token onwards up to ";".
int skip_to_semicolon(const char *code)
{
    while (!is(";")) {
        if (is("{") || is("(") || is("[")) {
            if (skip_group(cur_token) != 0) return report_eof(code);
        }
        if (rd(code) < 0) return -1;
    }
    return 1;
}

bool opens_level(int depth) { return depth <= class_cap; }

void fill_level(const char *name, int start, int kind)
{
    class_level &level = class_stack[class_depth + 1];
    copy_bounded(level.name, sizeof level.name, name);
    level.start = start;
    level.kind = kind;
    level.pending = 0;
    level.anon_no = -1;
}

// A name of a list-2 word or a function-like macro: 1, or -1 at the end.
int list2_word(bool *go_on)
{
    const bool macro = is_defined_mark(cur_token) && !is_word2(cur_token);
    *go_on = false;
    if (rd("E901") < 0) return -1;
    if (is("(")) {
        if (skip_group("(") != 0) return report_eof("E901");
        if (!macro) return 1;
        reader_state state;
        save_reader_state_to(&state);
        if (read_on() > 0 && is("{")) {
            if (skip_group("{") != 0) return report_eof("E901");
            return 1;
        }
        load_reader_state_from(&state);
        return 1;
    }
    if (is("[")) {
        if (skip_and_read("[", "E901") < 0) return -1;
        *go_on = true;
        return 1;
    }
    return report_eof("E901");
}

// The hits inside an enum of a reference run.
void enum_hits(int start, const char *name)
{
    report_pending_before(start);
    FILE *fp = ref_list();
    for (int n = start; n <= cur_line; ++n) {
        if (!is_ref_hit(n)) continue;
        write_due_lines();
        if (func_line[0] > 0 || func_line[1] > 0) {
            code_printf("%s(%d): 関数内enumを検出しました(%d→%d)\r\n", cur_file, n, func_line[0],
                        func_line[1]);
        }
        if (fp != nullptr) fprintf(fp, "%s %d %s;%s(%d)\n", cur_file, start, name, quote_prefix(class_depth), n);
    }
    ref_next_line = cur_line + 1;
}

// The "enum" declaration; the current token is "enum".
int parse_enum(int start)
{
    char name[define_name_size] = "";
    if (rd("E2081") < 0) return -1;
    if (!is("{")) {
        copy_bounded(name, sizeof name, cur_token);
        if (rd("E2081") < 0) return -1;
    }
    if (!is("{")) return skip_to_semicolon("E2081");
    if (skip_group("{") != 0) return report_eof("E2081");
    if (rd("E2081") < 0) return -1;
    bool first = true;
    bool too_long = false;
    while (!is(";")) {
        if (first) name[0] = '\0';
        first = false;
        const size_t len = strlen(name);
        if (too_long) {
            if (!is(",")) copy_bounded(name + len, sizeof name - len, ".");
        } else if (len + strlen(cur_token) > sizeof name - 1) {
            code_printf("%s(%d):クラス名が大き過ぎます(%d)\r\n", cur_file, cur_line,
                        (int)(len + strlen(cur_token)));
            too_long = true;
            if (!is(",")) copy_bounded(name + len, sizeof name - len, ".");
        } else {
            copy_bounded(name + len, sizeof name - len, cur_token);
        }
        if (is("{") || is("(") || is("[")) {
            if (skip_group(cur_token) != 0) return report_eof("E2081");
        }
        if (rd("E2081") < 0) return -1;
    }
    if (tag_fp != nullptr) fprintf(tag_fp, "%s %d %s;%s()\n", cur_file, start, name, quote_prefix(class_depth));
    if (opt_r) enum_hits(start, name);
    if (!opt_i && !opt_r && flow_decl_flag != 1) {
        if (flow_start_line > 0) add_range_label(start - 1, cur_line + 1, "ENUM");
        else add_range_label(start, cur_line + 2, "ENUM");
    }
    return 1;
}

// "namespace": the current token is "namespace".
int parse_namespace(int start)
{
    char name[class_name_size] = "□";
    if (rd("E9021") < 0) return -1;
    if (is("__identifier")) {
        if (rd("E9021") < 0) return -1;
        if (is("(")) {
            if (skip_group("(") != 0) return report_eof("E9021");
            if (rd("E9021") < 0) return -1;
        }
        copy_bounded(name + strlen(name), sizeof name - strlen(name), "<...>");
    } else if (!is("{")) {
        copy_bounded(name + strlen(name), sizeof name - strlen(name), cur_token);
        if (rd("E9021") < 0) return -1;
    }
    if (!is("{")) return report_eof("E9021");
    if (!opens_level(class_depth + 1)) return 7;
    fill_level(name, start, 2);
    return 2;
}

// Words between "struct" and its name.
int skip_class_words(const char *code)
{
    for (;;) {
        if (is("COMMMSTVEXPORT") || is("_CRTIMP")) {
            if (rd(code) < 0) return -1;
        } else if (is("__declspec") || is("DECLSPEC_UUID") || is("DECLSPEC_ALIGN") || is("_CRT_ALIGN")) {
            if (rd(code) < 0) return -1;
            if (is("(") && skip_and_read("(", code) < 0) return -1;
        } else {
            return 1;
        }
    }
}

// The declarators after a struct body, joined, up to ";".
int declarator_name(char *name, size_t size)
{
    name[0] = '\0';
    while (!is(";")) {
        const size_t len = strlen(name);
        copy_bounded(name + len, size - len, cur_token);
        if (is("[")) {
            if (skip_group("[") != 0) return report_eof("E221");
        }
        if (rd("E221") < 0) return -1;
    }
    return 1;
}

// "class", "interface", "struct" or "union" (after an optional typedef).
int parse_class(int start, bool typedefed)
{
    const bool structlike = is("struct") || is("union");
    if (rd("E221") < 0) return -1;
    if (skip_class_words("E221") < 0) return -1;
    if (structlike && is("{")) {
        // an unnamed body: the declarators name the level
        reader_state state;
        save_reader_state_to(&state);
        if (skip_group("{") != 0) return report_eof("E222");
        if (rd("E222") < 0) return -1;
        char name[class_name_size];
        if (!is(";") && is_decl_list() && declarator_name(name, sizeof name) > 0) {
            load_reader_state_from(&state);
            if (!opens_level(class_depth + 1)) return 7;
            fill_level(name, start, 1);
            return 2;
        }
        load_reader_state_from(&state);
        return skip_to_semicolon("E222");
    }
    reader_state at_name;
    save_reader_state_to(&at_name);
    char name[class_name_size];
    copy_bounded(name, sizeof name, cur_token);
    if (rd("E227") < 0) return -1;
    if (is(":")) {
        while (!is("{") && !is(";")) {
            if (is("<") || is("(")) {
                if (skip_group(cur_token) != 0) return report_eof("E228");
            }
            if (rd("E228") < 0) return -1;
        }
    } else if (is("extends") || is("implements")) {
        while (!is("{") && !is(";")) {
            if (rd("E228") < 0) return -1;
        }
    }
    if (is("{")) {
        if (structlike) {
            reader_state state;
            save_reader_state_to(&state);
            if (skip_group("{") != 0) return report_eof("E229");
            if (rd("E229") < 0) return -1;
            char declared[class_name_size];
            if (!is(";") && is_decl_list() && declarator_name(declared, sizeof declared) > 0) {
                copy_bounded(name, sizeof name, declared);
                load_reader_state_from(&state);
                if (!opens_level(class_depth + 1)) return 7;
                fill_level(name, start, 1);
                return 2;
            }
            load_reader_state_from(&state);
        }
        if (!opens_level(class_depth + 1)) return 7;
        fill_level(name, start, typedefed && structlike ? 1 : 0);
        return 2;
    }
    if (is(";")) return 1;
    load_reader_state_from(&at_name);
    return 0;  // not a class: the statement scan goes on at its name
}

int skip_initializer(int start);

// The statement scan after the parameter list: 0 a definition, 1 not.
int after_params(const reader_state &after_group)
{
    int words = 0;
    for (;;) {
        if (rd("E2051") < 0) return -1;
        if ((is(":") || is("{")) && words == 0) return 0;
        if (is("=")) return 1;
        if (is(";")) {
            if (words == 0) return 1;
            words = 0;
            continue;
        }
        if (is(",") && words == 0) return 1;
        if ((is("(") || is("}") || is("{")) && words > 0) {
            load_reader_state_from(&after_group);
            return 1;
        }
        if (is("[")) {
            if (skip_group("[") != 0) return report_eof("E2052");
            continue;
        }
        if (is_word4(cur_token)) continue;
        if (is_word5(cur_token)) {
            reader_state state;
            save_reader_state_to(&state);
            if (rd("E2052") < 0) return -1;
            if (is("(")) {
                if (skip_group("(") != 0) return report_eof("E2052");
            } else {
                load_reader_state_from(&state);
            }
            continue;
        }
        if (lang_mode == lang_java && is("throws")) {
            while (rd("E2061") > 0 && !is("{") && !is(";")) {
            }
            if (cur_token[0] == '\0') return -1;
            return is("{") ? 0 : 1;
        }
        ++words;
    }
}

// At the parameter list of a head.
int at_param_list(int start)
{
    if (scan_body("(", 0) != 0) return -1;
    reader_state after_group;
    save_reader_state_to(&after_group);
    if (rd("E2041") < 0) return -1;
    if (is("(")) {
        if (skip_group("(") != 0) return report_eof("E2041");
        if (rd("E2041") < 0) return -1;
        if (is("{")) {
            code_line("%s(%d):解析不可構文xxx(...)(){ 検出、関数を無視します\r\n", start);
            if (skip_group("{") != 0) return report_eof("E2041");
            return 1;
        }
    }
    if (is(";") || is(",")) return 1;
    load_reader_state_from(&after_group);
    return after_params(after_group);
}

// An initializer: a Java anonymous class (3), else skipped up to ";" (1).
int skip_initializer(int)
{
    if (is("=") && lang_mode == lang_java) {
        if (rd("E230") < 0) return -1;
        if (classify_new() == 0) {
            if (next_name() < 0) return -1;
            if (!opens_level(class_depth + 1)) return 7;
            ++anon_count;
            fill_level(cur_token, stmt_line(), 0);
            class_stack[class_depth + 1].anon_no = anon_count;
            if (rd("E230") < 0) return -1;
            if (skip_group("(") != 0) return report_eof("E230");
            if (rd("E230") < 0) return -1;
            return 3;
        }
    }
    return skip_to_semicolon("E230");
}

// The head test of step 14.
int statement_scan(int start)
{
    for (;;) {
        if (is("+") || is("-") || is("=") || is("/")) return skip_initializer(start);
        if (is(";")) return 1;
        if (is("(")) return at_param_list(start);
        if (is("[")) {
            if (skip_and_read("[", "E2001") < 0) return -1;
            continue;
        }
        if (is("{")) {
            if (skip_and_read("{", "E2001") < 0) return -1;
            continue;
        }
        if (is("operator")) {
            if (rd("E2001") < 0) return -1;
            if (is("(")) {
                if (rd("E2001") < 0) return -1;  // ")" of operator()
            }
            while (!is("(")) {
                if (rd("E2001") < 0) return -1;
            }
            return at_param_list(start);
        }
        if (is("class") || is("struct") || is("union") || is("interface")) {
            const int r = parse_class(start, false);
            if (r != 0) return r;
        }
        if (is_word7(cur_token)) {
            reader_state state;
            save_reader_state_to(&state);
            if (rd("E2001") < 0) return -1;
            if (is("(")) {
                if (skip_group("(") != 0) return report_eof("E2001");
                if (rd("E2001") < 0) return -1;
                if (is("(")) return at_param_list(start);
            }
            load_reader_state_from(&state);
        }
        if (rd("E2001") < 0) return -1;
    }
}

// Steps 6 and 7: words before the declaration.  -2 to go on, else a result.
int leading_words(int start)
{
    for (;;) {
        if (is("public") || is("private") || is("protected")) {
            if (rd("E2091") < 0) return -1;
            if (is(":")) return 1;
            continue;
        }
        if (is("void") && lang_mode != lang_java) {
            reader_state state;
            save_reader_state_to(&state);
            if (rd("E2091") < 0) return -1;
            if (is("(")) {
                load_reader_state_from(&state);
                return -2;
            }
            continue;
        }
        if (is_word0(cur_token)) {
            reader_state state;
            save_reader_state_to(&state);
            if (rd("E2091") < 0) return -1;
            if (is("*") && rd("E2091") < 0) return -1;
            if (is("(")) {
                load_reader_state_from(&state);
                return -2;
            }
            continue;
        }
        if (is_word1(cur_token)) return 1;
        if (is_word2(cur_token) || is_defined_mark(cur_token)) {
            bool go_on = false;
            const int r = list2_word(&go_on);
            if (!go_on) return r;
            continue;
        }
        if (is_word3(cur_token)) {
            if (rd("E902") < 0) return -1;
            if (!is("(")) return report_eof("E902");
            if (skip_and_read("(", "E902") < 0) return -1;
            continue;
        }
        (void)start;
        return -2;
    }
}

// "extern": 5 for a "C" block, 1 otherwise, -2 to go on.
int parse_extern()
{
    reader_state state;
    save_reader_state_to(&state);
    if (rd("E2091") < 0) return -1;
    if (is("\"C\"") || is("\"C++\"")) {
        if (rd("E2091") < 0) return -1;
        if (is("{")) return 5;
        load_reader_state_from(&state);
        return skip_to_semicolon("E2091");
    }
    if (is("__inline")) return -2;
    load_reader_state_from(&state);
    return -2;
}

int file_scope_if()
{
    code_line("%s(%d):if(...) {...} 条件文を検出しました\r\n", cur_line);
    if (rd("E2091") < 0) return -1;
    if (is("(") && skip_and_read("(", "E2091") < 0) return -1;
    if (is("{")) {
        if (rd("E2091") < 0) return -1;
        while (!is("}")) {
            const int r = parse_declaration();
            if (r != 1) return r < 0 ? -1 : report_eof("E2091");
            if (rd("E2091") < 0) return -1;
        }
        return 1;
    }
    return parse_declaration();
}

}  // namespace

int parse_declaration()
{
    while (is("[")) {
        code_line("%s(%d):解析不可構文[...]を検出しました\r\n", cur_line);
        if (skip_and_read("[", "E202") < 0) return -1;
    }
    if (starts("BEGIN_")) {
        if (check_begin_end(cur_token) != 0)
            code_line("%s(%d):BEGIN_XXX...END_XXX文の対応が取れていません、END_XXX文の検出失敗又は入れ子\r\n", begin_line);
        begin_line = cur_line;
    } else if (starts("END_")) {
        if (check_begin_end(cur_token) != 0)
            code_line("%s(%d):BEGIN_XXX...END_XXX文の対応が取れていません、BEGIN_XXX文の検出失敗又は入れ子\r\n", cur_line);
        begin_line = -1;
    }
    if (is("if")) return file_scope_if();
    if (prev_class_depth > 0 && class_depth == 0) static_old_line = static_line;
    prev_class_depth = class_depth;
    static_line = cur_line;
    copy_bounded(static_cmd, sizeof static_cmd, cur_token);
    const int start = stmt_line();
    if (lang_mode == lang_java && is("static")) {
        reader_state state;
        save_reader_state_to(&state);
        if (rd("E203") < 0) return -1;
        if (is("{")) return skip_group("{") == 0 ? 1 : report_eof("E203");
        load_reader_state_from(&state);
    }
    if (lang_mode != lang_java) {
        if (is("template")) {
            reader_state state;
            save_reader_state_to(&state);
            if (rd("E203") < 0) return -1;
            if (is("<")) {
                if (rd("E203") < 0) return -1;
                if (is(">")) {
                    if (rd("E203") < 0) return -1;
                } else {
                    load_reader_state_from(&state);
                }
            } else {
                load_reader_state_from(&state);
            }
        }
        if (is("extern")) {
            const int r = parse_extern();
            if (r != -2) return r;
        }
        if (is("EXTERN_C")) {
            reader_state state;
            save_reader_state_to(&state);
            if (rd("E203") < 0) return -1;
            if (is("{")) return skip_group("{") == 0 ? 1 : report_eof("E203");
            load_reader_state_from(&state);
        }
        if (is_word6(cur_token)) {
            // a type word before a parenthesised declarator
            reader_state state;
            save_reader_state_to(&state);
            if (rd("E203") < 0) return -1;
            if (is("*") && rd("E203") < 0) return -1;
            if (is("(")) {
                if (skip_and_read("(", "E203") < 0) return -1;
            } else {
                load_reader_state_from(&state);
            }
        }
        if (is("typedef")) {
            if (rd("E203") < 0) return -1;
            if (is("[") && skip_and_read("[", "E203") < 0) return -1;
            if (is("DECLSPEC_UUID") || is("SQLOLE_HELPID")) {
                if (rd("E203") < 0) return -1;
                if (is("(") && skip_and_read("(", "E203") < 0) return -1;
            }
            if (is("struct") || is("union")) return parse_class(start, true);
        }
    }
    const int lead = leading_words(start);
    if (lead != -2) return lead;
    if (is("namespace")) return parse_namespace(start);
    if (is("template")) {
        if (rd("E203") < 0) return -1;
        if (is("<") && skip_and_read("<", "E203") < 0) return -1;
    }
    if (is("enum")) return parse_enum(start);
    if (is("class") || is("interface") || is("struct") || is("union")) {
        const int r = parse_class(start, false);
        if (r != 0) return r;
    }
    return statement_scan(start);
}

namespace {

// Builds the special-form name "(words)" of a parenthesised declarator
// and reports it; the current token is its "(".
int special_form(char *name, size_t size, int start)
{
    copy_bounded(name, size, "(");
    bool has_operator = false;
    bool has_star = false;
    bool first = true;
    if (rd("E2001") < 0) return -1;
    while (!is(")")) {
        has_operator = has_operator || is("operator");
        has_star = has_star || is("*");
        const size_t len = strlen(name);
        format_text(name + len, size - len, "%s%s", first ? "" : " ", cur_token);
        first = false;
        if (rd("E2001") < 0) return -1;
    }
    const size_t len = strlen(name);
    copy_bounded(name + len, size - len, ")");
    if (has_operator) code_line("%s(%d):特殊構文 xxx (operator func)(...) { を検出しました\r\n", start);
    else if (has_star) code_line("%s(%d):特殊構文 xxx (__cdecl * __cdecl func..)(...) { を検出しました\r\n", start);
    else code_line("%s(%d):特殊構文 xxx ([__cdecl] func)(...) { を検出しました\r\n", start);
    return rd("E2001");
}

void write_head_line(int slot, const char *name, int start)
{
    if (tag_fp == nullptr) return;
    fprintf(tag_fp, "%s %ld ", cur_file, (long)start);
    if (slot == 0 && !any_anonymous_level()) fprintf(tag_fp, "%s%s()", name, quote_prefix(class_depth));
    else fprintf(tag_fp, "%s↑()", name);
}

// After the parameter list, up to the body's "{" or a ";".
int head_tail()
{
    for (;;) {
        if (rd("E2061") < 0) return -1;
        if (is("{") || is(";")) return 0;
        if (is(":")) {
            while (!is("{")) {
                if (rd("E2061") < 0) return -1;
                if (is("(") && skip_group("(") != 0) return report_eof("E2061");
            }
            return 0;
        }
        if (is("(") && skip_group("(") != 0) return report_eof("E2061");
    }
}

}  // namespace

namespace {

bool flow_request() { return !opt_i && !opt_r && (flow_start_line == -1 || flow_start_line == 0); }

}  // namespace

int parse_func_head(int *head, int slot)
{
    while (is("[")) {
        if (skip_and_read("[", "E2001") < 0) return -1;
    }
    const int start = stmt_line();
    func_line[slot] = start;
    head_static = 0;
    char name[func_name_size] = "";
    for (;;) {
        if (is("static")) head_static = 1;
        if (is("template")) {
            if (rd("E2001") < 0) return -1;
            if (is("<") && skip_and_read("<", "E2001") < 0) return -1;
            continue;
        }
        if (is("__declspec") || is_word3(cur_token)) {
            if (rd("E2001") < 0) return -1;
            if (is("(") && skip_and_read("(", "E2001") < 0) return -1;
            continue;
        }
        if (is("(")) {
            if (name[0] != '\0' && !is_word0(name) && !is_word6(name)) break;
            reader_state state;
            save_reader_state_to(&state);
            if (skip_group("(") != 0) return report_eof("E2001");
            if (rd("E2001") < 0) return -1;
            const bool declarator = is("(");
            load_reader_state_from(&state);
            if (!declarator && name[0] != '\0') break;
            if (special_form(name, sizeof name, start) < 0) return -1;
            break;
        }
        if (is("operator")) {
            copy_bounded(name, sizeof name, cur_token);
            if (rd("E2001") < 0) return -1;
            if (is("(")) {
                copy_bounded(name + strlen(name), sizeof name - strlen(name), "()");
                if (rd("E2001") < 0) return -1;  // ")"
                if (rd("E2001") < 0) return -1;
            }
            while (!is("(")) {
                copy_bounded(name + strlen(name), sizeof name - strlen(name), cur_token);
                if (rd("E2001") < 0) return -1;
            }
            break;
        }
        if (is_word7(cur_token)) {
            if (rd("E2001") < 0) return -1;
            if (is("(")) {
                if (collect_group("(", name) != 0) return report_eof("E2001");
                if (rd("E2001") < 0) return -1;
            }
            break;
        }
        if (!is("extern") && !is("__inline") && !is("static") && !is_word0(cur_token)) {
            copy_bounded(name, sizeof name, cur_token);
        }
        if (rd("E2001") < 0) return -1;
    }
    int first = -1;
    if (flow_request()) {
        first = get_cb(4, tpl_head, -1, head);
        cbp[first]->sline = cbp[first + 1]->sline = start;
    }
    if (opt_r && !ref_down && search_key.tokens.count == 1 && cmp_unquoted(name, search_key.text) == 0 &&
        cur_line >= 0 && cur_line <= line_count && strcmp(line_mark[cur_line], "●") == 0)
        set_line_mark(cur_line, "◎");
    copy_bounded(func_name[slot], sizeof func_name[slot], name);
    write_head_line(slot, name, start);
    collect_param_names();
    const int r = head_tail();
    if (tag_fp != nullptr) fputs("\n", tag_fp);
    if (first >= 0) cbp[first + 1]->eline = cur_line;
    return r;
}

int reset_begin_end()
{
    begin_num = 0;
    return 0;
}

int begin_count() { return begin_num; }

int check_begin_end(const char *token)
{
    if (strncmp(token, "BEGIN_", 6) == 0) {
        const char *x = token + 6;
        for (int i = 0; i < begin_num; ++i) {
            if (strcmp(begin_stack[i], x) == 0) return 1;
        }
        if (begin_num >= begin_cap) return 1;
        copy_bounded(begin_stack[begin_num++], define_name_size, x);
        return 0;
    }
    if (strncmp(token, "END_", 4) == 0) {
        char x[define_name_size];
        copy_bounded(x, sizeof x, token + 4);
        if (ends_with(x, "_STATIC")) x[strlen(x) - 7] = '\0';
        if (begin_num > 0 && strcmp(begin_stack[begin_num - 1], x) == 0) {
            --begin_num;
            return 0;
        }
        return 1;
    }
    if (strcmp(token, "F") == 0) return begin_num > 0;
    return 1;
}

int is_decl_list()
{
    reader_state state;
    save_reader_state_to(&state);
    int result = 0;
    for (;;) {
        if (is(";")) {
            result = 1;
            break;
        }
        if (!(is("*") || is(",") || is("[") || is("]") || char_class_of(cur_token[0]) == 0)) break;
        if (read_on() < 0) break;
    }
    load_reader_state_from(&state);
    return result;
}

bool any_anonymous_level()
{
    for (int i = 1; i <= class_depth; ++i) {
        if (class_stack[i].anon_no >= 0) return true;
    }
    return false;
}

const char *quote_prefix(int n)
{
    static char text[101];
    if (n < 0) n = 0;
    if (n > 100) n = 100;
    memset(text, '\'', (size_t)n);
    text[n] = '\0';
    return text;
}

const char *colon_prefix(int n)
{
    static char text[101];
    if (n < 0) return "?";
    if (n > 100) n = 100;
    memset(text, ':', (size_t)n);
    text[n] = '\0';
    return text;
}

namespace {

// The next token that is not a comment: 1, or -1 at the end of the input.
int next_word_token()
{
    int r;
    do {
        r = next_token();
    } while (r != -1 && is_comment_token());
    return r;
}

// Steps over a "<...>" group whose "<" is the current token: 1, or -1 at
// the end of the input (the next token after the group is current).
int skip_angles()
{
    int depth = 1;
    while (depth > 0) {
        if (next_word_token() < 0) return -1;
        if (is("<")) ++depth;
        else if (is(">")) --depth;
        else if (is(">>")) depth -= 2;
    }
    return next_word_token();
}

bool is_access_word() { return is("public") || is("protected") || is("private") || is("virtual"); }

}  // namespace

int find_extends(int line, char *name, size_t size)
{
    if (line_count < 1) return extends_empty;
    char cls[class_name_size];
    copy_bounded(cls, sizeof cls, name);
    restore_defines();
    set_source_lines(line_count);
    cur_line = last_token_line = prev_token_line = 1;
    do {
        if (next_word_token() < 0) return extends_no_line;
    } while (last_token_line < line);
    while (!is(cls)) {
        if (next_word_token() < 0) return extends_no_class;
    }
    if (next_word_token() < 0) return extends_end_after_name;
    if (is("<") && skip_angles() < 0) return extends_end_in_params;
    if (!is("extends") && !is(":")) return extends_not_extends;
    if (next_word_token() < 0) return extends_end_after_extends;
    while (is_access_word()) {
        if (next_word_token() < 0) return extends_end_after_access;
    }
    char base[class_name_size];
    copy_bounded(base, sizeof base, cur_token);
    for (;;) {
        if (next_word_token() < 0) return extends_end_in_name;
        if (!is(".") && !is("::")) break;
        if (next_word_token() < 0) return extends_end_in_name;
        copy_bounded(base, sizeof base, cur_token);
    }
    if (is("<") && skip_angles() < 0) return extends_end_in_base_params;
    while (!is("{")) {
        if (next_word_token() < 0) return extends_no_body;
    }
    copy_bounded(name, size, base);
    return 0;
}

int load_for_walk(const char *file)
{
    extern_depth = 0;
    class_depth = 0;
    begin_line = -1;
    reset_begin_end();
    func_line[0] = -1;
    prev_class_depth = -1;
    int count = 0;
    if (load_source(file, &count) == 0) return 0;
    restore_defines();
    set_source_lines(count);
    clear_line_class();
    cur_line = last_token_line = prev_token_line = 1;
    return 1;
}
