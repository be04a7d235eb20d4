#pragma once

// For the start-up benchmark: when KARVELA_STARTUP_PROBE is set, the first painted
// window prints "painted <nanoseconds since the epoch>" and the program ends, so
// that a driver can time start-up and read the peak memory. Without the variable
// this does nothing.
void installStartupProbe();
