#pragma once

// Which characters make up words, to tell a pattern that names something from one of blanks
// and punctuation. The platform's own classification is not portable, so this is a table of
// the letters and decimal digits of the main scripts: Latin (with Romanian's ș ț ă î â),
// Greek, Cyrillic, Hebrew, Arabic, Chinese, Japanese kana, Korean, and full-width forms. A
// script left out only gets its patterns refused; it never lets a broad one through.
namespace zorvel::letters {

bool isLetterOrDigit(char32_t c);
// An accent or vowel sign written as a character of its own (decomposed Latin, Hebrew and
// Arabic points): part of the word it sits on, neither a letter nor a break.
bool isCombiningMark(char32_t c);

}  // namespace zorvel::letters
