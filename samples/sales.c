/* 売上データの解析と合計 */
#include <stdio.h>
#include <string.h>
#include "sales.h"

int parse_sale(const char *line, struct sale *s)
{
    if (sscanf(line, "%31s %ld", s->item, &s->amount) != 2) {
        return -1;
    }
    return 0;
}

static long total_of(const struct sale *table, int n, const char *item)
{
    long sum = 0;
    int i;
    for (i = 0; i < n; i++) {
        if (strcmp(table[i].item, item) == 0) {
            sum += table[i].amount;
        }
    }
    return sum;
}

void print_totals(const struct sale *table, int n)
{
    int i, j;
    for (i = 0; i < n; i++) {
        for (j = 0; j < i; j++) {
            if (strcmp(table[j].item, table[i].item) == 0) {
                break;
            }
        }
        if (j == i) {
            printf("%-32s %10ld\n", table[i].item, total_of(table, n, table[i].item));
        }
    }
}
