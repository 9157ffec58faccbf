#pragma once

#include <QString>
#include <random>

namespace mirtal::sweep {

// How a generated text reaches a field: key by key, through the clipboard with Ctrl+V or
// with the context menu's Paste, or dropped on it.
enum class Delivery { Typed, Pasted, MenuPasted, Dropped };

// A keystroke that is not a character: editing keys, clipboard and undo shortcuts, Enter,
// Escape, Tab and the arrows.
struct EditKey {
    int key;
    int modifiers;
};

// Makes the inputs of the sweep from one seeded generator, so that a batch can be run again
// exactly: texts made of letters, digits, points, quotes, statement signs, control
// characters, other scripts, right-to-left marks and emoji, now and then 10,000 characters
// long.
class InputMaker {
  public:
    static constexpr int longTextSize = 10000;
    // Typed texts stay short: a person types a few hundred keys at most, and long texts
    // arrive by paste and drop.
    static constexpr int longestTypedText = 200;

    explicit InputMaker(unsigned seed) : random_(seed) {}

    QString text();
    QString typedText();
    Delivery delivery();
    EditKey editKey();

    int below(int bound);
    bool chance(double probability);
    std::mt19937& engine() { return random_; }

  private:
    QString piece();

    std::mt19937 random_;
};

}  // namespace mirtal::sweep
