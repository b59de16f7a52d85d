// Key tokens, key matching and the word helpers of the listings.
#include "analyser/search_keys.h"

#include <cstring>

#include "analyser/anal_host.h"
#include "analyser/anal_inputs.h"
#include "analyser/body_scan.h"
#include "analyser/lexer.h"
#include "analyser/preproc.h"
#include "analyser/startup_tables.h"
#include "shell/sjis.h"
#include "shell/text.h"

search_key_rec search_key;
multi_key_rec multi_keys[multi_key_cap];
int multi_key_num;
const char *matched_key_text = "";

namespace {

char words[key_token_cap][key_token_size];
int word_num;

void add_token(key_tokens *rows, const char *start, size_t len)
{
    if (rows->count >= key_token_cap) return;
    copy_span(rows->token[rows->count], key_token_size, start, len);
    ++rows->count;
}

bool is_op(int c) { return c != '\0' && char_class_of(c) == 3; }

// One key token from p; the position after it, or null when the key ends.
const char *key_token(key_tokens *rows, const char *p)
{
    const int c = (unsigned char)*p;
    if (c == '@') return p + 1;
    if (chr_in_str(c, ".,;?*") || char_class_of(c) == 1) {
        add_token(rows, p, 1);
        return p + 1;
    }
    if (strncmp(p, "<<=", 3) == 0 || strncmp(p, ">>=", 3) == 0) {
        add_token(rows, p, 3);
        return p + 3;
    }
    if (c == '=' && is_op((unsigned char)p[1]) && p[1] != '=') {
        add_token(rows, p, 1);
        return p + 1;
    }
    if (is_op(c)) {
        const int next = (unsigned char)p[1];
        const size_t len = !is_op(next) || next == '*' ? 1 : 2;
        add_token(rows, p, len);
        return p + len;
    }
    if (c == '"' || c == '\'') {
        const char *q = p + 1;
        while (*q != '\0' && *q != c) q += (*q == '\\' && q[1] != '\0') ? 2 : 1;
        if (*q == c) ++q;
        add_token(rows, p, (size_t)(q - p));
        return q;
    }
    if (char_class_of(c) != 0) {
        add_token(rows, "?", 1);
        return nullptr;
    }
    const char *q = p;
    while (*q != '\0' && *q != '@' && char_class_of((unsigned char)*q) == 0) {
        q += is_sjis_lead((unsigned char)*q) && q[1] != '\0' ? 2 : 1;  // a trail byte may look like a bracket
    }
    add_token(rows, p, (size_t)(q - p));
    return q;
}

bool key_token_equal(const char *key, const char *token)
{
    if (key[0] != '"' || token[0] != '"') return key[0] != '"' && token[0] != '"' && strcmp(key, token) == 0;
    for (;; ++key, ++token) {
        const bool blank_key = *key == ' ' || *key == '@';
        const bool blank_token = *token == ' ' || *token == '@';
        if (blank_key && blank_token) continue;
        if (*key != *token) return false;
        if (*key == '\0') return true;
        if (is_sjis_lead((unsigned char)*key)) {
            ++key;
            ++token;
            if (*key != *token) return false;
            if (*key == '\0') return true;
        }
    }
}

bool is_identifier(const char *t)
{
    if (!((t[0] >= 'a' && t[0] <= 'z') || (t[0] >= 'A' && t[0] <= 'Z') || t[0] == '_')) return false;
    for (; *t != '\0'; ++t) {
        if (!((*t >= 'a' && *t <= 'z') || (*t >= 'A' && *t <= 'Z') || (*t >= '0' && *t <= '9') || *t == '_'))
            return false;
    }
    return true;
}

// The next token after comments: 1, 3 at the end in next_token, 2 in skip_comments.
int step()
{
    if (next_token() == -1) return 3;
    return skip_comments() < 0 ? 2 : 1;
}

int match_one_token(const key_tokens &key)
{
    if (!key_token_equal(key.token[0], cur_token)) return 1;
    const int r = step();
    if (r != 1) return 0;
    if (strcmp(cur_token, "::") == 0) return 1;
    if (strcmp(cur_token, "(") == 0 && tree_extract && is_identifier(key.token[0])) return 1;
    return 0;
}

int match_tokens(const key_tokens &key)
{
    int k = 0;
    for (;;) {
        if (strcmp(key.token[k], "*") != 0) {
            if (!key_token_equal(key.token[k], cur_token)) return 1;
            if (++k >= key.count) return 0;
        } else {
            if (k + 1 >= key.count) return 0;
            if (key_token_equal(key.token[k + 1], cur_token)) {
                k += 2;
                if (k >= key.count) return 0;
            } else if (chr_in_str((unsigned char)cur_token[0], ";{})]") && cur_token[0] != '\0') {
                return 1;
            } else if (cur_token[0] == '(' || cur_token[0] == '[') {
                if (skip_group(cur_token[0] == '(' ? "(" : "[") != 0) return 3;
            }
        }
        const int r = step();
        if (r != 1) return r;
    }
}

int match_one_key(const key_tokens &key)
{
    if (key.count == 0) return 1;
    reader_state state;
    save_reader_state_to(&state);
    const int r = key.count == 1 ? match_one_token(key) : match_tokens(key);
    load_reader_state_from(&state);
    return r;
}

}  // namespace

