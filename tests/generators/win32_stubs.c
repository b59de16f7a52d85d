/* The handler procedures of the sample application for the Win32 check:
   each appends its name and arguments to "win32_sample.log"; on_quit ends
   the program through FIN.  What another process cannot ask of the windows
   under Wine (the system menu, the fonts, the window procedures) p_before
   and do_log write into the log for the probe.  ControlProc, the subclass procedure of the
   tab-order controls, logs a Tab key and passes every message on to the
   control's own procedure, kept in the window's work table. */
#include <windows.h>
#include <stdio.h>

#if defined(__i386__)
/* The window source declares the menu functions without parameters, so its
   32-bit calls name them "@0"; these jumps lead to the stdcall definitions,
   which remove the arguments the calls pushed. */
__asm__(".text\n"
	".globl _smenu1_APPEND@0\n_smenu1_APPEND@0: jmp _smenu1_APPEND@4\n"
	".globl _smenu1_INIT@0\n_smenu1_INIT@0: jmp _smenu1_INIT@16\n"
	".globl _smenu1@0\n_smenu1@0: jmp _smenu1@16\n");
#endif

int FIN(HWND hwnd);

static void note(const char *text)
{
	FILE *fp = fopen("win32_sample.log", "a");
	if (fp == NULL)
		return;
	fputs(text, fp);
	fputc('\n', fp);
	fclose(fp);
}

static void note_call(const char *name, UINT message, UINT a, long b)
{
	char line[200];
	snprintf(line, sizeof line, "%s %u %u %ld", name, message, a, b);
	note(line);
}

int p_init(long zero, int kind, HINSTANCE hInstance, HINSTANCE hPrev, LPSTR cmd, int show)
{
	char line[100];
	snprintf(line, sizeof line, "p_init %ld %c", zero, kind);
	note(line);
	return 0;
}

/* "menu <position> <id> <state> <text>" of the appended system-menu items,
   "menu handle <n>", "font <id> <0|1>" and "subclassed <id> <0|1>". */
int p_before(HWND *hwndg, int kind, HINSTANCE hInstance, HINSTANCE hPrev, LPSTR cmd, int show)
{
	char line[200];
	HMENU menu = GetSystemMenu(hwndg[0], FALSE);
	int count = GetMenuItemCount(menu);
	int i;
	snprintf(line, sizeof line, "p_before %c", kind);
	note(line);
	snprintf(line, sizeof line, "menu handle %lu", (unsigned long)(ULONG_PTR)menu);
	note(line);
	for (i = count - 3; i < count; i++) {
		char text[64] = "";
		GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
		snprintf(line, sizeof line, "menu %d %d %u %s", i - count, (int)GetMenuItemID(menu, i),
			GetMenuState(menu, i, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED | MF_SEPARATOR), text);
		note(line);
	}
	for (i = 0; i <= 2; i++) {
		HWND h = GetDlgItem(hwndg[0], i);
		snprintf(line, sizeof line, "font %d %d", i, SendMessageA(h, WM_GETFONT, 0, 0) != 0);
		note(line);
		snprintf(line, sizeof line, "subclassed %d %d", i,
			GetWindowLongPtrA(h, GWLP_WNDPROC) != GetClassLongPtrA(h, GCLP_WNDPROC));
		note(line);
	}
	return 0;
}

int p_after(HWND *hwndg, int kind)
{
	char line[100];
	snprintf(line, sizeof line, "p_after %c", kind);
	note(line);
	return 0;
}

int on_size(HWND hwnd, UINT message, UINT wParam, LONG lParam) { note_call("on_size", message, wParam, 0); return 0; }
int on_ok(HWND hwnd, UINT message, int id, long sub) { note_call("on_ok", message, id, sub); return 0; }
int on_change(HWND hwnd, UINT message, int id, long sub) { note_call("on_change", message, id, sub); return 0; }

int on_cell(HWND hwnd, UINT message, int id, long sub, int nx, int ny)
{
	char line[200];
	snprintf(line, sizeof line, "on_cell %u %d %ld %d %d", message, id, sub, nx, ny);
	note(line);
	return 0;
}

int on_quit(HWND hwnd, UINT message, int id, long sub)
{
	note_call("on_quit", message, id, sub);
	return FIN(GetParent(hwnd) != NULL ? GetParent(hwnd) : hwnd);
}

int do_open(HWND hwnd, UINT message, UINT wParam, LONG lParam) { note_call("do_open", message, wParam, 0); return 0; }
/* Also "sc_close <state>": -1 once WM_INITMENU has deleted the item. */
int do_log(HWND hwnd, UINT message, UINT wParam, LONG lParam)
{
	char line[100];
	note_call("do_log", message, wParam, 0);
	snprintf(line, sizeof line, "sc_close %d", (int)GetMenuState(GetSystemMenu(hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND));
	note(line);
	return 0;
}
int do_save(HWND hwnd, UINT message, UINT wParam, LONG lParam) { note_call("do_save", message, wParam, 0); return 0; }

long FAR PASCAL ControlProc(HWND hwnd, UINT message, UINT wParam, LONG lParam)
{
	char **workc = (char **)GetWindowLong(GetParent(hwnd), 12);
	int id = GetDlgCtrlID(hwnd);
	if (message == WM_KEYDOWN && wParam == VK_TAB)
		note_call("ControlProc", message, wParam, id);
	return CallWindowProc((WNDPROC)workc[id], hwnd, message, wParam, lParam);
}
