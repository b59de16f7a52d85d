// The numbers the interpreter dispatches on, each named once: the operator codes
// of the tokens, the keyword codes (row r of calc_kw_tab has the code r + 15),
// the function codes of the nodes and the value kinds. A keyword that kw_remap
// leaves alone is dispatched by its kw_ name, one that kw_remap moves by its fn_ name.
#ifndef VOK_CALC_CALC_CODES_H
#define VOK_CALC_CALC_CODES_H

// ---- operator codes: the type byte of an operator token -----------------------------
// Single characters without an entry here ("=", "+", "(", ",", ...) are their own code.
const char tk_colons = 34;      // "::"
const char tk_add_complex = 36; // "+:"
const char tk_set_complex = 39; // "=:"
const char tk_range = 46;       // ".."
const char tk_lt = 48;          // "<"
const char tk_le = 49;          // "<="
const char tk_gt = 50;          // ">"
const char tk_ge = 51;          // ">="
const char tk_eq = 52;          // "=="
const char tk_ne = 53;          // "<>"
const char tk_bang = 54;        // "!"
const char tk_and = 55;         // "&&"
const char tk_or = 56;          // two vertical bars
const char tk_add_to = 57;      // "+="
const char tk_cross = 60;       // "**"
const char tk_star3 = 91;       // "***"
const char tk_point = 92;       // "." alone
const char tk_star4 = 93;       // "****"
// The argument-depth byte of a variable declared by a MATRIX or IMATRIX block head.
const unsigned char tk_head_depth = 255;

// ---- keyword codes: row r of calc_kw_tab has the code r + 15 ------------------------
enum calc_kw_code {
    kw_sin = 15,         // "SIN"
    kw_cos = 16,         // "COS"
    kw_tan = 17,         // "TAN"
    kw_sinh = 18,        // "SINH"
    kw_cosh = 19,        // "COSH"
    kw_tanh = 20,        // "TANH"
    kw_sqrt = 21,        // "SQRT"
    kw_exp = 22,         // "EXP"
    kw_log = 23,         // "LOG"
    kw_abs = 24,         // "ABS"
    kw_pow = 25,         // "POW"
    kw_rand = 26,        // "RAND"
    kw_pi = 27,          // "PI"
    kw_plus = 28,        // "PLUS": the value when positive, else 0
    kw_out = 29,         // "OUT": PRT into excel.csv only
    kw_end = 30,         // "END"
    kw_asin = 31,        // "ASIN"
    kw_acos = 32,        // "ACOS"
    kw_atan = 33,        // "ATAN"
    kw_if = 34,          // "IF" (its head becomes op_if)
    kw_elseif = 35,      // "ELSEIF" (its head becomes op_elseif)
    kw_else = 36,        // "ELSE" (its head becomes op_else)
    kw_format = 37,      // "FORMAT"
    kw_return = 38,      // "RETURN"
    kw_vprt = 39,        // "VPRT"
    kw_tprt = 40,        // "TPRT": the syntax tree, dumps on only
    kw_title = 41,       // "TITLE"
    kw_ep = 42,          // "EP"
    kw_complex = 43,     // "COMPLEX" (final fn_complex)
    kw_trace = 44,       // "TRACE"
    kw_lla = 45,         // "LLA", and the LLA block
    kw_dmode = 46,       // "DMODE"
    kw_msg = 47,         // "MSG"
    kw_matrix = 48,      // "MATRIX", and the MATRIX block
    kw_mprt = 49,        // "MPRT"
    kw_tr = 50,          // "TR"
    kw_det = 51,         // "DET"
    kw_read = 52,        // "READ"
    kw_iread = 53,       // "IREAD"
    kw_imatrix = 54,     // "IMATRIX", and the IMATRIX block
    kw_argument = 55,    // "ARGUMENT" (final fn_argument)
    kw_real = 56,        // "REAL" (final fn_real)
    kw_imaginary = 57,   // "IMAGINARY" (final fn_imaginary)
    kw_point = 58,       // "POINT" (final fn_point)
    kw_cx = 59,          // "CX" (final fn_complex)
    kw_itrace = 60,      // "ITRACE" (final fn_itrace)
    kw_yamabato = 61,    // "YAMABATO" (final fn_yamabato)
    kw_iabs = 62,        // "IABS" (final fn_iabs)
    kw_other = 63,       // "OTHER" (final fn_other)
    kw_quaternion = 64,  // "QUATERNION" (final fn_quaternion)
    kw_norm = 65,        // "NORM" (final fn_norm)
    kw_quarter = 66,     // "QUARTER" (final fn_quarter)
    kw_cayley = 67,      // "CAYLEY" (final fn_cayley)
    kw_octal = 68,       // "OCTAL" (final fn_octal)
    kw_onorm = 69,       // "ONORM" (final fn_onorm)
    kw_element = 70,     // "ELEMENT" (final fn_element)
    kw_oelement = 71,    // "OELEMENT" (final fn_oelement)
    kw_dwork = 72,       // "DWORK" (final fn_dwork)
    kw_fmsgf = 73,       // "FMSGF" (final fn_fmsgf)
    kw_atan2 = 74,       // "ATAN2" (final fn_atan2)
    kw_gamma = 75,       // "GAMMA" (final fn_gamma)
    kw_sum = 76,         // "SUM" (final fn_sum)
    kw_comb4 = 77,       // "COMB4" (final fn_comb4)
    kw_integer = 78,     // "INTEGER" (final fn_integer)
    kw_dbl = 79,         // "DBL" (final fn_dbl)
    kw_not = 80,         // "NOT" (final op_not)
    kw_sigma = 81,       // "SIGMA" (final fn_sigma)
    kw_mkmatrix = 82,    // "MKMATRIX" (final fn_mkmatrix)
    kw_mkvector = 83,    // "MKVECTOR" (final fn_mkvector)
    kw_all_sym = 84,     // "∀": the lexer reads it as ALL
    kw_sigma_sym = 85,   // "∑": read as SIGMA
    kw_not_sym = 86,     // "￢": read as NOT
    kw_sqrt_sym = 87,    // "√": read as SQRT
    kw_pi_sym = 88,      // "π": read as PI
    kw_gamma_sym = 89,   // "γ": read as GAMMA
    kw_ep_sym = 90,      // "ε": read as EP
    kw_comb3 = 91,       // "COMB3" (final fn_comb3)
    kw_ga3 = 92,         // "GA3" (final fn_ga3)
    kw_array = 93,       // "ARRAY" (final fn_array)
    kw_delta = 94,       // "DELTA" (final fn_delta)
    kw_delta_sym = 95,   // "δ": read as DELTA
    kw_blank = 96,       // the empty last row: matches nothing
    kw_unknown = 9999,   // find_keyword: another word beginning with an upper-case letter
};

