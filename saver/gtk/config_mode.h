#pragma once
// Runs the configuration dialog off Windows; returns the process's exit code.
namespace verdant {
int RunConfigMode();
}
