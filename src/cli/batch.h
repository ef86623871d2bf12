// Batch mode: calculates an aircraft file without a window, the way opening it and pressing
// "Calculate" in the window would, and prints the summary as text or JSON.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace ab {

// Exit status of batch mode.
enum BatchExit : int {
    BatchDone = 0,
    BatchCalculationFailed = 1, // the calculation's message lines went to the error stream
    BatchBadInput = 2,          // bad arguments, a file that cannot be read, is refused or cannot be saved,
                                // or standard output that cannot be written
};

// Runs batch mode on the arguments after the program name.
int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Entry from main(): the arguments as the program got them, on standard output and error.
int batchMain(int argc, const char* const* argv);

} // namespace ab
