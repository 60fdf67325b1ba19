# Adds the ctest test fuzz_smoke: fuzz/run for 30 seconds per target. Include it from the main
# build after enable_testing(). It builds its own clang tree in build-fuzz/, so it is labelled
# nosan (the sanitizer suite need not run it twice) and skipped where clang++ is missing; exit
# code 77 is reserved for that skip.
set(MEMOQUILL_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
add_test(NAME fuzz_smoke
  COMMAND /bin/sh -c "if ! command -v clang++ >/dev/null 2>&1; then echo 'fuzz_smoke skipped: clang++ not found (install clang and libclang-rt-14-dev to run it)'; exit 77; fi; \"$1\" 30; status=$?; [ $status -eq 77 ] && status=1; exit $status"
          fuzz_smoke ${MEMOQUILL_FUZZ_DIR}/run)
set_tests_properties(fuzz_smoke PROPERTIES
  LABELS "fuzz;nosan"
  SKIP_RETURN_CODE 77
  TIMEOUT 900
  RUN_SERIAL TRUE)

# The seed corpora replayed through the fuzz targets' checks, built with the project's own
# compiler: the plain codec and the word lists are held to the fuzzers' properties on every run
# of the suite.
foreach(target read roundtrip wordlist)
  add_executable(fuzz_${target}_replay ${MEMOQUILL_FUZZ_DIR}/fuzz_${target}.cpp
                 ${MEMOQUILL_FUZZ_DIR}/replay.cpp ${MEMOQUILL_FUZZ_DIR}/fuzzcheck.h)
  target_link_libraries(fuzz_${target}_replay PRIVATE memoquill_deck)
  add_test(NAME fuzz_${target}_replay
           COMMAND fuzz_${target}_replay ${MEMOQUILL_FUZZ_DIR}/corpus/${target})
  set_tests_properties(fuzz_${target}_replay PROPERTIES LABELS deck TIMEOUT 120)
endforeach()
