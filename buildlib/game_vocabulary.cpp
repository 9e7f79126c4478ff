#include "buildlib/game_vocabulary.h"

namespace buildlib {

std::string ToLowerAscii(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lowered;
}

int32_t LookupCode(std::span<const VocabularyEntry> vocabulary, std::string_view lowered,
                   int32_t fallback) {
  for (const VocabularyEntry& entry : vocabulary) {
    if (lowered == entry.text) return entry.code;
  }
  return fallback;
}

}  // namespace buildlib
