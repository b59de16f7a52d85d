// The target display of the X/Motif sources ("xdisplay.dat": the target's
// size, the designer screen's size and the margins) and the display strings
// of "xstring.dat": rows of a class letter, "<" or ">" and a text, which
// name the Motif types, functions and resources the generated text uses and
// classify structure members and link relations.
#ifndef VOK_GENERATORS_XDISPLAY_H
#define VOK_GENERATORS_XDISPLAY_H

const int xstring_max = 100;   // rows kept; later lines are skipped
const int xstring_size = 101;  // a row: at most 100 bytes, the rest of a longer line dropped

// W, H: the target display; screen_w, screen_h: the designer's screen when
// "W:" and "H:" were read; S, T: the width and height margins.  1 at start.
extern int xdisp_w, xdisp_h, xdisp_screen_w, xdisp_screen_h, xdisp_s, xdisp_t;
extern char xstring_tbl[xstring_max][xstring_size];
extern int xstring_num;

// Reads "xdisplay.dat": 0, or 1 when it is missing (the values stay).
int read_xdisplay();
// Reads "xstring.dat" from an empty table: 0, or 1 when it is missing.
int read_xstring();
// The text of the first row of class c, "???" when none.
const char *xstring_text(char c);
// 1 when name equals the text of a row of class c.
int xstring_is(char c, const char *name);
// 1 when name begins ("<") or ends (">") with the text of a row of class c.
int xstring_matches(char c, const char *name);

// The display values back to 1 and the table emptied.
void xdisplay_reset();

#endif
