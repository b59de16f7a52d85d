// The lexer: cuts the preprocessor's characters into tokens in cur_token.
// Comments are tokens too ("/*..."); the parsers drop them.
#ifndef VOK_ANALYSER_LEXER_H
#define VOK_ANALYSER_LEXER_H

// 1 a token, 0 a comment token (or a lone "/"), -1 the end of the input.
int tokenize();
// tokenize, dropping the tokens of inactive lines and keeping the line
// flags and the statement-line counters.
int next_token();
int is_comment_token();
// True when the current token is exactly token.
bool is(const char *token);
// True when text begins with an ASCII letter or "_".
bool starts_name(const char *text);
// The next name, over comments, COMMMSTVEXPORT, _CRTIMP and dotted
// prefixes; -1 at the end of the input (reported).
int next_name();
int stmt_line();
const char *num_fill(int number, int n, int fill);

#endif
