#include "board_renderer/board_scratch.hpp"

namespace coilwend {

BoardScratch& board_scratch() {
    static BoardScratch scratch;
    return scratch;
}

} // namespace coilwend
