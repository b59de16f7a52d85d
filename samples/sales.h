/* 売上データ */
#ifndef SALES_H
#define SALES_H

#define MAX_SALES 1000

struct sale {
    char item[32];  /* 品目 */
    long amount;    /* 金額 */
};

int parse_sale(const char *line, struct sale *s);
void print_totals(const struct sale *table, int n);

#endif
