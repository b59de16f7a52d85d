// The items that start-up appends to the screens' system menus, after one
// separator each: command id and text.  The commands belong to the screens.
#ifndef VOK_SHELL_SYSMENUS_H
#define VOK_SHELL_SYSMENUS_H

// The system commands (WM_SYSCOMMAND ids) of the screens.  The main
// screen's project-file commands 78, 81, 83 and 84 are project_files_command
// (main_commands.h).
enum common_sys_id {
    sys_about = 1,  // every screen: the about box, which the main screen shows
    sys_help = 2,   // every screen: the home page in the browser
};

// The main screen's.
enum main_sys_id {
    main_sys_minimize_all = 9,     // minimises MAIN, which hides every screen
    main_sys_def_list = 54,        // definition list of the target name
    main_sys_ref_list = 55,        // reference list of the target, logical search
    main_sys_find_box = 60,        // the FORM box named in the target
    main_sys_find_box_below = 61,  // the box so named under the current box
    main_sys_ref_with_text = 64,   // functions whose text holds the target text
    main_sys_func_with_text = 65,  // function names that hold the target text
    main_sys_project_dialog = 66,  // the project dialog
    main_sys_lang_c = 67,          // default language C, C++
    main_sys_lang_proc = 68,       // default language Pro*C
    main_sys_lang_java = 69,       // default language Java
    main_sys_func_with_words = 70, // function names that hold all the target words
    main_sys_ref_with_words = 71,  // functions whose text holds all the target words
    main_sys_param_dialog = 73,    // the parameter dialog
    main_sys_startup_form = 79,    // toggles startup_form_flag and its check mark
    main_sys_tree_build = 85,      // the function-tree build
    main_sys_step_count = 87,      // the step count of the category sources
    main_sys_step_check = 93,      // the step check listing (the key "3")
};

// RELATION's.
enum relation_sys_id {
    relation_sys_open = 3,  // reads the graph file
    relation_sys_save = 4,  // writes the graph file
};

// FORM's.
enum form_sys_id {
    form_sys_save = 4,            // saves the form
    form_sys_generate = 5,        // generates the sources
    form_sys_clear = 11,          // empties the form
    form_sys_clear_links = 12,    // deletes every link
    form_sys_box_first = 39,      // moves the current box to row 0
    form_sys_sizing_off = 40,     // toggles relate_off
    form_sys_keep_main = 41,      // toggles keep_main_shown
    form_sys_keep_prop = 42,      // toggles keep_prop_shown
    form_sys_full_off = 44,       // toggles full_as_centering
    form_sys_resize_all = 57,     // fits every box to its text
    form_sys_xwindow = 58,        // toggles xwin_mode
    form_sys_split = 59,          // splits the current category's boxes
    form_sys_hidden_links = 62,   // toggles show_hidden_links
    form_sys_browser = 77,        // opens the generated page in the browser
    form_sys_delete_file = 80,    // deletes the form file
    form_sys_reset_items = 88,    // designed-form button "初期化"
    form_sys_name_items = 89,     // designed-form button "現状読込"
    form_sys_store_values = 90,   // designed-form button "更新"
    form_sys_return = 91,         // designed-form button "戻る"
    form_sys_apply_data = 92,     // designed-form button "前回保存状態読込"
    form_sys_next_subform = 94,   // designed-form button "次へ"
    form_sys_close_all = 95,      // designed-form button "終了"
};

// CODE's.
enum code_sys_id {
    code_sys_open_head = 3,      // opens the first 4 KB of a file
    code_sys_save_shown = 4,     // saves the shown text
    code_sys_save_whole = 5,     // saving the whole file (refused)
    code_sys_main_front = 6,     // shows and focuses the main screen
    memo_set = 46,               // the selection replaces the main screen's memo
    memo_append = 47,            // the selection is appended to the memo
    memo_swap = 48,              // memo and its copy exchanged
    code_sys_insert = 49,        // the selection into the target field
    code_sys_file_name = 51,     // shows the file's name
    code_sys_def_list = 54,      // definition list of the selection
    code_sys_ref_list = 55,      // reference list of the selection
    memo_show = 56,              // the memo into the output (window code)
    code_sys_brackets = 72,      // toggles full-width brackets
    memo_erase = 74,             // the memo emptied
    memo_builtin = 75,           // the built-in memo
    code_sys_editor = 76,        // opens the selection's file in the editor
};

// FLOW's.
enum flow_sys_id {
    flow_sys_keep_code = 45,   // toggles flow_keep_code
    flow_sys_wide = 50,        // toggles flow_wide
    flow_sys_fix_zoom = 52,    // toggles flow_fix_zoom
    flow_sys_node_table = 63,  // the node table on CODE (no menu item)
};

// LIST's.
enum list_sys_id {
    list_sys_add_col = 7,      // adds a column
    list_sys_del_col = 8,      // deletes a column
    list_sys_keep_code = 53,   // toggles keep_code_text
    list_sys_font = 82,        // takes list_font_size (no menu item)
};

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

// 1 when the item starts checked: main_sys_startup_form by
// startup_form_flag, main_sys_lang_c .. main_sys_lang_java by default_lang,
// form_sys_xwindow by form_mode 99 on FORM.
int sysmenu_checked(const char *screen, int id);

#endif
