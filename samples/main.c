/* 売上集計: 入力ファイルを読み、品目ごとの合計を表示する */
#include <stdio.h>
#include "sales.h"

#define MAX_LINE 256

static int read_sales(FILE *fp, struct sale *table, int max)
{
    char line[MAX_LINE];
    int n = 0;
    while (n < max && fgets(line, sizeof line, fp) != NULL) {
        if (parse_sale(line, &table[n]) == 0) {
            n++;
        }
    }
    return n;
}

int main(int argc, char **argv)
{
    struct sale table[MAX_SALES];
    FILE *fp;
    int n;

    if (argc < 2) {
        printf("使い方: sales ファイル名\n");
        return 1;
    }
    fp = fopen(argv[1], "r");
    if (fp == NULL) {
        printf("ファイル(%s)が開けません\n", argv[1]);
        return 2;
    }
    n = read_sales(fp, table, MAX_SALES);
    fclose(fp);
    print_totals(table, n);
    return 0;
}
