// The door between a program under test and the fault-injecting shim preloaded into it.
// Without the shim the functions are absent and nothing is injected.
#pragma once

extern "C" {
// From the next call on, counts the file-system calls this process makes and fails the
// n-th one (1-based) with the given errno; 0 counts without failing.
void kavrena_faults_arm(int failAt, int error) __attribute__((weak));
// Stops counting and gives the number of calls counted since arming.
int kavrena_faults_disarm() __attribute__((weak));
}
