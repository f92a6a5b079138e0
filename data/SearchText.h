#pragma once
// How the search compares names: each name is folded once into lower-case words without
// accents, and what the user types is folded the same way.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

/// The words of a text as the search compares them, in UTF-8, joined by one blank: the text's
/// compatibility decomposition with its combining marks dropped and its case folded ("Épée" and
/// "EPEE" both give "epee"); each run of letters and digits is a word, an apostrophe inside a
/// run is dropped ("Hunter's" gives "hunters") and anything else only separates words.
std::string foldForSearch(const QString& text);

/// The words of a folded text (views into it).
std::vector<std::string_view> foldedWords(std::string_view folded);
