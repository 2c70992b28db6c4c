// Polynomials of the diagram pieces: coefficients c[0..n] of t^0..t^n.
#pragma once

namespace kmr {

double PolynomialValue(const double* c, int n, double t);
// The real roots of c (degree n <= 5) strictly inside (0, h), ascending;
// roots must hold n values. Returns their count.
int PolynomialRootsInside(const double* c, int n, double h, double* roots);

}  // namespace kmr
