// Fuzz target of the Shift-JIS text helpers: the first byte gives a buffer
// size, the second a span length, the rest is the text.  Bounded copies and
// formats must end inside the buffer, always terminated, as a prefix of what
// they were given that never ends between a lead byte and its follower; the
// in-place helpers and the line-name cutters must stay inside the text.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "shell/line_cut.h"
#include "shell/sjis.h"
#include "shell/text.h"

namespace {

// True when a cut at n bytes of text falls on a character boundary.
bool on_boundary(const char *text, size_t n)
{
    size_t i = 0;
    while (i < n && text[i] != '\0') i += is_kanji1(static_cast<unsigned char>(text[i])) && text[i + 1] != '\0' ? 2 : 1;
    return i == n;
}

// Aborts (a crash to the fuzzer) unless out, in a buffer of size bytes, is a
// boundary prefix of whole, and whole itself when it fits (size 0: untouched).
void check_cut(const char *out, size_t size, const std::string &whole, const char *what)
{
    if (size == 0) return;
    const size_t n = strnlen(out, size);
    const bool fits = whole.size() < size;
    if (n >= size || whole.compare(0, n, out, n) != 0 || !on_boundary(whole.c_str(), n) ||
        (fits && n != whole.size())) {
        fprintf(stderr, "fuzz_text: %s broke its bound or a character (size %zu)\n", what, size);
        abort();
    }
}

void bounded_copies(const std::string &text, size_t size, size_t span)
{
    std::vector<char> buf(size + 1, '\x7f');
    copy_bounded(buf.data(), size, text.c_str());
    check_cut(buf.data(), size, text, "copy_bounded");
    if (buf[size] != '\x7f') abort();
    copy_span(buf.data(), size, text.c_str(), span);
    const std::string head = text.substr(0, span < text.size() ? span : text.size());
    std::string expect;
    for (size_t i = 0; i < head.size();) {  // the whole characters of the span
        const size_t step = is_kanji1(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        if (i + step > head.size()) break;
        expect.append(text, i, step);
        i += step;
    }
    check_cut(buf.data(), size, expect, "copy_span");
    const int cut = format_text(buf.data(), size, "%s", text.c_str());
    check_cut(buf.data(), size, text, "format_text");
    if (size > 0 && (cut != 0) != (text.size() >= size)) abort();
    format_text(buf.data(), size, "%d:%s", static_cast<int>(span), text.c_str());
    check_cut(buf.data(), size, std::to_string(span) + ":" + text, "format_text %d:%s");
    if (buf[size] != '\x7f') abort();
}

// The helpers that rewrite a text in place, on a copy with room to spare.
void in_place(const std::string &text)
{
    std::vector<char> work(text.size() + 1);
    const auto reload = [&] { memcpy(work.data(), text.c_str(), text.size() + 1); };
    reload();
    trim_blanks(work.data());
    reload();
    trim_blanks_dash(work.data());
    reload();
    blanks_to_at(work.data());
    reload();
    cut_extension(work.data());
    reload();
    trim_dashes(work.data());
    reload();
    cut_line_prefix(work.data());
    const char *rest = nullptr;
    int second = 0;
    (void)parse_number_pair(text.c_str(), &rest, &second);
    const char *name = strip_quotes(text.c_str());
    if (strlen(name) >= line_name_size) abort();
    (void)count_tabs(text.c_str());
    (void)ends_with(text.c_str(), ".c");
    (void)has_prefix(text.c_str(), "#");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    const std::string text(reinterpret_cast<const char *>(data) + 2, size - 2);
    const std::string c_text = text.substr(0, strnlen(text.c_str(), text.size()));
    bounded_copies(c_text, data[0], data[1]);
    in_place(c_text);
    return 0;
}
