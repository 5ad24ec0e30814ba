# Runs adistool in the data folder; arguments: expected exit status, file with
# the expected standard output (or "-" to skip the comparison), tool arguments.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failures 0)

function(expect_run expected_rc expected_file)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
    WORKING_DIRECTORY ${DATA}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r" "" out "${out}")
  if(NOT rc STREQUAL "${expected_rc}")
    message(SEND_ERROR "adistool ${ARGN}: exit status ${rc}, expected ${expected_rc}\n${err}")
  endif()
  if(NOT expected_file STREQUAL "-")
    file(READ ${DATA}/${expected_file} expected)
    string(REPLACE "\r" "" expected "${expected}")
    if(NOT out STREQUAL expected)
      file(WRITE ${WORK}/${expected_file}.actual "${out}")
      message(SEND_ERROR "adistool ${ARGN}: output differs from ${expected_file}, "
                         "see ${WORK}/${expected_file}.actual")
    endif()
  endif()
endfunction()

# Runs adistool expecting an exit status and a text in its standard error.
function(expect_error expected_rc expected_text)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
    WORKING_DIRECTORY ${DATA}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL "${expected_rc}")
    message(SEND_ERROR "adistool ${ARGN}: exit status ${rc}, expected ${expected_rc}\n${err}")
  endif()
  string(FIND "${err}" "${expected_text}" at)
  if(at LESS 0)
    message(SEND_ERROR "adistool ${ARGN}: \"${expected_text}\" not in its errors: ${err}")
  endif()
endfunction()

# The bytes of a file from its first "TN" line on (as hexadecimal text).
function(read_body path out_var)
  file(READ ${path} content HEX)
  string(FIND "${content}" "0d0a544e0d0a" at) # CR LF "TN" CR LF
  if(at LESS 0)
    message(SEND_ERROR "${path} has no TN line")
    return()
  endif()
  math(EXPR at "${at} + 4")
  string(SUBSTRING "${content}" ${at} -1 body)
  set(${out_var} "${body}" PARENT_SCOPE)
endfunction()

expect_run(0 check_sample.txt check sample.dat --dict small_dd.ini)
expect_run(0 check_sample_events.txt check sample.dat --dict small_dd.ini --check-events
           --require-header)
expect_run(0 dump_sample.json dump sample.dat --dict small_dd.ini)
expect_run(1 check_headless.txt check headless.dat --require-header)
expect_run(0 check_headless_lax.txt check headless.dat)
expect_run(1 check_missing.txt check missing.dat)
expect_run(1 empty.txt check empty.dat)
foreach(usage "" "check" "frobnicate;x" "check;a;--bogus" "rewrite;a" "check;a;-o;b"
              "dict;cows;-o;x" "check;a;--dict")
  expect_run(2 empty.txt ${usage})
endforeach()
# A dictionary file that cannot be used is not a usage error.
expect_error(1 "cannot load the dictionary missing_dd.ini" check sample.dat --dict missing_dd.ini)
expect_error(1 "the dictionary itemless_dd.ini has no items"
             check sample.dat --dict itemless_dd.ini)
expect_error(1 "the dictionary eventless_dd.ini has no events"
             check sample.dat --dict eventless_dd.ini)
expect_run(2 empty.txt check sample.dat --key-events)

# A herd answer is read with the request's events as key events: without them
# its lines of the herd request event 000001 have no key events.
expect_run(0 check_herd_answer.txt check herd_answer.dat --dict herd --require-header)
expect_run(0 empty.txt check herd_answer.dat --dict herd --require-header
           --key-events herd_request.dat)
expect_run(0 - rewrite herd_answer.dat -o ${WORK}/herd_answer.dat --dict herd
           --key-events herd_request.dat)
read_body(${DATA}/herd_answer.dat input)
read_body(${WORK}/herd_answer.dat written)
if(NOT input STREQUAL written)
  message(SEND_ERROR "the herd answer read with its key events lost lines: "
                     "see ${WORK}/herd_answer.dat")
endif()
expect_error(1 "cannot read the request file missing.dat"
             check herd_answer.dat --dict herd --key-events missing.dat)

# Rewriting: a file in the writer's own layout is written back as it was read
# (from its first "TN" on; the header is the writer's own). Any other file is
# written in that layout, with what the reader kept.
expect_run(0 - rewrite canonical.dat -o ${WORK}/canonical.dat --dict small_dd.ini)
read_body(${DATA}/canonical.dat input)
read_body(${WORK}/canonical.dat written)
if(NOT input STREQUAL written)
  message(SEND_ERROR "rewriting canonical.dat changed it: see ${WORK}/canonical.dat")
endif()
expect_run(0 - rewrite sample.dat -o ${WORK}/once.dat --dict small_dd.ini)
expect_run(0 dump_rewritten.json dump ${WORK}/once.dat --dict small_dd.ini)
expect_run(1 - rewrite sample.dat -o ${WORK}/no/such/folder/out.dat --dict small_dd.ini)

# The built-in dictionaries: as the program holds them (the national one with
# its not-supported list), and as written to a dictionary file.
expect_run(0 check_national.txt check national.dat --dict national)
expect_run(0 check_national.txt check national.dat --dict national --national-version "ZIRAZ19 ")
expect_run(2 empty.txt dict national --national-version ZIRAZ99 -o ${WORK}/x.ini)
expect_run(0 empty.txt dict herd -o ${WORK}/herd_dd.ini)
expect_run(0 empty.txt dict national -o ${WORK}/national_dd.ini)
expect_run(0 check_national_file.txt check national.dat --dict ${WORK}/national_dd.ini)
