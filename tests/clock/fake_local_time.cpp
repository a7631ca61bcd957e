// The time() double of the clock tests.
#include "clock/fake_local_time_impl.h"
