// The generators' kind tests over boxes of the form model.
#include "generators/gen_kinds.h"

#include "forms/kinds.h"
#include "forms/model.h"

int is_reserved_kind(int i) { return i >= 0 && i < box_cap && kind_in(box_table[i].kind, reserved_kinds) ? 1 : 0; }
int is_control_box(int i) { return i >= 0 && i < box_cap && kind_in(box_table[i].kind, control_kinds) ? 1 : 0; }
