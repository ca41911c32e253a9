// verdant.scr: the thread's input queue for the plants, then the saver's main function.
#include "saver/plants/input_pending.h"
#include "saver/win32/saver_main.h"
#include "saver/win32/win32_input_queue.h"

int main(int argc, char** argv, char** envp) {
  verdant::Win32InputQueue input;
  verdant::SetInputQueue(&input);
  return verdant::SaverMain(argc, argv, envp);
}
