#include "buildlib/report_error.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/console.h"

namespace buildlib {

namespace {
int error_count = 0;
}  // namespace

int ReportError(const char* format, ...) {
  char message[kMaxMessageLength + 1];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);

  std::string text = "ERROR: ";
  text += message;
  if (text.back() != '\n') text += '\n';
  platform::WriteError(text);

  if (++error_count >= kMaxErrors) {
    std::exit(-1);
  }
  return 0;
}

void Trace(const char* /*format*/, ...) {}

int ErrorCount() { return error_count; }

}  // namespace buildlib
