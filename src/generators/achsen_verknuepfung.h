#pragma once
// The operators that join a value along x with a value along y, shared by the
// noise and the function generator: 0 fx * fy, 1 fx + fy, 2 fx - fy,
// 3 fy - fx. Both records keep their operator within 0..3.

namespace gm {

inline double AchsenVerknuepfen(int art, double fx, double fy) {
    switch (art) {
        case 0:
            return fx * fy;
        case 1:
            return fx + fy;
        case 2:
            return fx - fy;
        case 3:
            return fy - fx;
        default:
            return 0.0;
    }
}

}  // namespace gm
