// The helpers of the tests that drive a started program (see program_probe.h).
#include "tests/win/program_probe.h"

#include <cstdio>

namespace {

const DWORD poll_ms = 100;  // between two looks
const DWORD polls = probe_wait_ms / poll_ms;

struct found_window {
    DWORD pid;
    const char *cls;
    HWND hwnd;
};

BOOL CALLBACK match_window(HWND hwnd, LPARAM lp)
{
    auto *f = reinterpret_cast<found_window *>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == f->pid && lstrcmpA(cls, f->cls) == 0) {
        f->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A visible dialog box owned by f->hwnd; found: pid set to 0 and hwnd to the box.
BOOL CALLBACK match_box(HWND hwnd, LPARAM lp)
{
    auto *f = reinterpret_cast<found_window *>(lp);
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && GetWindow(hwnd, GW_OWNER) == f->hwnd && IsWindowVisible(hwnd)) {
        f->pid = 0;
        f->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The longest text of the box's static controls: the message.
BOOL CALLBACK longest_static(HWND hwnd, LPARAM lp)
{
    auto *text = reinterpret_cast<std::string *>(lp);
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    char buf[1024] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    if (lstrcmpiA(cls, "Static") == 0 && lstrlenA(buf) > static_cast<int>(text->size())) *text = buf;
    return TRUE;
}

}  // namespace

std::string windows_path(const std::string &p)
{
    std::string w = p[0] == '/' ? "Z:" + p : p;
    for (char &c : w) {
        if (c == '/') c = '\\';
    }
    return w;
}

PROCESS_INFORMATION start(const std::string &path, const char *folder)
{
    std::string cmd = "\"" + windows_path(path) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &pi)) {
        pi.hProcess = nullptr;
    }
    return pi;
}

DWORD wait_exit(const PROCESS_INFORMATION &pi)
{
    DWORD code = 12345;
    if (WaitForSingleObject(pi.hProcess, probe_wait_ms) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

HWND wait_for_window(DWORD pid, const char *cls)
{
    found_window f = {pid, cls, nullptr};
    for (DWORD i = 0; i < polls && f.hwnd == nullptr; ++i) {
        EnumWindows(match_window, reinterpret_cast<LPARAM>(&f));
        if (f.hwnd == nullptr) Sleep(poll_ms);
    }
    return f.hwnd;
}

std::string wait_for_caption(HWND hwnd, const char *caption)
{
    char text[1024] = "";
    for (DWORD i = 0; i < polls; ++i) {
        GetWindowTextA(hwnd, text, sizeof text);
        if (lstrcmpA(text, caption) == 0) break;
        Sleep(poll_ms);
    }
    return text;
}

bool wait_visible(HWND hwnd)
{
    for (DWORD i = 0; i < polls && !IsWindowVisible(hwnd); ++i) Sleep(poll_ms);
    return IsWindowVisible(hwnd) != FALSE;
}

HWND wait_for_box(HWND owner)
{
    found_window f = {1, "#32770", owner};
    for (DWORD i = 0; i < polls && f.pid != 0; ++i) {
        f.hwnd = owner;
        EnumWindows(match_box, reinterpret_cast<LPARAM>(&f));
        if (f.pid != 0) Sleep(poll_ms);
    }
    return f.pid != 0 ? nullptr : f.hwnd;
}

std::string answer_box(HWND owner, int button)
{
    HWND box = wait_for_box(owner);
    if (box == nullptr) return "<no box>";
    std::string text;
    EnumChildWindows(box, longest_static, reinterpret_cast<LPARAM>(&text));
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
    for (DWORD i = 0; i < polls && IsWindow(box); ++i) Sleep(poll_ms);
    return text;
}

std::string file_text(const std::string &path)
{
    FILE *fp = fopen(path.c_str(), "rb");
    if (fp == nullptr) return "<none>";
    std::string text;
    int c;
    while ((c = fgetc(fp)) != EOF) text += static_cast<char>(c);
    fclose(fp);
    return text;
}

void write_text(const std::string &path, const char *text)
{
    FILE *fp = fopen(path.c_str(), "wb");
    if (fp == nullptr) return;
    fputs(text, fp);
    fclose(fp);
}

void fill_folder(const std::string &folder, const std::string &from)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) DeleteFileA((folder + "\\" + fd.cFileName).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    h = FindFirstFileA((from + "\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            CopyFileA((from + "\\" + fd.cFileName).c_str(), (folder + "\\" + fd.cFileName).c_str(), FALSE);
        }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
}

std::string make_home(const char *name, const std::string &samples)
{
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    std::string home = std::string(folder) + "\\" + name;
    CreateDirectoryA(home.c_str(), nullptr);
    fill_folder(home, windows_path(samples));
    return home;
}

// Lets the program work through what was posted.  A thread takes the sent
// messages waiting for it before each posted one it takes, so when the
// program was busy one send comes back while the posted messages still wait;
// a send made once the first came back is taken, as a rule, only after the
// next posted message.  A test posts at most a key's down, character and up at once.
void settle(HWND hwnd)
{
    Sleep(100);
    const int posted_at_once = 3;
    for (int i = 0; i <= posted_at_once; ++i) {
        DWORD_PTR ignored;
        SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, probe_wait_ms, &ignored);
    }
}

// Saves what the screen shows of the window as a 24-bit bitmap file.
bool save_shot(HWND hwnd, const std::string &name)
{
    CreateDirectoryA("shots", nullptr);
    RECT r;
    if (!GetWindowRect(hwnd, &r)) return false;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    SelectObject(mem, old);
    const DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) & ~3u);
    const DWORD size = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + size;
    bool ok = false;
    FILE *fp = fopen(("shots\\" + name + ".bmp").c_str(), "wb");
    if (fp != nullptr) {
        ok = fwrite(&fh, sizeof fh, 1, fp) == 1 && fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, fp) == 1 &&
             fwrite(bits, 1, size, fp) == size;
        ok = fclose(fp) == 0 && ok;
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}
