/* Force-included into the 64-bit build of the sample application: the
   generated text keeps window procedures and pointers in 32-bit window
   words, which mingw's 64-bit headers and Wine's 64-bit user32 refuse.
   GWL_WNDPROC is routed to the pointer-sized calls; the program lies below
   2 GB (linked so) and malloc aborts on an address that a long would cut. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

#ifdef _WIN64
#ifndef GWL_WNDPROC
#define GWL_WNDPROC (-4)
#endif

static __inline LONG shim_set_long(HWND hwnd, int index, LONG_PTR value)
{
	if (index == GWL_WNDPROC)
		return (LONG)SetWindowLongPtrA(hwnd, index, value);
	return SetWindowLongA(hwnd, index, (LONG)value);
}

static __inline LONG_PTR shim_get_long(HWND hwnd, int index)
{
	if (index == GWL_WNDPROC)
		return GetWindowLongPtrA(hwnd, index);
	return GetWindowLongA(hwnd, index);
}

static __inline void *shim_malloc(size_t n)
{
	void *p = (malloc)(n);
	if ((unsigned long long)(ULONG_PTR)p >= 0x80000000ULL) {
		fprintf(stderr, "win64_shim: malloc returned %p, above 2 GB\n", p);
		abort();
	}
	return p;
}

#undef SetWindowLong
#undef GetWindowLong
#define SetWindowLong(h, i, v) shim_set_long((h), (i), (LONG_PTR)(v))
#define GetWindowLong(h, i) shim_get_long((h), (i))
#define malloc(n) shim_malloc(n)
#endif
