#pragma once

namespace zubble {

// Every picture the game shows; the Qt backend maps each to a compiled-in PNG.
enum class PictureId {
    None,
    WindowLevel1, // blue pyramids behind the level-1 board
    WindowLevel2, // red cubes behind the level-2 board
    Back2Level1, // orange and yellow swirl
    Back2Level2, // soft green clouds
    Panel, // the side panel with SCORE, LIVES and LEVEL frames
    Zub0, Zub1, Zub2, Zub3, Zub4, // the player's mouth, widest open to shut
    Ghost0, Ghost1, Ghost2, Ghost3,
    Icon,
};

constexpr PictureId zubFrame(int index) { return PictureId(int(PictureId::Zub0) + index); }
constexpr PictureId ghostPicture(int index) { return PictureId(int(PictureId::Ghost0) + index); }

} // namespace zubble
