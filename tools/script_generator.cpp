// vandrel-script-gen SEED [ACTIONS]: writes a long random script for vandrel-play to standard
// output. The scripts exercise everything a player does — laying, crossings, removal, discard,
// fast-forward, pause and resume, saving and opening through the commands and the menu, and
// whole games through the end-of-game dialogs — so that the player's output for them pins down
// what players and saved files see.
//
// Random laying seldom closes a network, and water spilling into an empty square runs on, so the
// scripts also open worked_example.flm (a source led straight to the drain) now and then, which
// ends within 55 steps unless the random clicks that follow open it up again.
//
// The generator does not run the game. It keeps the player's answer queue topped up instead:
// before every command that may open boxes or dialogs it queues three more answers, as many as
// the most any such command opens (the end of a game: score box, name dialog, leaderboard).
// Answers left over are taken by later dialogs in order, which keeps every run deterministic.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A small generator of its own, so a seed gives the same script with every library.
class ScriptRandom {
 public:
  explicit ScriptRandom(std::uint32_t seed) : m_state(seed * 2654435761u + 1u) {}
  // A draw 0..n-1.
  int Below(int n) {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<int>(m_state % static_cast<std::uint32_t>(n));
  }

 private:
  std::uint32_t m_state;
};

// A saved game whose water reaches the drain and stops: the script's folder must hold it.
constexpr const char* WORKED_EXAMPLE = "worked_example.flm";

constexpr int GAME_NEW = 32772;
constexpr int GAME_LEADERBOARD = 32778;
constexpr int GAME_OPEN = 32786;
constexpr int GAME_SAVE = 32787;

class ScriptWriter {
 public:
  explicit ScriptWriter(std::uint32_t seed) : m_random(seed) {}

  void Write(std::uint32_t seed, int actions) {
    Line("# Random script " + std::to_string(seed) + ", made by vandrel-script-gen.");
    Line("seed " + std::to_string(seed));
    Line("new");
    for (int i = 0; i < actions; ++i) Action();
    FinishGame();
  }

 private:
  void Line(const std::string& text) { std::printf("%s\n", text.c_str()); }
  static std::string Point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }
  // The centre of a random square, sometimes a square's frame line or an edge pixel.
  std::string Square() {
    const int col = m_random.Below(16);
    const int row = m_random.Below(16);
    const int dx = m_random.Below(10) == 0 ? 0 : 9;
    return Point(80 + 19 * col + dx, 80 + 19 * row + 9);
  }
  std::string AnyPoint() { return Point(m_random.Below(479), m_random.Below(458)); }
  std::string SavedName() { return "game" + std::to_string(m_random.Below(3)) + ".flm"; }

  void QueueAnswers() {
    static const char* const kNames[] = {"Wen", "李雷", "", "Ada Lovelace", "韩梅梅"};
    for (int i = 0; i < 3; ++i) {
      const int roll = m_random.Below(10);
      if (roll == 0) Line("answer cancel");
      else if (roll < 4) Line("answer ok " + std::string(kNames[m_random.Below(5)]));
      else if (roll < 5) Line("answer ok " + SavedName());
      else Line("answer ok");
    }
  }

  void Action() {
    const int roll = m_random.Below(100);
    if (roll < 34) Line("click " + Square());
    else if (roll < 38) Line("dblclick " + Square());
    else if (roll < 46) Line("move " + (m_random.Below(2) ? Square() : AnyPoint()));
    else if (roll < 50) Discard();
    else if (roll < 54) Line("rclick " + Square());
    else if (roll < 57) Line("click 167 30");
    else if (roll < 60) Pause();
    else if (roll < 78) Water(1 + m_random.Below(6));
    else if (roll < 82) Line("tick anim " + std::to_string(1 + m_random.Below(25)));
    else if (roll < 84) Line("tick hover");
    else if (roll < 87) Line("save " + SavedName());
    else if (roll < 90) Load();
    else if (roll < 96) Menu();
    else Print();
  }

  void Load() {
    const int roll = m_random.Below(8);
    if (roll == 0) Line("load missing.flm");
    else if (roll < 3) Line("load " + std::string(WORKED_EXAMPLE));
    else Line("load " + SavedName());
  }

  void Discard() {
    Line("move 148 30");
    Line("click 148 30");
  }

  void Pause() {
    Line("click 186 30");
    Water(1);
    Line("tick anim 2");
    Line("click " + AnyPoint());
  }

  void Water(int steps) {
    QueueAnswers();
    Line("tick water " + std::to_string(steps));
  }

  void Menu() {
    static const int kCommands[] = {GAME_NEW, GAME_LEADERBOARD, GAME_OPEN, GAME_SAVE, GAME_SAVE};
    QueueAnswers();
    Line("menu " + std::to_string(kCommands[m_random.Below(5)]));
  }

  void Print() {
    static const char* const kWhat[] = {"board", "score", "state", "queue", "timers"};
    Line(kWhat[m_random.Below(5)]);
  }

  // Fast water until the game has ended and replayed for a while.
  void FinishGame() {
    if (m_random.Below(2) == 0) Line("load " + std::string(WORKED_EXAMPLE));
    for (int i = 0; i < 6; ++i) Water(60);
    Line("board");
    Line("score");
    Line("state");
    Line("timers");
  }

  ScriptRandom m_random;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: vandrel-script-gen SEED [ACTIONS]\n");
    return 2;
  }
  const auto seed = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10));
  const int actions = argc == 3 ? std::atoi(argv[2]) : 400;
  ScriptWriter(seed).Write(seed, actions);
  return 0;
}