// ---- function codes of the nodes ------------------------------------------------
// Set by the block checks; with the unmoved keyword codes above they are all the
// codes the executor and the typed evaluator run.
enum calc_fn_code {
    op_list = 0,             // statement list "Z", the root among them
    op_assign = 1,           // "="
    op_mul = 2,              // "*", and an implicit product "X" that heads no block
    op_div = 3,              // "/"
    op_add = 4,              // "+"
    op_sub = 5,              // "-"
    op_zero_var = 6,         // zero form "z" (x0)
    op_size_var = 7,         // size form "l" (xn)
    op_neg = 8,              // prefix "-"
    op_number = 9,           // number "n"
    op_all = 10,             // ALL block "G"
    op_var = 11,             // variable "v", "h", "D"; a call of a call-form variable or of no keyword
    op_diff_var = 12,        // difference form "d" (dx)
    op_prt = 13,             // PRT call
    op_pow = 14,             // "^"
    op_define = 55,          // internal-function definition: the "y" head and the "Y" node
    op_call = 56,            // call of an internal function (a label)
    op_param = 57,           // parameter reference "r" in a definition's body
    op_plus = 58,            // prefix "+"
    op_local = 59,           // local "o" (d0, d1, ...)
    op_lt = 60,              // "<"
    op_le = 61,              // "<="
    op_gt = 62,              // ">"
    op_ge = 63,              // ">="
    op_eq = 64,              // "=="
    op_ne = 65,              // "<>"
    op_not = 66,             // "!" as an operator, and NOT after kw_remap
    op_and = 67,             // "&&"
    op_or = 68,              // two vertical bars
    op_add_to = 69,          // "+="
    op_transpose = 70,       // prefix "~": conjugate transpose
    op_if = 71,              // IF head "I"
    op_elseif = 72,          // ELSEIF head "L"
    op_else = 73,            // ELSE head "S"
    op_chain = 74,           // "D": an IF chain joined with its next head
    op_branch = 75,          // "O": a head of an IF chain joined with its block
    op_commutator = 76,      // "&": a b - b a
    op_anticommutator = 77,  // single vertical bar: a b + b a
    fn_argument = 78,        // ARGUMENT
    fn_real = 79,            // REAL
    fn_imaginary = 80,       // IMAGINARY
    fn_complex = 81,         // COMPLEX and CX
    fn_point = 82,           // POINT
    op_eq_complex = 83,      // "::": complex values equal
    op_set_complex = 84,     // "=:"
    op_add_complex = 85,     // "+:"
    op_eq_real = 86,         // "..": real matrices equal
    fn_itrace = 87,          // ITRACE
    fn_yamabato = 88,        // YAMABATO: the dumps on for the program's life
    fn_iabs = 89,            // IABS
    fn_other = 90,           // OTHER
    fn_quaternion = 91,      // QUATERNION, and the QUATERNION block
    fn_norm = 92,            // NORM
    fn_quarter = 93,         // QUARTER
    fn_cayley = 94,          // CAYLEY, and the CAYLEY block
    fn_octal = 95,           // OCTAL
    fn_onorm = 96,           // ONORM
    fn_element = 97,         // ELEMENT
    fn_oelement = 98,        // OELEMENT
    fn_dwork = 99,           // DWORK: the work table, dumps on only
    op_nothing = 100,        // "?" variable "H", and ";"
    fn_fmsgf = 101,          // FMSGF: the banner line
    fn_atan2 = 102,          // ATAN2
    fn_gamma = 103,          // GAMMA
    fn_sum = 104,            // SUM
    op_slash = 105,          // prefix grave accent: slash of a four-vector
    op_minkowski = 106,      // the point: Minkowski product
    fn_comb4 = 107,          // COMB4
    fn_integer = 108,        // INTEGER
    fn_dbl = 109,            // DBL
    op_factorial = 110,      // postfix "!"
    fn_sigma = 111,          // SIGMA
    fn_mkmatrix = 112,       // MKMATRIX
    fn_mkvector = 113,       // MKVECTOR
    op_eq_quaternion = 114,  // "***": quaternions equal
    op_eq_octonion = 115,    // "****": octonions equal
    op_cross = 116,          // "**": vector product
    fn_comb3 = 117,          // COMB3
    fn_ga3 = 118,            // GA3
    fn_array = 119,          // ARRAY
    op_mod = 120,            // "%"
    fn_delta = 121,          // DELTA, the highest code that runs
    op_other = 888,          // another operator token: does nothing
    op_none = 999,           // a node without a token that matches no other code
};

