// The LIST screen's column count as the "LIST" row of the window table keeps it.
#ifndef VOK_SHELL_LIST_SETTING_H
#define VOK_SHELL_LIST_SETTING_H

extern int list_cols;

int load_list_setting();
int save_list_setting();
int lbuf_free_list();

#endif
