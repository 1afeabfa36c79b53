#pragma once

// Runs every start-up suite in a fixed order and prints their report on standard output.
// Leaves the shared scale at the running value of 100 000 m/px.
void runSelfChecks();
