#pragma once

// The platform's random numbers, with the option to script what they return next; once the
// script is used up they come from the program's generator again, so seeding keeps its meaning.

#include <initializer_list>

namespace scriptedrand {

void script(std::initializer_list<int> values);
// How many numbers were drawn since the last reset.
int callCount();
void reset();

} // namespace scriptedrand
