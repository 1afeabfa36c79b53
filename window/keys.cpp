#include "window/keys.h"

#include <cctype>

namespace {

unsigned char lower(unsigned char c) { return static_cast<unsigned char>(std::tolower(c)); }

} // namespace

const KeyBinding* bindingOfCode(int code) {
    for (const KeyBinding& binding : keyBindings) {
        if (binding.code == code) {
            return &binding;
        }
    }
    return nullptr;
}

const KeyBinding* bindingOfLetter(unsigned char letter) {
    for (const KeyBinding& binding : keyBindings) {
        if (binding.letter != 0 && binding.letter == lower(letter)) {
            return &binding;
        }
    }
    return nullptr;
}

const KeyBinding* bindingOfName(const std::string& name) {
    std::string lowered;
    for (const char c : name) {
        lowered += static_cast<char>(lower(static_cast<unsigned char>(c)));
    }
    for (const KeyBinding& binding : keyBindings) {
        if (lowered == binding.name) {
            return &binding;
        }
    }
    // A letter names the key it stands for; the space bar's letter is no name.
    if (lowered.size() == 1 && std::isalpha(static_cast<unsigned char>(lowered[0])) != 0) {
        return bindingOfLetter(static_cast<unsigned char>(lowered[0]));
    }
    return nullptr;
}

std::string keyNames() {
    std::string names;
    for (const KeyBinding& binding : keyBindings) {
        names += (names.empty() ? "" : " ") + std::string(binding.name);
    }
    for (const KeyBinding& binding : keyBindings) {
        if (std::isalpha(binding.letter) != 0) {
            names += " " + std::string(1, static_cast<char>(binding.letter));
        }
    }
    return names;
}

const CommandBinding* commandOfLetter(unsigned char letter) {
    for (const CommandBinding& binding : commandBindings) {
        if (binding.letter != 0 && binding.letter == lower(letter)) {
            return &binding;
        }
    }
    return nullptr;
}

const CommandBinding* commandOfSpecial(int special) {
    for (const CommandBinding& binding : commandBindings) {
        if (binding.letter == 0 && binding.special == special) {
            return &binding;
        }
    }
    return nullptr;
}
