# The environment of the tests in a sanitizer build: every report fails the test, leaks are checked at
# exit, and the suppression files beside this one keep out what lies in the system's libraries.
# Sanitized programs run a few times slower, so a test gets longer before it times out.
set(VARNIX_SANITIZER_FILES ${CMAKE_CURRENT_LIST_DIR})
set(VARNIX_TEST_TIMEOUT 900)
if(VARNIX_SANITIZE MATCHES "thread")
  list(APPEND VARNIX_TEST_ENVIRONMENT
    "TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=${VARNIX_SANITIZER_FILES}/tsan.supp")
else()
  # Mesa's EGL vendor library and its software driver are unloaded when EGL is terminated; the heap
  # blocks their globals still point to are then reported as leaks "from an unknown module", which no
  # suppression can name. Kept loaded for the whole process (ASan's runtime must come first), those
  # blocks stay reachable and the leak check sees only our own.
  find_file(VARNIX_MESA_DRIVER swrast_dri.so PATHS /usr/lib/x86_64-linux-gnu/dri /usr/lib64/dri /usr/lib/dri)
  find_library(VARNIX_MESA_EGL NAMES libEGL_mesa.so.0 EGL_mesa)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libasan.so OUTPUT_VARIABLE VARNIX_ASAN_RUNTIME
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(VARNIX_MESA_DRIVER AND VARNIX_MESA_EGL AND EXISTS "${VARNIX_ASAN_RUNTIME}")
    list(APPEND VARNIX_TEST_ENVIRONMENT "LD_PRELOAD=${VARNIX_ASAN_RUNTIME} ${VARNIX_MESA_DRIVER} ${VARNIX_MESA_EGL}")
  endif()
  list(APPEND VARNIX_TEST_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1"
    "LSAN_OPTIONS=suppressions=${VARNIX_SANITIZER_FILES}/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=${VARNIX_SANITIZER_FILES}/ubsan.supp")
endif()
