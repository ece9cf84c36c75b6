#pragma once

class Kovril;

namespace print {

// The printed beam beyond the lens, from the beam arrays of rays 0..n: continues on the
// window's Printer every ray that leaves the lens, keeping rayOut in beamOut only for the
// rays it printed, then prints the wavefronts at the time chosen on xronosmetato.
void printBeyondLens(Kovril& window, int n);

} // namespace print
