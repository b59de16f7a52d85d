// TRACE and ITRACE: a format text applied to up to ten real values, or to the
// texts of up to ten complex values, printed as one line through the output hook.
#include <string>
#include <vector>

#include "calc/calc_tables.h"
#include "shell/sjis.h"

namespace {

const int trace_max_values = 10;

// Reads the format as printf will: every "%" not part of "%%" starts a
// conversion of flags, at most four width digits, a precision of at most
// three digits and one of the letters given. Stores where each conversion
// ends. Returns the count, or -1 for a text printf must not see.
int scan_format(const char *text, const char *letters, const char **ends, int max)
{
    int n = 0;
    for (const char *p = text; *p != '\0'; ++p) {
        if (is_kanji1(static_cast<unsigned char>(*p))) {
            if (p[1] == '\0') return -1;
            ++p;
            continue;
        }
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        ++p;
        while (*p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '0') ++p;
        for (int d = 0; *p >= '0' && *p <= '9'; ++p) {
            if (++d > 4) return -1;
        }
        if (*p == '.') {
            ++p;
            for (int d = 0; *p >= '0' && *p <= '9'; ++p) {
                if (++d > 3) return -1;
            }
        }
        if (*p == '\0') return -1;
        bool known = false;
        for (const char *l = letters; *l != '\0'; ++l) known = known || *l == *p;
        if (!known || n >= max) return -1;
        ends[n++] = p + 1;
    }
    return n;
}

// The text of a format without conversions, "%%" printed as "%".
std::string plain_text(const char *text)
{
    std::string out;
    for (const char *p = text; *p != '\0'; ++p) {
        out += *p;
        if (*p == '%' && p[1] == '%') ++p;
    }
    return out;
}

// One piece of the format (text up to and with one conversion, or to the
// end for the last) applied to a value, measured first.
std::string double_piece(const std::string &piece, double x)
{
    // Width and precision are at most 9999 and 999 digits; a double's
    // integer part has at most 309.
    std::vector<char> buf(piece.size() + 11000);
    fmt_double(buf.data(), buf.size(), piece.c_str(), x);
    return buf.data();
}

std::string text_piece(const std::string &piece, const char *text)
{
    const int n = snprintf(nullptr, 0, piece.c_str(), text);
    if (n < 0) return std::string();
    std::vector<char> buf(static_cast<size_t>(n) + 1);
    snprintf(buf.data(), buf.size(), piece.c_str(), text);
    return buf.data();
}

// Checks the statement; returns the format with its conversion ends, or null
// after the message the check gives (code: 'F' once per node, 'G' each time).
const char *checked_format(int node, char code, const char *letters, const char **ends)
{
    const int n = nd(node).nchild;
    const char *word = code == 'F' ? "TRACE" : "ITRACE";
    if (n < 1 || n > trace_max_values + 1) {
        if (code == 'G') {
            calc_printf("G221 行番号(%d) カラム位置(%d)のITRACE文に誤りがあります\r\n", node_line(node), node_column(node));
        } else if (warn_once(node)) {
            calc_printf("F221 行番号(%d) カラム位置(%d)のTRACE文の引数に誤りがあります、最大10個です\r\n",
                        node_line(node), node_column(node));
        }
        return nullptr;
    }
    const int f = kid(node, 0);
    const char *text = string_of(f);
    const int count = text != nullptr ? scan_format(text, letters, ends, trace_max_values) : -1;
    if (text != nullptr && count == n - 1) return text;
    const char *num = text == nullptr ? "222" : "223";
    if (code == 'G' || !nd(f).warn) {
        if (code == 'F') nd(f).warn = 1;
        calc_printf("%c%s 行番号(%d) カラム位置(%d)の%s文に誤りがあります\r\n", code, num, node_line(node),
                    node_column(node), word);
    }
    return nullptr;
}

std::string piece_of(const char *text, const char *const *ends, int k, int n)
{
    const char *from = k == 0 ? text : ends[k - 1];
    return k == n - 1 ? std::string(from) : std::string(from, ends[k]);
}

void print_line(std::string line)
{
    line += "\r\n";
    calc_out(line.c_str());
}

}  // namespace

int exec_trace(int node, int depth)
{
    const char *ends[trace_max_values];
    const char *text = checked_format(node, 'F', "fFeEgG", ends);
    if (text == nullptr) return 0;
    const int n = nd(node).nchild - 1;
    double values[trace_max_values];
    for (int k = 0; k < n; ++k) values[k] = eval_node(kid(node, k + 1), depth);
    if (n == 0) {
        print_line(plain_text(text));
        return 0;
    }
    std::string line;
    for (int k = 0; k < n; ++k) line += double_piece(piece_of(text, ends, k, n), values[k]);
    print_line(line);
    return 0;
}

int exec_itrace(int node, int /*depth*/)
{
    const char *ends[trace_max_values];
    const char *text = checked_format(node, 'G', "s", ends);
    if (text == nullptr) return 0;
    const int n = nd(node).nchild - 1;
    std::vector<std::string> texts;
    for (int k = 0; k < n; ++k) {
        const int child = kid(node, k + 1);
        const int row = eval_typed(child);
        std::vector<char> buf(calc_complex_size);
        if (row < 0) {
            const int var = var_of_node(child);
            snprintf(buf.data(), buf.size(), "err(%s)", var_row_name(var));
        } else {
            complex_text(buf.data(), work_comp(row, 0, 0), work_comp(row, 0, 1));
            work_free(row);
        }
        texts.emplace_back(buf.data());
    }
    if (n == 0) {
        print_line(plain_text(text));
        return 0;
    }
    std::string line;
    for (int k = 0; k < n; ++k) line += text_piece(piece_of(text, ends, k, n), texts[static_cast<size_t>(k)].c_str());
    print_line(line);
    return 0;
}
