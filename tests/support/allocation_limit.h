// Allocation limit: replaces the global operator new of the test program
// it is linked into, so that a test can bound the memory the code under test
// may ask for. A request above the limit is refused at once (std::bad_alloc)
// instead of being tried, and remembered.
#pragma once

#include <cstddef>

namespace alloclimit {

// From now on requests above maxBytes are refused.
void arm(size_t maxBytes);
// Lifts the limit; returns the largest request made while it held.
size_t disarm();

}  // namespace alloclimit