// ---- value kinds: a node's kind byte, a work row's and a variable's kind ---------------
// The leaf kinds are the element kind plus one.
enum calc_value_kind {
    vk_plain = 0,            // plain real (scalar context)
    vk_real = 1,             // real (MATRIX); a declaration's real matrix kind
    vk_complex = 2,          // complex: real part, imaginary part (IMATRIX)
    vk_complex_leaf = 3,     // leaf of a complex expression, evaluated into vk_complex
    vk_quaternion = 4,       // quaternion: components of 1, i, j, k (QUATERNION)
    vk_quaternion_leaf = 5,  // leaf of a quaternion expression
    vk_octonion = 8,         // octonion: components of e0 ... e7 (CAYLEY)
    vk_octonion_leaf = 9,    // leaf of an octonion expression
};

// ---- the kind propagation: what a node passes down to its children --------------------
// Each context is named as check_op_kind's messages name it.
enum calc_kind_context {
    ctx_real = 0,            // outside the typed blocks
    ctx_complex = 1,         // an operand that must be complex (ARGUMENT, REAL, ...)
    ctx_imatrix = 2,         // IMATRIX body
    ctx_matrix = 3,          // MATRIX body
    ctx_quaternion = 4,      // QUATERNION body
    ctx_cayley = 8,          // CAYLEY body
};

// The block mode propagate_kinds enters at a block body.
enum calc_block_mode {
    bm_none = 0,             // no typed block
    bm_matrix = 1,           // MATRIX
    bm_imatrix = 2,          // IMATRIX
    bm_quaternion = 3,       // QUATERNION
    bm_cayley = 4,           // CAYLEY
};

// ---- what set_item_dirs does with the direction of each item's variable -----------------
enum calc_dir_mode {
    dirs_set = 1,            // set it to the value
    dirs_save = 2,           // save it beside the variable, then set it
    dirs_restore = 3,        // put the saved one back
    dirs_sigma_save = 4,     // save it in the slot of the SIGMA level in progress, then set it
    dirs_sigma_restore = 5,  // put the SIGMA level's one back
};

// ---- pseudo-nodes: the bodies prt_items walks that are no rows of the node table ------
enum calc_pseudo_node {
    body_prt_value = -1,     // a data line: eval_node prints each cell (prt_value)
    body_heading = -2,       // the heading line of a function-form table
    body_sigma_step = -4,    // one step of a SIGMA sum (sigma_step)
    body_sigma_typed = -5,   // one step of a typed SIGMA sum (sigma_step_typed)
};

#endif
