// The area allocator: 20 numbered areas, each a chain of blocks handed out
// front to back and freed whole.
#include <cstdlib>

#include "shell/lbuf.h"

namespace {

struct area_block {
    area_block *link;  // the next block, null at the end
    alignas(8) unsigned char data[area_data_size];
};

struct area_state {
    area_block *first;
    area_block *current;
    size_t used;  // data bytes used in the current block
};

area_state areas[area_count];

area_block *new_block()
{
    area_block *b = static_cast<area_block *>(malloc(sizeof(area_block)));
    if (b != nullptr) b->link = nullptr;
    return b;
}

}  // namespace

void *area_alloc(int area, size_t n)
{
    if (area < 0 || area >= area_count || n > static_cast<size_t>(area_data_size)) return nullptr;
    area_state &a = areas[area];
    if (a.first == nullptr) {
        a.first = a.current = new_block();
        if (a.first == nullptr) return nullptr;
        a.used = 0;
    }
    a.used = (a.used + 7) & ~static_cast<size_t>(7);  // users keep records here too
    if (a.used + n > static_cast<size_t>(area_data_size)) {
        area_block *b = new_block();
        if (b == nullptr) return nullptr;
        a.current->link = b;
        a.current = b;
        a.used = 0;
    }
    void *at = a.current->data + a.used;
    a.used += n;
    return at;
}

int area_free(int area)
{
    if (area < 0 || area >= area_count) return 0;
    area_state &a = areas[area];
    while (a.first != nullptr) {
        area_block *next = a.first->link;
        free(a.first);
        a.first = next;
    }
    a.current = nullptr;
    a.used = 0;
    return 0;
}
