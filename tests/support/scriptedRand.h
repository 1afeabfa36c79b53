#pragma once

// The C library's rand, with the option to script what it returns next; once the script is
// used up it answers from the real generator again, so srand keeps its meaning.

#include <initializer_list>

namespace scriptedrand {

void script(std::initializer_list<int> values);
// How many times rand was called since the last reset.
int callCount();
void reset();

} // namespace scriptedrand
