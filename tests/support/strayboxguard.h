#pragma once

// Every in-process test runs with a guard against modal boxes that bypass the message
// service: such a box would wait for a user who is not there, until CTest's time-out.
// The guard fails the running test at once, naming the box, and closes it.
// The tests of the real message service, which mean to show real boxes, say so first.
void allowRealMessageBoxes();
