// Line-buffer pools: a shared first area used by every id until it is full,
// then a chain of blocks per id.
#include "shell/lbuf.h"

#include <cstdlib>
#include <cstring>

#include "shell/trace_log.h"

namespace {

struct lbuf_block {
    lbuf_block *link;  // the id's previous block
    int used;
    char data[lbuf_data_size];
};

int lbuf_ready;     // 0 before the first add, 1 after
char *shared_area;
int shared_fill;
lbuf_block *chain_head[lbuf_ids];

int init_pools()
{
    if (lbuf_ready != 0 && lbuf_ready != 1) {
        chk_error(1, lbuf_ready, 0, 0, "Lbuf", __LINE__, "flag", "", "");
    }
    if (lbuf_ready == 1) return 0;
    shared_area = static_cast<char *>(malloc(lbuf_data_size));
    if (shared_area == nullptr) return -1;
    shared_fill = 0;
    for (lbuf_block *&head : chain_head) head = nullptr;
    lbuf_ready = 1;
    return 0;
}

// Where a copy of len bytes of id goes, a new block taken when needed.
char *place_copy(int id, int len)
{
    if (shared_fill + len <= lbuf_data_size) {
        char *at = shared_area + shared_fill;
        shared_fill += len;
        return at;
    }
    lbuf_block *block = chain_head[id];
    if (block != nullptr && (block->used < 0 || block->used > lbuf_data_size)) {
        chk_error(0, id, block->used, 0, "Lbuf", __LINE__, "id", "used", "");
    }
    if (block == nullptr || block->used + len > lbuf_data_size) {
        block = static_cast<lbuf_block *>(malloc(sizeof(lbuf_block)));
        if (block == nullptr) {
            log_printf("**** error lbuf エリアが確保できない。\n");
            return nullptr;
        }
        block->link = chain_head[id];
        block->used = 0;
        chain_head[id] = block;
    }
    char *at = block->data + block->used;
    block->used += len;
    return at;
}

}  // namespace

char *lbuf_add(int id, const char *text, int len)
{
    if (init_pools() != 0) return nullptr;
    if (text == nullptr) return nullptr;
    if (len < 1) {
        const size_t n = strlen(text) + 1;
        len = n > static_cast<size_t>(lbuf_data_size) ? lbuf_data_size + 1 : static_cast<int>(n);
    }
    if (id < 0 || id >= lbuf_ids || len > lbuf_data_size) {
        if (id < 0 || id >= lbuf_ids) chk_error(0, id, len, 0, "Lbuf", __LINE__, "id", "len", "");
        log_printf("**** error lbuf_add()のパラメータid(%d)len(%d)が不正です。\n", id, len);
        return nullptr;
    }
    char *at = place_copy(id, len);
    if (at != nullptr) memcpy(at, text, static_cast<size_t>(len));
    return at;
}

int lbuf_free(int id)
{
    if (lbuf_ready != 1) {
        chk_error(1, lbuf_ready, id, 0, "Lbuf", __LINE__, "flag", "id", "");
        return 0;
    }
    if (id < 0 || id >= lbuf_ids) {
        chk_error(0, id, 0, 0, "Lbuf", __LINE__, "id", "", "");
        log_printf("**** lbuf_free()のid(%d)パラメータが不正です。\n", id);
        return -1;
    }
    while (chain_head[id] != nullptr) {
        lbuf_block *prev = chain_head[id]->link;
        free(chain_head[id]);
        chain_head[id] = prev;
    }
    return 0;
}

int lbuf_release_all()
{
    if (lbuf_ready != 1) return 0;
    for (int id = 0; id < lbuf_ids; ++id) lbuf_free(id);
    free(shared_area);
    shared_area = nullptr;
    shared_fill = 0;
    lbuf_ready = 0;
    return 0;
}
