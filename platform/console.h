// Console output for errors. On a desktop build an error would be shown in a
// message box; this build writes it to standard error, unbuffered, so the text
// reaches the user even when the process ends right afterwards.
#ifndef BAKE_PLATFORM_CONSOLE_H_
#define BAKE_PLATFORM_CONSOLE_H_

#include <string_view>

namespace platform {

// Writes `text` to standard error exactly as given (no prefix, no line feed added).
void WriteError(std::string_view text);

}  // namespace platform

#endif  // BAKE_PLATFORM_CONSOLE_H_
