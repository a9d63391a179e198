// Icons 1 and 2, 32 x 32, as XPM text. Icon 1 stands for the program: an
// aircraft in profile above a strip of terrain, with the two lines of its
// camera's field of view reaching the ground, on a pale blue sky. Icon 2 is
// the main frame's: a red skull and crossbones on grey.
#include "resources/module.h"

namespace fotovuelo::res {

namespace {

constexpr const char* kProgramXpm[] = {"32 32 8 1",
                                       "s c #C8E4F8",
                                       "g c #4E9A3A",
                                       "b c #8B6B3E",
                                       "k c #202020",
                                       "w c #F4F4F4",
                                       "d c #707880",
                                       "c c #3060A0",
                                       "r c #C03030",
                                       "ssssssssssssssssssssssssssssssss",
                                       "ssssssssssssssssssssssssssssssss",
                                       "ssssssssssssssssssssssssssssssss",
                                       "sssssrrsssssssssssssssssssssssss",
                                       "sssssrrrssssssssssssssssssssssss",
                                       "sssssrrrssssssssssssssssssssssss",
                                       "sssssrrrrsssssssssssssssssssssss",
                                       "sssssrrrrrssssssssssssssssssssss",
                                       "sssssswwwwcwcwcwcwcwwwccdsssssss",
                                       "sssssswwwwwwwwwwwwwwwwwwwwdsssss",
                                       "ssssssddddddddddddddddddddssssss",
                                       "ssssssssssssdddkdddsssssssssssss",
                                       "sssssssssssssskkksssssssssssssss",
                                       "ssssssssssssskssskssssssssssssss",
                                       "ssssssssssssskssssksssssssssssss",
                                       "ssssssssssssksssssksssssssssssss",
                                       "ssssssssssskssssssskssssssssssss",
                                       "ssssssssssksssssssssksssssssssss",
                                       "ssssssssssksssssssssskssssssssss",
                                       "ssssssssskssssssssssssksssssssss",
                                       "ssssssssksssssssssssssskssssssss",
                                       "ssssssskssssssssssssssskssssssss",
                                       "ssssssksssssssssssssssssksssssss",
                                       "ssssssksssssssssssssssssskssssss",
                                       "ssssskssssssssggggggggggssksssss",
                                       "ggssksssssssgggggggggggggggsssss",
                                       "ggggggggggggggbbbbbbbbbbgggggggg",
                                       "bbggggggggggbbbbbbbbbbbbbbbggggg",
                                       "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
                                       "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
                                       "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
                                       "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb"};

constexpr const char* kFrameXpm[] = {"32 32 3 1",
                                     ". c #A0A0A0",
                                     "r c #D01818",
                                     "k c #303030",
                                     "................................",
                                     "................................",
                                     "................................",
                                     "............rrrrrrrr............",
                                     "..........rrrrrrrrrrrr..........",
                                     ".........rrrrrrrrrrrrrr.........",
                                     "........rrrrrrrrrrrrrrrr........",
                                     "........rrrrrrrrrrrrrrrr........",
                                     ".......rrrrrrrrrrrrrrrrrr.......",
                                     ".......rrrkkkkrrrkkkkrrrr.......",
                                     ".......rrrkkkkrrrkkkkrrrr.......",
                                     ".......rrrkkkkrrrkkkkrrrr.......",
                                     ".......rrrkkkkrrrkkkkrrrr.......",
                                     ".......rrrrrrrrrrrrrrrrrr.......",
                                     "........rrrrrrrrrrrrrrrr........",
                                     "........rrrrrrrkkrrrrrrr........",
                                     ".........rrrrrrkkrrrrrr.........",
                                     "..........rrrrrrrrrrrr..........",
                                     "..rrr.....rrrrrrrrrrrr.....rrr..",
                                     "..rrrrr...rkrkrkrkrkrr...rrrrr..",
                                     "...rrrrrr.rkrkrkrkrkrr.rrrrrr...",
                                     ".....rrrrrrrrrrrrrrrrrrrrrr.....",
                                     ".......rrrrrrr....rrrrrrr.......",
                                     ".........rrrrrrrrrrrrrr.........",
                                     "...........rrrrrrrrrr...........",
                                     "...........rrrrrrrrrr...........",
                                     ".........rrrrrrrrrrrrrr.........",
                                     ".......rrrrrrr....rrrrrrr.......",
                                     ".....rrrrrr..........rrrrrr.....",
                                     "...rrrrrr..............rrrrrr...",
                                     "..rrrrr..................rrrrr..",
                                     "..rrr......................rrr.."};

constexpr framework::TIconTemplate kProgram{kProgramXpm};
constexpr framework::TIconTemplate kFrame{kFrameXpm};

}  // namespace

const framework::TIconTemplate& ProgramIcon() {
  return kProgram;
}
const framework::TIconTemplate& FrameIcon() {
  return kFrame;
}

}  // namespace fotovuelo::res
