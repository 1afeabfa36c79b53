#pragma once

// Sine and cosine, correctly rounded, from the same arithmetic on every platform. The C
// libraries' own differ in their last bits from one platform to another (glibc's from musl's,
// say), and a world of fragments and shots must come out the same everywhere from one seed and
// one set of keys; these give glibc's results wherever glibc rounds correctly.
namespace trig {

double sin(double radians);
double cos(double radians);

} // namespace trig
