#pragma once

// For the start-up benchmark: the first painted window prints "painted <nanoseconds
// since the epoch>" and the program ends, so that a driver can time start-up and read
// the peak memory.
void installStartupProbe();
