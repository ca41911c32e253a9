#pragma once
// The saver program's main function.

namespace verdant {

// Reads the command line itself (the arguments are ignored) and runs the saver or its preview
// (exit code 0) or the configuration dialog (exit code 1).
int SaverMain(int argc, char** argv, char** envp);

}  // namespace verdant
