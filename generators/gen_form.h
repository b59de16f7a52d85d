// The Win32 window source of a FORM form.
#ifndef VOK_GENERATORS_GEN_FORM_H
#define VOK_GENERATORS_GEN_FORM_H

// Writes c_name (and its header h_name) for the FORM box top; base is the
// form's base name.  0 done or refused with a message; 1 when a file failed (reported).
int gen_form_write(const char *c_name, const char *h_name, const char *base, int top);

#endif
