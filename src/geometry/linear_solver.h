// Gauss-Jordan elimination of an n x (n + 1) augmented matrix in place; row exchange only on a
// zero pivot, no tolerance.
#pragma once

// 1 when x differs from 0; a value that is not a number counts as zero.
int IsNonZero(double x);

// 0 on success with the solution in column n; -1 on a zero pivot (the matrix is then unusable).
int SolveLinearSystem(int n, double* matrix);
