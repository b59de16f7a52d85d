// The Shift-JIS lead-byte test.
#include "forms/kanji.h"

int is_kanji1(int byte)
{
    const unsigned c = static_cast<unsigned char>(byte);
    return (c >= 0x80 && c <= 0xA0) || c >= 0xE0 ? 1 : 0;
}
