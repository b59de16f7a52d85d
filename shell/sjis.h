// The Shift-JIS lead-byte test of the whole system, and its table form that
// the analyser's lexer reads.  Lead bytes are 0x80-0xA0 and 0xE0-0xFF.
#ifndef VOK_SHELL_SJIS_H
#define VOK_SHELL_SJIS_H

// 1 for a lead byte, else 0 (the byte may come as a char or as 0-255).
int is_kanji1(int byte);

// 1 at the lead bytes, filled from is_kanji1 by init_sjis_table at start-up.
extern unsigned char sjis_lead[256];

int init_sjis_table();
// The table's answer for a byte (0 until init_sjis_table has run).
int is_sjis_lead(int byte);

#endif
