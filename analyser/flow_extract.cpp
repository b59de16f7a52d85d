// Flow extraction: the statements of one function body become flow-node
// records.  parse_block and parse_statement call each other for nested
// bodies; every flow keyword has its handler.  Goto labels are collected in
// a list that the layout resolves after the body is read.
#include "analyser/flow_extract.h"

#include <cstdlib>
#include <cstring>

#include "analyser/anal_inputs.h"
#include "analyser/body_scan.h"
#include "analyser/failures.h"
#include "analyser/flow_nodes.h"
#include "analyser/lexer.h"
#include "analyser/options.h"
#include "analyser/preproc.h"
#include "analyser/range_labels.h"
#include "analyser/source_load.h"
#include "analyser/startup_tables.h"
#include "analyser/wordattr.h"
#include "shell/text.h"
#include "shell/trace_log.h"

label_rec *label_list;

namespace {

char pending_labels[pending_label_cap][pending_label_size];
int pending_count;
int pending_line;
int nesting;  // open block and statement-body levels

const char *const flow_keywords[] = {"break",  "continue", "do",    "for",     "goto",      "if",    "else",
                                     "return", "exit",     "abort", "switch",  "while",     "do",    "case",
                                     "try",    "catch",    "finally", "__finally", "__try", "__except",
                                     "synchronized"};

// One more level of nesting for its lifetime; too deep is failure 256.
struct nesting_level {
    nesting_level()
    {
        if (nesting >= block_nesting_cap) anal_fatal(256);
        ++nesting;
    }
    ~nesting_level() { --nesting; }
    nesting_level(const nesting_level &) = delete;
    nesting_level &operator=(const nesting_level &) = delete;
};

cb *node(int i) { return cbp[i]; }

// The next token over comments must be "(", else failure code.
void require_paren(int code)
{
    read_on();
    if (!is("(")) {
        log_printf("ERROR(%s)\n", cur_token);
        anal_fatal(code);
    }
}

void skip_to(const char *stop)
{
    while (!is(stop)) {
        if (read_on() < 0) return;
    }
}

// Reads the parenthesised group at the current "(".
void pass_group() { scan_body("(", 1); }

void put_labels_and_end(int i)
{
    write_pending_labels(i);
    node(i)->eline = cur_line;
}

// A loop body or branch at the current token, under the container x.
void statement_body(int depth, int x, int statement_depth)
{
    if (is("{")) {
        node(x)->sline = stmt_line();
        parse_block(depth + 1, x);
        node(x)->eline = cur_line;
        return;
    }
    nesting_level level;
    node(x)->sline = stmt_line();
    parse_statement(statement_depth, x);
    node(x)->eline = cur_line;
}

// Reads the next token and the body there.
void read_body(int depth, int x, int statement_depth)
{
    read_on();
    statement_body(depth, x, statement_depth);
}

// A run of n records under node; out x its container.
int make_run(int n, const cb *run, int parent, int *x)
{
    int container = -888;
    const int first = get_cb(n, run, parent, &container);
    *x = container;
    return first;
}

void for_statement(int depth, int at)
{
    log_printf("○for\n");
    node(at)->disp |= disp_break_target;
    int x;
    const int first = make_run(5, tpl_for, at, &x);
    node(first)->sline = node(first + 1)->sline = stmt_line();
    write_pending_labels(first);
    require_paren(11);
    pass_group();
    node(first)->eline = node(first + 1)->eline = cur_line;
    read_body(depth, x, depth);
}

// while, catch and synchronized: a test in parentheses, then the body.
void tested_loop(int depth, int at, const cb *run, bool labels_here)
{
    node(at)->disp |= disp_break_target;
    int x;
    const int first = make_run(4, run, at, &x);
    node(first)->sline = stmt_line();
    if (labels_here) write_pending_labels(first);
    require_paren(20);
    pass_group();
    node(first)->eline = cur_line;
    read_body(depth, x, depth + 1);
}

// try and finally: the body follows the keyword.
void plain_block(int depth, int at, const cb *run)
{
    node(at)->disp |= disp_break_target;
    int x;
    const int first = make_run(4, run, at, &x);
    node(first)->sline = stmt_line();
    read_on();
    node(first)->eline = cur_line;
    statement_body(depth, x, depth + 1);
}

void do_statement(int depth, int at)
{
    log_printf("○do\n");
    node(at)->disp |= disp_break_target;
    int x;
    const int first = make_run(4, tpl_do, at, &x);
    node(first)->sline = stmt_line();
    node(first)->eline = cur_line;
    write_pending_labels(first);
    read_body(depth, x, depth + 1);
    read_on();
    if (!is("while")) {
        log_printf("ERROR(%s)\n", cur_token);
        anal_fatal(9);
    }
    require_paren(10);
    node(first + 2)->sline = stmt_line();
    pass_group();
    node(first + 2)->eline = cur_line;
    skip_to(";");
}

// The first enclosing node with the flag bit, from at upward; -1 none.
int enclosing(int at, int bit)
{
    for (int i = at; i >= 0; i = node(i)->parent) {
        if (node(i)->disp & bit) return i;
    }
    return -1;
}

void break_statement(int at)
{
    const int target = enclosing(at, disp_break_target);
    if (target < 0) {
        write_pending_labels(at);
        skip_to(";");
        return;
    }
    int made = at;
    if (node(target)->t == kind_switch) {
        cb *c = node(at);
        c->t = kind_break;
        c->m = mode_end;
        c->n = next_by_mode;
        c->parent = target;
        c->sline = stmt_line();
    } else {
        int x;
        made = make_run(1, tpl_break, at, &x);
        cb *c = node(made);
        c->t = kind_loop_exit;
        c->m = mode_break;
        c->branch = target;
        c->sline = stmt_line();
        node(target)->t = (char)to_lower_ascii(node(target)->t);
    }
    log_printf("BBBB break; parent(%d) %d%c%c%c[%s]\n", node(made)->parent, made, node(made)->t, node(made)->m,
               node(made)->n, disp_bits_str(node(made)->disp));
    skip_to(";");
    put_labels_and_end(made);
}

void continue_statement(int at)
{
    int x;
    const int made = make_run(1, tpl_continue, at, &x);
    node(made)->sline = stmt_line();
    const int body = enclosing(at, disp_loop_body);
    if (body < 0) {
        log_printf("ERROR(%s)\n", cur_token);
        anal_fatal(99);
    }
    node(made)->parent = body + 1;
    node(made)->m = mode_action;
    skip_to(";");
    put_labels_and_end(made);
}

// goto, return, exit and abort: a record of their own under a block slot,
// written over a container.
int leaving_record(int at, const cb *run, bool keep_parent)
{
    cb *c = node(at);
    if (c->t == kind_slot) {
        int x;
        return make_run(1, run, at, &x);
    }
    const int32_t parent = c->parent;
    *c = run[0];
    if (keep_parent) c->parent = parent;
    return at;
}

void goto_statement(int at)
{
    const int made = leaving_record(at, tpl_goto, false);
    node(made)->sline = stmt_line();
    write_pending_labels(made);
    node(made)->eline = cur_line;
    read_on();
    log_printf("<goto:%s>\n", cur_token);
    use_label(made, cur_token);
    skip_to(";");
}

// return, exit( and abort(: an argument group is read for its calls.
void leaving_statement(int at, const cb *run, bool is_return)
{
    const int made = leaving_record(at, run, is_return);
    node(made)->sline = stmt_line();
    write_pending_labels(made);
    if (!is_return) node(made)->eline = cur_line;
    read_on();
    if (is("(")) pass_group();
    skip_to(";");
    if (is_return) node(made)->eline = cur_line;
}

void if_statement(int depth, int at, int labelled)
{
    log_printf("○if ");
    int x;
    int decision = make_run(5, tpl_if, at, &x);
    node(decision)->sline = stmt_line();
    write_pending_labels(decision);
    if (labelled) node(at)->disp |= disp_jump_target;
    require_paren(13);
    pass_group();
    node(decision)->eline = cur_line;
    read_body(depth, x, depth + 1);
    for (;;) {
        save_reader_state();
        if (read_on() < 0 || !is("else")) {
            restore_reader_state();
            return;
        }
        const int line = stmt_line();
        read_on();
        if (is("if")) {
            log_printf("○else if ");
            int next_x;
            const int next = make_run(5, tpl_elseif, at, &next_x);
            node(decision)->branch = next;
            node(next)->sline = line;
            require_paren(15);
            pass_group();
            node(next)->eline = cur_line;
            read_body(depth, next_x, depth + 1);
            decision = next;
            continue;
        }
        log_printf("○else\n");
        const int first = make_run(3, tpl_else, at, &x);
        node(decision)->branch = first;
        node(first)->sline = node(first)->eline = line;
        statement_body(depth, x, depth + 1);
        return;
    }
}

// One statement between the case labels of a switch.
void switch_statement_slot(int depth, int at, int *run)
{
    int x;
    const int slot = make_run(1, tpl_block, at, &x);
    node(slot)->sline = stmt_line();
    const int count = cb_num;
    parse_statement(depth, slot);
    cb *c = node(slot);
    c->eline = cur_line;
    if (cb_num != count) {
        *run = -1;
        c->branch = cb_num;
        c->m = mode_own_records;
        c->n = next_branch;
    } else if (c->m == mode_end) {
        *run = -1;
    } else if ((c->disp & disp_jump_target) || *run < 0) {
        *run = slot;
        c->m = mode_action;
    } else {
        node(*run)->eline = c->eline;
        --cb_num;
    }
}

// A case or default label: its run, linked from the previous decision.
int switch_label(int at, const cb *run, int previous, bool first_label)
{
    int x;
    const int decision = make_run(2, run, at, &x) + 1;
    node(decision)->sline = first_label ? node(at)->sline : stmt_line();
    node(decision)->eline = cur_line;
    node(previous)->branch = decision;
    return decision;
}

void switch_statement(int depth, int at)
{
    log_printf("○switch\n");
    cb *s = node(at);
    s->t = kind_switch;
    s->disp |= disp_break_target;
    int x;
    const int head = make_run(1, tpl_switch_head, at, &x);
    node(at)->sline = stmt_line();
    write_pending_labels(at);
    require_paren(18);
    pass_group();
    node(at)->eline = cur_line;
    read_on();
    if (!is("{")) {
        log_printf("ERROR(%s)\n", cur_token);
        anal_fatal(19);
    }
    int decision = head;
    int default_decision = -1;
    int run = -1;
    for (;;) {
        if (read_on() < 0) anal_eof_fatal("E601");
        if (is("}")) break;
        if (is("case") || is("default")) {
            const bool is_case = is("case");
            decision = switch_label(at, is_case ? tpl_case : tpl_default, decision, decision == head);
            run = -1;
            if (is_case) {
                read_on();
                log_printf("○d(%d)<case:%s>\n", depth, cur_token);
            } else {
                log_printf("○d(%d)<default:>\n", depth);
                default_decision = decision;
            }
            while (!is(":")) {
                if (read_on() > 0) continue;
                if (is_case) anal_fatal(201);
                log_printf("ERROR(%s)\n", cur_token);
                break;
            }
            continue;
        }
        switch_statement_slot(depth, at, &run);
    }
    if (default_decision < 0) {
        const int end = make_run(3, tpl_switch_end, at, &x);
        if (decision == head) node(end + 1)->t = kind_case;
        node(decision)->branch = end + 1;
    } else {
        node(default_decision)->m = mode_placeholder;
        node(decision)->branch = make_run(1, tpl_switch_end_default, at, &x);
    }
}

reader_state anonymous_saved;  // where the reader goes back without a class body

// Steps over a Java anonymous class at the current "new" and labels its
// lines.
void anonymous_class()
{
    if (next_name() < 0) return;
    char name[range_text_size];
    copy_bounded(name, sizeof name, cur_token);
    if (read_on() < 0) return;
    if (is("(")) {
        scan_body("(", 0);
        save_reader_state_to(&anonymous_saved);
        if (read_on() < 0) return;
    } else {
        save_reader_state_to(&anonymous_saved);
    }
    if (!is("{")) {
        load_reader_state_from(&anonymous_saved);
        return;
    }
    const int start = cur_line;
    skip_group("{");
    if (flow_anon_func_flag != 0) return;
    add_inactive_range(1);
    char text[range_text_size];
    format_text(text, sizeof text, "無名クラス(%s)", name);
    add_range_label(start, cur_line, text);
}

void other_statement(int at, int labelled)
{
    cb *c = node(at);
    if (c->t != kind_slot) {
        const int32_t sline = c->sline;
        *c = tpl_other[0];
        c->sline = sline;
        c->n = next_index;
    }
    if (labelled) {
        c->m = mode_action;
        c->disp |= disp_jump_target;
    }
    // the last token is a name whose calls the listings mark
    bool known_name = !opt_r && starts_name(cur_token) && classify_name(cur_token) != 0;
    int name_line = cur_line;
    while (!is(";")) {
        save_reader_state();
        if (next_token() == -1) return;
        if (is("{")) {
            scan_body("{", 1);
        } else if (is("new") && classify_new() == 0) {
            anonymous_class();
        } else if (is_flow_keyword(cur_token) || is("}")) {
            restore_reader_state();
            break;
        } else if (!opt_r && is("(") && known_name) {
            set_line_mark(name_line, "□");
        }
        known_name = !opt_r && starts_name(cur_token) && classify_name(cur_token) != 0;
        name_line = cur_line;
    }
    c->eline = cur_line;
}

// The statement after its labels: 1 when it was handled.
int keyword_statement(int depth, int at, int labelled)
{
    if (is("break")) break_statement(at);
    else if (is("continue")) continue_statement(at);
    else if (is("do")) do_statement(depth, at);
    else if (is("for")) for_statement(depth, at);
    else if (is("goto")) goto_statement(at);
    else if (is("if")) if_statement(depth, at, labelled);
    else if (is("return")) leaving_statement(at, tpl_return, true);
    else if (is("switch")) switch_statement(depth, at);
    else if (is("while")) {
        log_printf("○while\n");
        tested_loop(depth, at, tpl_while, true);
    } else if (is("try") || is("__try")) {
        write_pending_labels(at);
        plain_block(depth, at, tpl_try);
    } else if (is("catch") || is("__except")) {
        write_pending_labels(at);
        tested_loop(depth, at, tpl_catch, false);
    } else if (is("synchronized")) {
        write_pending_labels(at);
        tested_loop(depth, at, tpl_sync, false);
    } else if (is("finally") || is("__finally")) {
        write_pending_labels(at);
        plain_block(depth, at, tpl_finally);
    } else if (is("}")) {
        log_printf("ERROR(%s)\n", cur_token);
        label_brace_fatal(cur_line);
    } else {
        return 0;
    }
    return 1;
}

label_rec *new_label(int goto_node, int label_node, const char *name)
{
    label_rec *r = (label_rec *)malloc(sizeof(label_rec));
    const size_t size = strlen(name) + 1;
    char *copy = (char *)malloc(size);
    if (r == nullptr || copy == nullptr) {
        free(r);
        free(copy);
        anal_abort(666);
    }
    memcpy(copy, name, size);
    *r = label_rec{label_list, goto_node, label_node, -1, copy};
    label_list = r;
    return r;
}

// The end of a block: the last entry closes its run.
void close_block(int owner, int prev, int prev_count, int run)
{
    if (prev < 0) {
        cb *o = node(owner);
        if (o->t != kind_head) o->t = kind_empty_block;
        o->m = mode_placeholder;
        return;
    }
    if (prev_count == cb_num) {
        if (run >= 0) {
            node(run)->eline = node(prev)->eline;
            const int32_t parent = node(prev)->parent;
            const bool was_break = node(prev)->t == kind_break;
            --prev;
            --cb_num;
            if (was_break) node(prev)->parent = parent;
        }
        node(prev)->m = mode_action;
        node(prev)->n = next_by_mode;
    } else {
        node(prev)->branch = 0;
        node(prev)->m = mode_own_records;
        node(prev)->n = next_by_mode;
    }
    cb *p = node(prev);
    if (p->eline < cur_line - 1) p->eline = cur_line - 1;
    else if (p->eline == cur_line && prev_token_line < cur_line) p->eline = cur_line - 1;
}

}  // namespace

