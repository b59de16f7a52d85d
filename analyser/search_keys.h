// Search keys: the single key and the multi keys as token patterns, and
// their matching at the current token without consuming it.
#ifndef VOK_ANALYSER_SEARCH_KEYS_H
#define VOK_ANALYSER_SEARCH_KEYS_H

#include "shell/host.h"

const int key_token_cap = 20;
const int key_token_size = 100;
const int multi_key_cap = 10;

struct key_tokens {
    char token[key_token_cap][key_token_size];
    int count;
};

struct search_key_rec {
    key_tokens tokens;
    char text[key_token_size * 5];
};

struct multi_key_rec {
    char display[key_token_size];
    char text[key_token_size];
    key_tokens tokens;
};

extern search_key_rec search_key;
extern multi_key_rec multi_keys[multi_key_cap];
extern int multi_key_num;
extern const char *matched_key_text;

int tokenize_key(key_tokens *rows, const char *text);
int set_search_key(const char *text);
int add_multi_key(const char *text);
int clear_multi_keys();
int multi_key_active();
int list_multi_keys(win_handle window);
// 0 a key matches at the current token, 1 none does, 2 or 3 the input ended.
int match_key();
int is_key_name(const char *name);
int is_operator_text(const char *text);
int split_words(const char *text);
int match_file_patterns(const char *text);

// Text helpers of the listings: 0 found, 1 not.  find_text: each "@" of
// the key matches a blank; with ref_down 2 the file patterns decide.
int find_text(const char *line, const char *key);
int has_substring(const char *text, const char *part);

#endif
