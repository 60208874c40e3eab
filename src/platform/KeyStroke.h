#pragma once

namespace zorvel {

// A keystroke on its way to the main window, before any control sees it.
struct KeyStroke {
    bool character = false;  // a typed character, not a key going down or up
    bool withAlt = false;
};

// An access key is its letter pressed with Alt. A character typed without Alt belongs to the
// control with the focus: the text boxes and the list take it, a button ignores it; it never
// clicks the button whose access key it happens to be.
constexpr bool mayActAsAccessKey(KeyStroke key) {
    return !key.character || key.withAlt;
}

}  // namespace zorvel
