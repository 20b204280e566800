// qxdata, the game: the whole run on the SDL backend.
#include "logic/game_program.h"
#include "platform/sdl_backend.h"

int main() {
  platform::SdlBackend backend;
  return logic::RunGame(backend);
}
