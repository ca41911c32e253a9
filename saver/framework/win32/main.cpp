// verdant.scr: the platform's profile file and input queue, then the saver's main function.
#include "saver/animation/saver_cycle.h"
#include "saver/animation/win32/win32_profile_store.h"
#include "saver/framework/win32/saver_main.h"
#include "saver/framework/win32/win32_input_queue.h"
#include "saver/plants/draw_plant.h"

int main(int argc, char** argv, char** envp) {
  verdant::Win32ProfileStore profile;
  verdant::Win32InputQueue input;
  verdant::SetProfileStore(&profile);
  verdant::SetInputQueue(&input);
  return verdant::SaverMain(argc, argv, envp);
}
