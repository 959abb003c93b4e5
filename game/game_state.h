#pragma once

// Play state of the game window, stored as an int (saved games hold the number).
enum GameState : int {
  Playing = 0,  // the water runs, clicks play, the score changes
  Over = 1,     // the game has ended; the finished network replays its flow
  Paused = 2,   // the water timer is stopped and the pause picture shows
};