int is_flow_keyword(const char *word)
{
    for (const char *k : flow_keywords) {
        if (strcmp(word, k) == 0) return 1;
    }
    return 0;
}

int parse_block(int depth, int owner)
{
    nesting_level level;
    int prev = -1;
    int prev_count = -1;
    int run = -1;
    int last_line = stmt_line();
    for (;;) {
        if (next_token() == -1) anal_eof_fatal("E601");
        const bool comment = is_comment_token() != 0;
        if (comment && stmt_line() <= last_line) continue;
        if (!comment && cur_token[0] == '}') break;
        int x;
        int entry = make_run(1, tpl_block, owner, &x);
        if (prev >= 0 && prev_count == cb_num - 1) {
            node(prev)->m = mode_action;
            if (run < 0) {
                run = prev;
            } else {
                node(run)->eline = node(prev)->eline;
                *node(prev) = *node(entry);
                --cb_num;
                entry = prev;
            }
        } else if (prev >= 0) {
            cb *p = node(prev);
            p->branch = entry;
            p->m = mode_own_records;
            p->n = next_branch;
            run = -1;
        }
        prev = entry;
        prev_count = cb_num;
        if (comment) {
            node(entry)->sline = stmt_line();
            node(entry)->eline = cur_line;
        } else {
            if (run >= 0) node(run)->eline = prev_token_line;
            node(entry)->sline = stmt_line();
            parse_statement(depth, entry);
            node(entry)->eline = cur_line;
        }
        last_line = cur_line;
        if (node(entry)->disp & disp_jump_target) run = -1;
    }
    close_block(owner, prev, prev_count, run);
    return 0;
}

