// The flow chart's cell grid and totals.
#include "analyser/flow_grid.h"

#include <cstdlib>

#include "analyser/anal_host.h"
#include "analyser/failures.h"
#include "shell/trace_log.h"

int32_t *flow_grid[grid_rows];
int cb_base_num;
int sel_cb = -1;

int alloc_flow_grid()
{
    for (int i = 0; i < grid_rows; ++i) {
        if (flow_grid[i] != nullptr) continue;
        flow_grid[i] = (int32_t *)malloc(sizeof(int32_t) * grid_cols);
        if (flow_grid[i] == nullptr) {
            anal_trace_on = 1;
            dev_printf("メモリが確保出来ません i(%d) %ld = %d * %d * 2\n", i, 2000000L, grid_rows, grid_cols);
            anal_abort(444);
        }
    }
    return 0;
}

int clear_flow_grid()
{
    for (auto &row : flow_grid) row = nullptr;
    return 0;
}

int free_flow_grid()
{
    for (auto &row : flow_grid) {
        free(row);
        row = nullptr;
    }
    return 0;
}
