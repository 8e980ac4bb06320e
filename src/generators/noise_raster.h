#pragma once
// Fast evaluation of NoisePunkt over a grid of points (columns x rows): the
// lattice work of each Noise2D call is split into a column part and a row
// part, the columns are shared out between threads, and the per-cell noise
// kernel runs on SIMD lanes of neighbouring cells. Every lane performs the
// same operations in the same order as NoisePunkt, so the results are
// bit-identical to it.

#include <cstddef>
#include <span>

#include "generators/noise.h"

namespace gm {

enum class NoiseKern { Auto, Skalar, Avx2, Avx512 };

// Whether this CPU can run the kernel (Auto and Skalar always can).
bool NoiseKernVerfuegbar(NoiseKern kern);

// ziel[i * spaltenAbstand + j] = NoisePunkt(xs[i], ys[j]) for every i, j.
// threads 0 means one per hardware thread.
void NoiseRaster(const NoiseParamRec& p, const NoiseTabellen& t, std::span<const double> xs,
                 std::span<const double> ys, double* ziel, std::size_t spaltenAbstand,
                 NoiseKern kern = NoiseKern::Auto, int threads = 0);

}  // namespace gm
