// The 24 letters, alpha to omega, in alphabet order.
#include "catalog/greek_letters.h"

#include <array>

namespace halvane {

namespace {

constexpr std::array<std::string_view, 24> NAMES = {
    "alpha", "beta",  "gamma",  "delta",   "epsilon", "zeta", "eta",     "theta",
    "iota",  "kappa", "lambda", "mu",      "nu",      "xi",   "omicron", "pi",
    "rho",   "sigma", "tau",    "upsilon", "phi",     "chi",  "psi",     "omega"};
constexpr std::array<std::string_view, 24> ABBREVIATIONS = {
    "alf", "bet", "gam", "del", "eps", "zet", "eta", "tet", "iot", "kap", "lam", "mu",
    "nu",  "ksi", "omi", "pi",  "rho", "sig", "tau", "ups", "phi", "chi", "psi", "ome"};

// Position in the alphabet, or -1. Final sigma is sigma; U+03A2 is unassigned.
int LetterIndex(char32_t c) {
  if (c >= 0x0391 && c <= 0x03A9) c += 0x20;
  if (c == 0x03C2) return 17;
  if (c < 0x03B1 || c > 0x03C9) return -1;
  const int index = static_cast<int>(c - 0x03B1);
  return index > 17 ? index - 1 : index;
}

}  // namespace

std::string_view GreekLetterName(char32_t letter) {
  const int index = LetterIndex(letter);
  return index < 0 ? std::string_view() : NAMES[static_cast<size_t>(index)];
}

std::string_view GreekLetterAbbreviation(char32_t letter) {
  const int index = LetterIndex(letter);
  return index < 0 ? std::string_view() : ABBREVIATIONS[static_cast<size_t>(index)];
}

}  // namespace halvane
