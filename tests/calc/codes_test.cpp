// The names of calc_codes.h held against the keyword table and its remap pairs:
// each keyword name's code finds its own row and text, and each moved keyword
// ends at its fn_ name, so a row added, dropped or moved shows here.
#include <gtest/gtest.h>

#include <cstring>

#include "calc/calc_tables.h"

namespace {

struct kw_row {
    int code;
    const char *text;
};

// Every row of the keyword table, in row order.
const kw_row kw_rows[] = {
    {kw_sin, "SIN"},          {kw_cos, "COS"},           {kw_tan, "TAN"},
    {kw_sinh, "SINH"},        {kw_cosh, "COSH"},         {kw_tanh, "TANH"},
    {kw_sqrt, "SQRT"},        {kw_exp, "EXP"},           {kw_log, "LOG"},
    {kw_abs, "ABS"},          {kw_pow, "POW"},           {kw_rand, "RAND"},
    {kw_pi, "PI"},            {kw_plus, "PLUS"},         {kw_out, "OUT"},
    {kw_end, "END"},          {kw_asin, "ASIN"},         {kw_acos, "ACOS"},
    {kw_atan, "ATAN"},        {kw_if, "IF"},             {kw_elseif, "ELSEIF"},
    {kw_else, "ELSE"},        {kw_format, "FORMAT"},     {kw_return, "RETURN"},
    {kw_vprt, "VPRT"},        {kw_tprt, "TPRT"},         {kw_title, "TITLE"},
    {kw_ep, "EP"},            {kw_complex, "COMPLEX"},   {kw_trace, "TRACE"},
    {kw_lla, "LLA"},          {kw_dmode, "DMODE"},       {kw_msg, "MSG"},
    {kw_matrix, "MATRIX"},    {kw_mprt, "MPRT"},         {kw_tr, "TR"},
    {kw_det, "DET"},          {kw_read, "READ"},         {kw_iread, "IREAD"},
    {kw_imatrix, "IMATRIX"},  {kw_argument, "ARGUMENT"}, {kw_real, "REAL"},
    {kw_imaginary, "IMAGINARY"}, {kw_point, "POINT"},    {kw_cx, "CX"},
    {kw_itrace, "ITRACE"},    {kw_yamabato, "YAMABATO"}, {kw_iabs, "IABS"},
    {kw_other, "OTHER"},      {kw_quaternion, "QUATERNION"}, {kw_norm, "NORM"},
    {kw_quarter, "QUARTER"},  {kw_cayley, "CAYLEY"},     {kw_octal, "OCTAL"},
    {kw_onorm, "ONORM"},      {kw_element, "ELEMENT"},   {kw_oelement, "OELEMENT"},
    {kw_dwork, "DWORK"},      {kw_fmsgf, "FMSGF"},       {kw_atan2, "ATAN2"},
    {kw_gamma, "GAMMA"},      {kw_sum, "SUM"},           {kw_comb4, "COMB4"},
    {kw_integer, "INTEGER"},  {kw_dbl, "DBL"},           {kw_not, "NOT"},
    {kw_sigma, "SIGMA"},      {kw_mkmatrix, "MKMATRIX"}, {kw_mkvector, "MKVECTOR"},
    {kw_all_sym, "∀"},        {kw_sigma_sym, "∑"},       {kw_not_sym, "￢"},
    {kw_sqrt_sym, "√"},       {kw_pi_sym, "π"},          {kw_gamma_sym, "γ"},
    {kw_ep_sym, "ε"},         {kw_comb3, "COMB3"},       {kw_ga3, "GA3"},
    {kw_array, "ARRAY"},      {kw_delta, "DELTA"},       {kw_delta_sym, "δ"},
    {kw_blank, ""}};

struct moved_row {
    int code;   // the keyword code of the row
    int final;  // its code after kw_remap
};

// Every remap pair; all other rows keep their code.
const moved_row moved_rows[] = {
    {kw_complex, fn_complex},     {kw_argument, fn_argument}, {kw_real, fn_real},
    {kw_imaginary, fn_imaginary}, {kw_point, fn_point},       {kw_cx, fn_complex},
    {kw_itrace, fn_itrace},       {kw_yamabato, fn_yamabato}, {kw_iabs, fn_iabs},
    {kw_other, fn_other},         {kw_quaternion, fn_quaternion}, {kw_norm, fn_norm},
    {kw_quarter, fn_quarter},     {kw_cayley, fn_cayley},     {kw_octal, fn_octal},
    {kw_onorm, fn_onorm},         {kw_element, fn_element},   {kw_oelement, fn_oelement},
    {kw_dwork, fn_dwork},         {kw_fmsgf, fn_fmsgf},       {kw_atan2, fn_atan2},
    {kw_gamma, fn_gamma},         {kw_sum, fn_sum},           {kw_comb4, fn_comb4},
    {kw_integer, fn_integer},     {kw_dbl, fn_dbl},           {kw_not, op_not},
    {kw_sigma, fn_sigma},         {kw_mkmatrix, fn_mkmatrix}, {kw_mkvector, fn_mkvector},
    {kw_comb3, fn_comb3},         {kw_ga3, fn_ga3},           {kw_array, fn_array},
    {kw_delta, fn_delta}};

const moved_row *moved_of(int code)
{
    for (const moved_row &m : moved_rows) {
        if (m.code == code) return &m;
    }
    return nullptr;
}

TEST(KeywordCodes, EachNameFindsItsRowAndText)
{
    ASSERT_EQ(82u, sizeof kw_rows / sizeof kw_rows[0]);
    for (size_t r = 0; r < sizeof kw_rows / sizeof kw_rows[0]; ++r) {
        const kw_row &k = kw_rows[r];
        EXPECT_EQ(static_cast<int>(r) + 15, k.code) << k.text;
        ASSERT_NE(nullptr, kw_text(k.code)) << k.text;
        EXPECT_STREQ(k.text, kw_text(k.code)) << k.code;
    }
    EXPECT_EQ(nullptr, kw_text(kw_sin - 1));
    EXPECT_EQ(nullptr, kw_text(kw_blank + 1));
    EXPECT_EQ(nullptr, kw_text(kw_unknown));
}

TEST(KeywordCodes, FindKeywordGivesTheFinalNameOfEachWord)
{
    for (const kw_row &k : kw_rows) {
        const moved_row *m = moved_of(k.code);
        const int final = m != nullptr ? m->final : k.code;
        EXPECT_EQ(final, kw_remap(k.code)) << k.text;
        if (k.text[0] != '\0' && (k.text[0] & 0x80) == 0) {
            EXPECT_EQ(final, find_keyword(k.text)) << k.text;
        }
    }
    EXPECT_EQ(kw_unknown, find_keyword("PRT"));
    EXPECT_EQ(kw_unknown, find_keyword("NOSUCHWORD"));
}

TEST(KeywordCodes, NoMovedKeywordLandsOnAnotherWordsCode)
{
    // A final code may equal a full-width symbol's row (never looked up) but no
    // word that keeps its own code, or the executor would run the wrong statement.
    for (const moved_row &m : moved_rows) {
        for (const kw_row &k : kw_rows) {
            const bool symbol = (k.text[0] & 0x80) != 0 || k.text[0] == '\0';
            if (symbol || moved_of(k.code) != nullptr) continue;
            EXPECT_NE(k.code, m.final) << kw_text(m.code) << " lands on " << k.text;
        }
    }
}

}  // namespace