int tokenize_key(key_tokens *rows, const char *text)
{
    rows->count = 0;
    const char *p = text;
    while (p != nullptr && *p != '\0' && rows->count < key_token_cap) p = key_token(rows, p);
    return 0;
}

int set_search_key(const char *text)
{
    copy_bounded(search_key.text, sizeof search_key.text, text);
    return tokenize_key(&search_key.tokens, text);
}

int add_multi_key(const char *text)
{
    if (multi_key_num >= multi_key_cap) return 1;
    multi_key_rec &key = multi_keys[multi_key_num++];
    copy_bounded(key.display, sizeof key.display, text);
    copy_bounded(key.text, sizeof key.text, text);
    blanks_to_at(key.text);
    tokenize_key(&key.tokens, key.text);
    return 0;
}

int clear_multi_keys()
{
    multi_key_num = 0;
    return 0;
}

int multi_key_active() { return multi_key_num > 0; }

int list_multi_keys(win_handle window)
{
    char text[512];
    format_text(text, sizeof text, "----- %d 件 -----\r\n", multi_key_num);
    window_text_append(window, text);
    for (int i = 0; i < multi_key_num; ++i) {
        format_text(text, sizeof text, "%s\r\n", multi_keys[i].display);
        window_text_append(window, text);
        for (int k = 0; k < multi_keys[i].tokens.count; ++k) {
            format_text(text, sizeof text, "[%3d]→(%s)\r\n", k, multi_keys[i].tokens.token[k]);
            window_text_append(window, text);
        }
    }
    return 0;
}

int match_key()
{
    if (multi_key_num == 0) {
        matched_key_text = search_key.text;
        return match_one_key(search_key.tokens);
    }
    int r = 1;
    for (int i = 0; i < multi_key_num; ++i) {
        r = match_one_key(multi_keys[i].tokens);
        if (r == 0) {
            matched_key_text = multi_keys[i].text;
            return 0;
        }
    }
    return r;
}

int is_key_name(const char *name)
{
    int r = 1;
    if (multi_key_num > 0) {
        for (int i = 0; i < multi_key_num; ++i) {
            r = strcmp(name, multi_keys[i].text);
            if (r == 0) return 0;
        }
        return r;
    }
    return strcmp(name, search_key.text);
}

int is_operator_text(const char *text)
{
    for (const char *p = text; *p != '\0'; ++p) {
        if (!chr_in_str((unsigned char)*p, "+-*/= @#.\t\n")) return 0;
    }
    return 1;
}

int split_words(const char *text)
{
    word_num = 0;
    const char *p = text;
    while (word_num < key_token_cap) {
        while (*p == ' ' || *p == '\t') ++p;
        if (*p == '\0') break;
        const size_t len = strcspn(p, " \t");
        copy_span(words[word_num], key_token_size, p, len);
        ++word_num;
        p += len;
    }
    return word_num;
}

int match_file_patterns(const char *text)
{
    if (word_num == 0) return 1;
    for (int i = 0; i < word_num; ++i) {
        if (has_substring(text, words[i]) != 0) return 1;
    }
    return 0;
}

int has_substring(const char *text, const char *part) { return strstr(text, part) != nullptr ? 0 : 1; }

int find_text(const char *line, const char *key)
{
    if (ref_down == 2) return match_file_patterns(line);
    for (const char *start = line; *start != '\0'; ++start) {
        const char *p = start;
        const char *k = key;
        while (*k != '\0' && *p != '\0' && (*k == *p || (*k == '@' && *p == ' '))) {
            ++p;
            ++k;
        }
        if (*k == '\0') return 0;
    }
    return key[0] == '\0' ? 0 : 1;
}
