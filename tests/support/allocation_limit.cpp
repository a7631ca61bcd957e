// Allocation limit: the replaced global operator new and delete.
#include "support/allocation_limit.h"

#include <cstdlib>
#include <new>

namespace {
size_t limit = 0;  // 0: no limit
size_t largest = 0;
}  // namespace

namespace alloclimit {
void arm(size_t maxBytes) {
  limit = maxBytes;
  largest = 0;
}
size_t disarm() {
  limit = 0;
  return largest;
}
}  // namespace alloclimit

void* operator new(size_t n) {
  if (limit) {
    if (n > largest) largest = n;
    if (n > limit) throw std::bad_alloc();
  }
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t n) { return operator new(n); }
// The nothrow forms too (the archive reader uses them), so that every block
// comes from the same malloc as the delete that frees it.
void* operator new(size_t n, const std::nothrow_t&) noexcept {
  try {
    return operator new(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](size_t n, const std::nothrow_t&) noexcept { return operator new(n, std::nothrow); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
