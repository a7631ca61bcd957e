// The time() double of the calendar tests (shared with the clock tests).
#include "clock/fake_local_time_impl.h"
