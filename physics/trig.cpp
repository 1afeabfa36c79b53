#include "physics/trig.h"

#include <cmath>

namespace {

// A double-double: the unevaluated sum hi + lo, about 106 bits, from error-free transformations
// of IEEE operations alone (the build fuses no multiply-add), so every platform computes the
// same bits.
struct Wide {
    double hi;
    double lo;
};

Wide twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

Wide quickTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// Dekker's split into two halves of 26 bits.
Wide split(double a) {
    const double t = 134217729.0 * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

Wide twoProduct(double a, double b) {
    const double p = a * b;
    const Wide x = split(a);
    const Wide y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

Wide add(Wide x, Wide y) {
    Wide s = twoSum(x.hi, y.hi);
    const Wide t = twoSum(x.lo, y.lo);
    s.lo += t.hi;
    s = quickTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return quickTwoSum(s.hi, s.lo);
}

Wide multiply(Wide x, Wide y) {
    Wide p = twoProduct(x.hi, y.hi);
    p.lo += x.hi * y.lo + x.lo * y.hi;
    return quickTwoSum(p.hi, p.lo);
}

Wide divide(Wide x, double d) {
    const double q1 = x.hi / d;
    const Wide p = twoProduct(q1, d);
    const Wide r = add(x, {-p.hi, -p.lo});
    const double q2 = r.hi / d;
    return quickTwoSum(q1, q2);
}

// The Taylor coefficients, 1/n! with alternating signs for the odd (sine) and even (cosine)
// powers, enough that the first left out is below 2^-120 for |r| <= pi/4.
constexpr int terms = 15;
struct Coefficients {
    Wide sine[terms];
    Wide cosine[terms];
    Coefficients() {
        Wide factorial{1.0, 0.0}; // 1/n!
        for (int n = 1; n <= 2 * terms; ++n) {
            factorial = divide(factorial, n);
            const double sign = (n / 2) % 2 == 0 ? 1.0 : -1.0;
            const Wide term{sign * factorial.hi, sign * factorial.lo};
            if (n % 2 == 1) {
                sine[n / 2] = term; // r^(2i+1)/(2i+1)!
            } else if (n / 2 < terms) {
                cosine[n / 2] = term; // r^(2i)/(2i)!, from i = 1
            }
        }
        cosine[0] = {1.0, 0.0};
    }
};

const Coefficients& coefficients() {
    static const Coefficients table;
    return table;
}

Wide series(const Wide (&c)[terms], Wide r2) {
    Wide sum = c[terms - 1];
    for (int i = terms - 2; i >= 0; --i) {
        sum = add(multiply(sum, r2), c[i]);
    }
    return sum;
}

// Pi/2 in four pieces, the first three of 33 bits, so that k times each is exact for the
// quadrant counts of any angle below 2^19 in size.
constexpr double halfPi1 = 1.57079632673412561417e+00;
constexpr double halfPi2 = 6.07710050630396597660e-11;
constexpr double halfPi3 = 2.02226624871116645580e-21;
constexpr double halfPi4 = 8.47842766036889956997e-32;
constexpr double largestReduced = 524288.0; // 2^19

struct Reduced {
    Wide r;       // within pi/4 of zero
    int quadrant; // 0 to 3
};

Reduced reduce(double x) {
    const double k = std::nearbyint(x * 0.63661977236758134308);
    Wide r = twoSum(x - k * halfPi1, -(k * halfPi2));
    r = add(r, {-(k * halfPi3), -(k * halfPi4)});
    const long long quadrant = static_cast<long long>(k) % 4;
    return {r, static_cast<int>(quadrant < 0 ? quadrant + 4 : quadrant)};
}

double sineOf(Wide r) {
    const Wide r2 = multiply(r, r);
    const Wide s = multiply(series(coefficients().sine, r2), r);
    return s.hi + s.lo;
}

double cosineOf(Wide r) {
    const Wide c = series(coefficients().cosine, multiply(r, r));
    return c.hi + c.lo;
}

} // namespace

double trig::sin(double radians) {
    if (!(std::fabs(radians) < largestReduced)) {
        return std::sin(radians); // no angle of the program is that large, nor infinite
    }
    if (radians == 0.0) {
        return radians; // keeps the sign of zero
    }
    const Reduced reduced = reduce(radians);
    switch (reduced.quadrant) {
    case 0:
        return sineOf(reduced.r);
    case 1:
        return cosineOf(reduced.r);
    case 2:
        return -sineOf(reduced.r);
    default:
        return -cosineOf(reduced.r);
    }
}

double trig::cos(double radians) {
    if (!(std::fabs(radians) < largestReduced)) {
        return std::cos(radians);
    }
    const Reduced reduced = reduce(radians);
    switch (reduced.quadrant) {
    case 0:
        return cosineOf(reduced.r);
    case 1:
        return -sineOf(reduced.r);
    case 2:
        return -cosineOf(reduced.r);
    default:
        return sineOf(reduced.r);
    }
}
