// Built-in functions on typed values: the work forms that the typed evaluator
// calls and the scalar forms of the executor, with their once-per-node messages.
#include <cmath>

#include "calc/calc_tables.h"

namespace {

int is_complex_node(int node) { return nd(node).kind != vk_plain && nd(node).kind != vk_real; }

// The variable the function's argument names, for the messages.
const char *arg_name(int node)
{
    if (nd(node).nchild < 1) return "?";
    const int var = var_of_node(kid(node, 0));
    return var >= 0 ? var_disp_name(calc_var_tab[var].letter) : op_text(kid(node, 0));
}

// "F3xx ... 変数(x)のWHATの計算不能事態が発生しました"
void var_msg(int node, const char *code, const char *what)
{
    if (!warn_once(node)) return;
    calc_printf("%s 行番号(%d) カラム位置(%d)で、変数(%s)の%sの計算不能事態が発生しました\r\n", code, node_line(node),
                node_column(node), arg_name(node), what);
}

void var_rc_msg(int node, const char *code, const char *what, int rc, int rtc)
{
    if (!warn_once(node)) return;
    calc_printf(rtc ? "%s 行番号(%d) カラム位置(%d)で、変数(%s)の%sの計算不能事態が発生しました rtc(%d)\r\n"
                    : "%s 行番号(%d) カラム位置(%d)で、変数(%s)の%sの計算不能事態が発生しました(%d)\r\n",
                code, node_line(node), node_column(node), arg_name(node), what, rc);
}

void plain_msg(int node, const char *what)
{
    if (!warn_once(node)) return;
    calc_printf("F325 行番号(%d) カラム位置(%d)で、%sの計算不能事態が発生しました\r\n", node_line(node),
                node_column(node), what);
}

// -1 without a row, -2 for a row that is not one value, else 0.
int check_arg(int row)
{
    if (!work_valid(row)) return -1;
    return work_is_1x1(row) ? 0 : -2;
}

// The argument as the node reads it; a zero imaginary part counts as +0.
void arg_value(int node, int row, double *re, double *im)
{
    *re = work_comp(row, 0, 0);
    const double i = is_complex_node(node) ? work_comp(row, 0, 1) : 0.0;
    *im = i == 0.0 ? 0.0 : i;
}

int result_row(int node, double re, double im)
{
    const int r = work_alloc(node, 2, 1, 1);
    if (r < 0) return r;
    calc_work &w = calc_work_tab[r];
    for (int k = 0; k < elem_doubles(w.kind); ++k) w.data[k] = 0.0;
    w.data[0] = re;
    if (elem_doubles(w.kind) >= 2) w.data[1] = im;
    return r;
}

int sqrt_value(int node, double re, double im, double *out_re, double *out_im)
{
    if (!is_complex_node(node)) {
        if (!(re >= 0.0)) return -3;
        *out_re = std::sqrt(re);
        *out_im = 0.0;
        return 0;
    }
    const double r = std::sqrt(re * re + im * im);
    const double g = (re + r) / 2;
    const double f = (r - re) / 2;
    if (!(g >= 0.0)) return -4;
    if (!(f >= 0.0)) return -5;
    // The larger part is taken from its own square root, the smaller from im / 2
    // over it, so that no cancellation loses digits.
    if (re >= 0.0) {
        *out_re = std::sqrt(g);
        *out_im = *out_re == 0.0 ? 0.0 : im / (2 * *out_re);
    } else {
        const double b = std::sqrt(f);
        *out_re = std::fabs(im) / (2 * b);
        *out_im = im < 0.0 ? -b : b;
    }
    return 0;
}

// Values of the node's children as components of a new row.
int components_row(int node, int n, int kind, const char *what)
{
    int rc = 0;
    if (nd(node).nchild != n) rc = -1;
    else if (nd(node).kind != kind) rc = -2;
    if (rc < 0) {
        plain_msg(node, what);
        return rc;
    }
    double v[8];
    for (int k = 0; k < n; ++k) v[k] = eval_node(kid(node, k), 0);
    const int r = result_row(node, 0.0, 0.0);
    if (r < 0) return r;
    for (int k = 0; k < n && k < elem_doubles(calc_work_tab[r].kind); ++k) calc_work_tab[r].data[k] = v[k];
    return r;
}

double hyper_norm(int node, int row)
{
    const int k = nd(node).kind;
    const int n = k == 4 || k == 5 ? 4 : k == 8 || k == 9 ? 8 : 0;
    if (n == 0 || check_arg(row) != 0) {
        var_msg(node, "F325", "NORM");
        return 0.0;
    }
    double s = 0.0;
    for (int c = 0; c < n; ++c) s += work_comp(row, 0, c) * work_comp(row, 0, c);
    return s;
}

double component(int node, int row, int k, const char *what)
{
    const int kind = nd(node).kind;
    const int n = kind == vk_quaternion || kind == vk_quaternion_leaf ? 4
                  : kind == vk_octonion || kind == vk_octonion_leaf     ? 8
                                                                        : 0;
    if (n == 0 || check_arg(row) != 0 || k < 0 || k >= n) {
        var_msg(node, "F325", what);
        return 0.0;
    }
    return work_comp(row, 0, k);
}

}  // namespace

int work_argument(int node, int row)
{
    int rc = check_arg(row);
    double re = 0.0;
    double im = 0.0;
    if (rc == 0) {
        arg_value(node, row, &re, &im);
        if (is_complex_node(node) && re == 0.0 && im == 0.0) rc = -3;
    }
    if (rc < 0) {
        var_msg(node, "F327", "ARGUMENT");
        return rc;
    }
    return result_row(node, is_complex_node(node) ? std::atan2(im, re) : 0.0, 0.0);
}

