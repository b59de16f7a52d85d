// The Win32 application source of an APP form.
#ifndef VOK_GENERATORS_GEN_APP_H
#define VOK_GENERATORS_GEN_APP_H

// Writes c_name (and its header h_name) for the APP box app; base is the
// form's base name.  0 done or refused with a message; 1 when a file failed (reported).
int gen_app_write(const char *c_name, const char *h_name, const char *base, int app);

#endif
