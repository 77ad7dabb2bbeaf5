# Sourced by the scripts that run the sanitizer build: how the sanitizers
# report, and the leaks they leave alone (only inside system libraries).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/lsan-suppressions.txt:print_suppressions=0}
