// The process's resident memory, for the start-up benchmark.
#pragma once

struct ResidentMemory {
    long totalKilobytes = -1;     // every resident page, shared libraries' included
    long anonymousKilobytes = -1; // the pages of the process's own (heap, stacks)
};

// -1 where the platform does not tell.
ResidentMemory residentMemory();
