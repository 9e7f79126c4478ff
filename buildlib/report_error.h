// Counted error reporting shared by the builders and the build library.
//
// ReportError shows one error to the user ("ERROR: " and the message on
// standard error, where a desktop build would show a message box) and counts
// it; the tenth error of a run ends the process with exit status -1, before
// any database is written. Trace is the diagnostic sink: it discards.
#ifndef BAKE_BUILDLIB_REPORT_ERROR_H_
#define BAKE_BUILDLIB_REPORT_ERROR_H_

namespace buildlib {

// Errors that end the run.
constexpr int kMaxErrors = 10;
// A message is cut to this many bytes.
constexpr int kMaxMessageLength = 1023;

// printf-style; always returns 0 when it returns.
int ReportError(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Diagnostics that no user sees.
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Number of errors reported so far in this process.
int ErrorCount();

}  // namespace buildlib

#endif  // BAKE_BUILDLIB_REPORT_ERROR_H_
