// The process's resident memory, for the start-up benchmark.
#pragma once

struct ResidentMemory {
    long totalKilobytes = -1;     // every resident page, shared libraries' included
    long anonymousKilobytes = -1; // the pages of the process's own (heap, stacks)
};

// -1 where the platform does not tell. The frame probe calls it first the moment the first frame
// is out, and the benchmark's instruction count ends where it is first entered (callgrind.py):
// nothing else may call it before.
ResidentMemory residentMemory();
