// The names a Win32 writer generates from a form, checked before any file is
// touched: every define, table and variable name must be a C identifier
// distinct from the others, from the C keywords and from the fixed names of
// the generated text; a kind named as a function may repeat, but only as a
// function.
#ifndef VOK_GENERATORS_GEN_NAMES_H
#define VOK_GENERATORS_GEN_NAMES_H

#include <string>
#include <unordered_map>

// The names claimed by one generation (name -> 1 a function, 0 anything else).
struct name_claims {
    std::unordered_map<std::string, int> names;
    bool refused = false;  // a refusal was shown
};

// True for a C keyword or a name the generated text uses itself.
bool is_fixed_name(const char *name);
// Claims name for box as a define, table or variable name; false (after
// one error box naming box and name) when it cannot be generated.
bool claim_name(name_claims *c, int box, const char *name);
// The same for a function name; the same function may be claimed again.
bool claim_function(name_claims *c, int box, const char *name);
// Claims the names derived from the form's base name (base, base_olist,
// base_PROC, base_CREATE, base_POSI, base_APPEND, base_INIT); false when refused.
bool claim_base_names(name_claims *c, int box, const char *base);

#endif
