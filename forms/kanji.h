// The Shift-JIS lead-byte test as the whole system makes it.
#ifndef VOK_FORMS_KANJI_H
#define VOK_FORMS_KANJI_H

// 1 for a lead byte (0x80-0xA0, 0xE0-0xFF), else 0.
int is_kanji1(int byte);

#endif
