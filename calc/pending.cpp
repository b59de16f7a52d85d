// Operations of the typed mathematics, the sums and the diagnostic
// statements that the executor calls; until they are built, each node that
// reaches one is reported once as an operation the program cannot run.
#include "calc/calc_tables.h"

int pending_code(int node)
{
    const calc_node &x = calc_node_tab[node];
    switch (x.code) {
    case 39: case 44: case 87: case 90: case 111: case 112: case 113:
    case 83: case 86: case 114: case 115:
    case 50: case 51: case 78: case 79: case 80: case 89: case 92: case 96: case 97: case 98:
    case 48: case 54: case 91: case 94:
    case 84: case 85:
        return 1;
    case 40: return calc_nodump == 0;
    case 1: case 69: return x.kind == 1 || x.kind == 2 || x.kind == 4 || x.kind == 8;
    default: return 0;
    }
}

int eval_typed(int) { return -1; }
double work_compare(int, int) { return 0.0; }
double sigma_sum(int, int, int) { return 0.0; }
int sigma_step(int) { return 0; }
int sigma_step_typed(int) { return 0; }
int exec_trace(int, int) { return 0; }
int exec_itrace(int, int) { return 0; }
int exec_vprt() { return 0; }
int vprt_tables() { return 0; }
int exec_tprt(int, int) { return 0; }
int exec_other() { return 0; }
int mkmatrix_real(int) { return 0; }
int mkvector_real(int) { return 0; }
double argument_scalar(int, int) { return 0.0; }
double real_scalar(int, int) { return 0.0; }
double imaginary_scalar(int, int) { return 0.0; }
double iabs_scalar(int, int) { return 0.0; }
double norm_scalar(int, int) { return 0.0; }
double onorm_scalar(int, int) { return 0.0; }
double tr_scalar(int, int) { return 0.0; }
double det_scalar(int, int) { return 0.0; }
double element_scalar(int, int, int) { return 0.0; }
double oelement_scalar(int, int, int) { return 0.0; }