int parse_statement(int depth, int at)
{
    const int line = stmt_line();
    int labelled = 0;
    for (;;) {
        if (is("{")) {
            node(at)->sline = line;
            parse_block(depth + 1, at);
            node(at)->eline = cur_line;
            return 0;
        }
        if (keyword_statement(depth, at, labelled)) return 0;
        save_reader_state();
        if (!starts_name(cur_token)) {
            restore_reader_state();
            write_pending_labels(at);
            other_statement(at, labelled);
            return 0;
        }
        if (read_on() < 0) return 0;
        if (!is(":")) {
            restore_reader_state();
            if (is("exit")) {
                leaving_statement(at, tpl_exit, false);
            } else if (is("abort")) {
                leaving_statement(at, tpl_abort, false);
            } else {
                log_printf("＆d(%d) その他:%s", depth, cur_token);
                write_pending_labels(at);
                other_statement(at, labelled);
            }
            return 0;
        }
        labelled = 1;
        restore_reader_state();
        log_printf("＆d(%d) ラベル:%s\n", depth, cur_token);
        add_pending_label(cur_token, line);
        read_on();
        read_on();
    }
}

int add_pending_label(const char *name, int line)
{
    if (pending_count == 0) pending_line = line;
    if (pending_count < pending_label_cap) copy_bounded(pending_labels[pending_count++], pending_label_size, name);
    return 0;
}

