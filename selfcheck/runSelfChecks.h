#pragma once

// Runs every start-up suite in a fixed order and prints their report on standard output.
// Leaves the shared scale at the running value of 100 000 m/px.
void runSelfChecks();

// Whether the command line asks for the self-check alone: "--test", exactly, as the first
// argument.
bool isSelfCheckOnly(int argc, const char* const* argv);
