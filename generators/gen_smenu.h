// The Win32 system-menu source of an SMENU form.
#ifndef VOK_GENERATORS_GEN_SMENU_H
#define VOK_GENERATORS_GEN_SMENU_H

// Writes c_name (and its header h_name) for the SMENU box top; base is the
// form's base name.  0 done or refused with a message; 1 when a file failed (reported).
int gen_smenu_write(const char *c_name, const char *h_name, const char *base, int top);

#endif
