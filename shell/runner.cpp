// The in-process command runner (see runner.h).
#include "shell/runner.h"

#include <cstdlib>
#include <cstring>

#include "shell/codeout.h"
#include "shell/dirs.h"
#include "shell/lbuf.h"
#include "shell/text.h"

void *(*argv_realloc)(void *block, size_t size) = realloc;

namespace {

bool running;

struct arg_list {
    int capacity = 0;
    int argc = 0;
    char **argv = nullptr;
    bool failed = false;
};

// Appends a copy of text (with "%c:" before it when slot is not 0) to argv.
void append(arg_list &args, const char *text, int slot)
{
    if (args.failed) return;
    if (grow_argv(&args.capacity, &args.argc, &args.argv) != 0) {
        args.failed = true;
        return;
    }
    const size_t len = strlen(text) + (slot != 0 ? 3 : 1);
    char *copy = static_cast<char *>(area_alloc(0, len));
    if (copy == nullptr) return;  // a name the area refuses is skipped
    if (slot != 0) format_text(copy, len, "%c:%s", slot, text);
    else copy_bounded(copy, len, text);
    args.argv[args.argc++] = copy;
    args.argv[args.argc] = nullptr;
}

// Expands the pattern in the current directory; every match goes to the
// sink (slot 0: the bare name).  Stops early when the sink says so.
template <typename Sink>
void expand_here(const char *pattern, int slot, Sink sink)
{
    set_file_patterns(pattern);
    char name[dir_path_size];
    while (next_file(name, sizeof name) == 0) {
        if (!sink(name, slot)) break;
    }
}

void back_to_slot0()
{
    char folder[dir_path_size];
    if (get_proj_dir(folder, 0)) change_dir(folder);
}

// Walks a word over the slots: sink(name, slot character or 0).
template <typename Sink>
void expand_word(const char *word, bool skip_last, Sink sink)
{
    char folder[dir_path_size];
    if (!has_several_dirs()) {
        expand_here(word, 0, sink);
        return;
    }
    if (has_dir_prefix(word)) {
        const int c = word[0];
        if (c != '0' && get_proj_dir(folder, dir_index(c)) && change_dir(folder) != 0) {
            back_to_slot0();
            return;  // a slot that cannot be entered adds nothing
        }
        expand_here(word + 2, c, sink);
        if (c != '0') back_to_slot0();
        return;
    }
    for (int n = 0; skip_last ? get_proj_dir_if_more(folder, n) : get_proj_dir(folder, n); ++n) {
        if (n > 0 && change_dir(folder) != 0) continue;
        expand_here(word, dir_char(n), sink);
    }
    back_to_slot0();
}

bool is_word_end(char c) { return c == ' ' || c == '\t' || c == '\0' || c == '\n'; }

}  // namespace

int grow_argv(int *capacity, int *argc, char ***argv)
{
    if (*capacity > 0 && *argc + 1 < *capacity) return 0;
    const int wanted = *capacity + 50;
    void *grown = argv_realloc(*argv, static_cast<size_t>(wanted) * sizeof(char *));
    if (grown == nullptr) return -1;
    *argv = static_cast<char **>(grown);
    *capacity = wanted;
    return 0;
}

int run_command(char *command, command_main main)
{
    if (running) return -1;
    running = true;
    arg_list args;
    char *p = command;
    bool first = true;
    while (!args.failed) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0' || *p == '\n') break;
        char *word = p;
        while (!is_word_end(*p)) ++p;
        const bool last = *p == '\0' || *p == '\n';
        *p = '\0';
        if (first || word[0] == '-') {
            append(args, word, 0);
        } else {
            expand_word(word, true, [&args](const char *name, int slot) {
                if (args.argc >= run_arg_cap) return false;
                append(args, name, slot);
                return !args.failed;
            });
        }
        first = false;
        if (last) break;
        ++p;
    }
    int result = -1;
    if (args.failed) code_print("argv用のメモリが確保出来ません\n");
    else if (args.argv != nullptr) result = main(args.argc, args.argv);
    area_free(0);
    free(args.argv);
    running = false;
    return result;
}

int for_each_file(file_callback callback, void *ctx, int arg, const char *pattern, int arg2)
{
    expand_word(pattern, false, [&](const char *name, int slot) {
        char full[dir_path_size + 3];
        if (slot != 0) format_text(full, sizeof full, "%c:%s", slot, name);
        else copy_bounded(full, sizeof full, name);
        callback(ctx, arg, full, arg2);
        return true;
    });
    return 0;
}
