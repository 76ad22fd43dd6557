#include "media/engine/CodecThreads.h"

#include <algorithm>
#include <atomic>
#include <sched.h>
#include <thread>

namespace {

std::atomic<int> RunningConversions{0};

// The cores this thread may use (a process started under an affinity mask
// or in a container gets fewer than the machine has).
int UsableCores() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(CPU_COUNT(&set), 1);
    return std::max(int(std::thread::hardware_concurrency()), 1);
}

} // namespace

TRunningConversion::TRunningConversion() {
    ++RunningConversions;
}

TRunningConversion::~TRunningConversion() {
    --RunningConversions;
}

int TRunningConversion::Count() {
    return RunningConversions.load();
}

int CodecThreadCount() {
    return std::max(UsableCores() / std::max(TRunningConversion::Count(), 1), 1);
}
