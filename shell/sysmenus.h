// The items that start-up appends to the screens' system menus, after one
// separator each: command id and text.  The commands belong to the screens.
#ifndef VOK_SHELL_SYSMENUS_H
#define VOK_SHELL_SYSMENUS_H

struct sysmenu_item {
    int id;
    const char *text;
};

struct sysmenu_list {
    const char *screen;  // window-table name
    const sysmenu_item *items;
    int count;
};

// Main screen, RELATION, FORM, CODE, FLOW, LIST (PROPERTY has none).
extern const sysmenu_list sysmenu_lists[6];
const sysmenu_list *sysmenu_of(const char *screen);

// 1 when the item starts checked: 79 by startup_form_flag, 67-69 by
// default_lang on the main screen, 58 by form_mode 99 on FORM.
int sysmenu_checked(const char *screen, int id);

#endif
