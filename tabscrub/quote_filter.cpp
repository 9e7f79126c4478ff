#include "tabscrub/quote_filter.h"

namespace tabscrub {

size_t StripQuotes(const char* in, size_t size, char* out) {
  size_t kept = 0;
  for (size_t i = 0; i < size; ++i) {
    if (in[i] != kQuote) out[kept++] = in[i];
  }
  return kept;
}

}  // namespace tabscrub