int write_pending_labels(int at)
{
    if (pending_count == 0) return 0;
    node(at)->sline = pending_line;
    for (int i = 0; i < pending_count; ++i) write_label(at, pending_labels[i]);
    pending_count = 0;
    return 0;
}

int write_label(int at, const char *name)
{
    label_rec *first = nullptr;
    for (label_rec **link = &label_list; *link != nullptr;) {
        label_rec *r = *link;
        if (strcmp(r->name, name) != 0) {
            link = &r->next;
            continue;
        }
        if (r->goto_node >= 0 && r->goto_node < cb_num) node(r->goto_node)->branch = at;
        if (first == nullptr) {
            first = r;
            r->label_node = at;
            r->goto_node = -1;
            link = &r->next;
            continue;
        }
        *link = r->next;
        free(r->name);
        free(r);
    }
    if (first == nullptr) new_label(-1, at, name);
    return 0;
}

int use_label(int goto_node, const char *name)
{
    for (label_rec *r = label_list; r != nullptr; r = r->next) {
        if (r->label_node >= 0 && strcmp(r->name, name) == 0) {
            node(goto_node)->branch = r->label_node;
            return 0;
        }
    }
    new_label(goto_node, -1, name);
    return 0;
}

int free_labels()
{
    while (label_list != nullptr) {
        label_rec *next = label_list->next;
        free(label_list->name);
        free(label_list);
        label_list = next;
    }
    pending_count = 0;
    nesting = 0;
    return 0;
}
