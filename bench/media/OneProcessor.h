#pragma once

#include <sched.h>

// Keeps the calling thread (and the threads it starts) on one processor
// while it lives: the engine's automatic share is then one codec thread, and
// a run one task after another measures one core.
struct OneProcessor {
    cpu_set_t Saved;
    OneProcessor() {
        CPU_ZERO(&Saved);
        sched_getaffinity(0, sizeof Saved, &Saved);
        cpu_set_t one;
        CPU_ZERO(&one);
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
            if (CPU_ISSET(cpu, &Saved)) {
                CPU_SET(cpu, &one);
                break;
            }
        sched_setaffinity(0, sizeof one, &one);
    }
    ~OneProcessor() { sched_setaffinity(0, sizeof Saved, &Saved); }
    OneProcessor(const OneProcessor&) = delete;
    OneProcessor& operator=(const OneProcessor&) = delete;
};