int work_real(int node, int row)
{
    const int rc = check_arg(row);
    if (rc < 0) {
        var_msg(node, "F326", "REAL");
        return rc;
    }
    return result_row(node, work_comp(row, 0, 0), 0.0);
}

int work_imaginary(int node, int row)
{
    const int rc = check_arg(row);
    if (rc < 0) {
        var_msg(node, "F325", "IMAGINARY");
        return rc;
    }
    return result_row(node, is_complex_node(node) ? work_comp(row, 0, 1) : 0.0, 0.0);
}

int work_abs(int node, int row)
{
    const int rc = check_arg(row);
    if (rc < 0) return rc;
    const double re = work_comp(row, 0, 0);
    const double im = work_comp(row, 0, 1);
    return result_row(node, calc_work_tab[row].kind == vk_real ? std::fabs(re) : std::sqrt(re * re + im * im), 0.0);
}

int work_sin(int node, int row)
{
    const int rc = check_arg(row);
    if (rc < 0) {
        var_rc_msg(node, "F324", "SIN", rc, 0);
        return rc;
    }
    double re;
    double im;
    arg_value(node, row, &re, &im);
    if (!is_complex_node(node)) return result_row(node, std::sin(re), 0.0);
    const double ep = std::exp(im);
    const double em = std::exp(-im);
    return result_row(node, std::sin(re) * (ep + em) / 2, std::cos(re) * (ep - em) / 2);
}

int work_cos(int node, int row)
{
    const int rc = check_arg(row);
    if (rc < 0) {
        var_msg(node, "F325", "COS");
        return rc;
    }
    double re;
    double im;
    arg_value(node, row, &re, &im);
    if (!is_complex_node(node)) return result_row(node, std::cos(re), 0.0);
    const double ep = std::exp(im);
    const double em = std::exp(-im);
    return result_row(node, std::cos(re) * (em + ep) / 2, std::sin(re) * (em - ep) / 2);
}

int work_sqrt(int node, int row)
{
    int rc = check_arg(row);
    double re = 0.0;
    double im = 0.0;
    double out_re = 0.0;
    double out_im = 0.0;
    if (rc == 0) {
        arg_value(node, row, &re, &im);
        rc = sqrt_value(node, re, im, &out_re, &out_im);
    }
    if (rc < 0) {
        var_rc_msg(node, "F323", "SQRT", rc, 1);
        return rc;
    }
    return result_row(node, out_re, out_im);
}

int work_exp(int node, int row)
{
    const int rc = check_arg(row);
    if (rc < 0) return rc;
    double re;
    double im;
    arg_value(node, row, &re, &im);
    if (!is_complex_node(node)) return result_row(node, std::exp(re), 0.0);
    const double m = std::exp(re);
    return result_row(node, m * std::cos(im), m * std::sin(im));
}

int work_log(int node, int row)
{
    int rc = check_arg(row);
    double re = 0.0;
    double im = 0.0;
    if (rc == 0) {
        arg_value(node, row, &re, &im);
        if (is_complex_node(node) && re == 0.0 && im == 0.0) rc = -3;
    }
    if (rc < 0) {
        var_rc_msg(node, "F324", "LOG", rc, 0);
        return rc;
    }
    if (!is_complex_node(node)) return result_row(node, std::log(re), 0.0);
    return result_row(node, std::log(std::sqrt(re * re + im * im)), std::atan2(im, re));
}

int work_quarter(int node) { return components_row(node, 4, vk_quaternion, "QUARTER"); }

int work_octal(int node) { return components_row(node, 8, vk_octonion, "OCTAL"); }

int work_complex(int node)
{
    if (nd(node).nchild != 2) {
        plain_msg(node, "COMPLEX");
        return -1;
    }
    const double re = eval_node(kid(node, 0), 0);
    const double im = is_complex_node(node) ? eval_node(kid(node, 1), 0) : 0.0;
    return result_row(node, re, im);
}

double argument_scalar(int node, int row)
{
    if (check_arg(row) != 0) {
        var_msg(node, "F327", "ARGUMENT");
        return 0.0;
    }
    if (!is_complex_node(node)) return 0.0;
    double re;
    double im;
    arg_value(node, row, &re, &im);
    return std::atan2(im, re);
}

double real_scalar(int node, int row)
{
    if (check_arg(row) != 0) {
        var_msg(node, "F326", "REAL");
        return 0.0;
    }
    return work_comp(row, 0, 0);
}

double imaginary_scalar(int node, int row)
{
    if (check_arg(row) != 0) {
        var_msg(node, "F325", "IMAGINARY");
        return 0.0;
    }
    return is_complex_node(node) ? work_comp(row, 0, 1) : 0.0;
}

double iabs_scalar(int node, int row)
{
    if (check_arg(row) != 0) {
        var_msg(node, "F325", "IMAGINARY");
        return 0.0;
    }
    const double re = work_comp(row, 0, 0);
    if (!is_complex_node(node)) return std::fabs(re);
    const double im = work_comp(row, 0, 1);
    return std::sqrt(re * re + im * im);
}

double norm_scalar(int node, int row) { return hyper_norm(node, row); }

double onorm_scalar(int node, int row) { return hyper_norm(node, row); }

double element_scalar(int node, int row, int k) { return component(node, row, k, "ELEMENT"); }

double oelement_scalar(int node, int row, int k) { return component(node, row, k, "OELEMENT"); }
