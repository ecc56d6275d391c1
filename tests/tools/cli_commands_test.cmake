# Runs the built `tessera` program for a few commands and checks what each
# prints and the exit status it gives.
#
# Variables: TESSERA, the program; DATA, the fixture data directory;
# WORK_DIR, a directory for scratch files; EMULATOR, the words of the
# cross-build emulator joined by "|" (empty for a native build).
string(REPLACE "|" ";" emulator "${EMULATOR}")

# expect(STATUS STDOUT_REGEX [INPUT FILE] ARGS...)
function(expect status stdout_regex)
  set(input_option "")
  set(args ${ARGN})
  list(GET args 0 first)
  if(first STREQUAL "INPUT")
    list(GET args 1 input_file)
    set(input_option INPUT_FILE ${input_file})
    list(REMOVE_AT args 0 1)
  endif()
  execute_process(COMMAND ${emulator} ${TESSERA} --data ${DATA} ${args}
                  ${input_option}
                  RESULT_VARIABLE got
                  OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT got STREQUAL "${status}")
    message(SEND_ERROR "tessera ${args}: status ${got}, expected ${status}\n"
                       "stdout: ${out}\nstderr: ${err}")
  elseif(NOT out MATCHES "${stdout_regex}")
    message(SEND_ERROR "tessera ${args}: unexpected output\n"
                       "stdout: ${out}\nstderr: ${err}")
  endif()
endfunction()

set(words "[^ .\n]+\\.[^ .\n]+\\.[^ .\n]+")
expect(0 "^[0-9]+\\.[0-9]+\\.[0-9]+\n$" version)
expect(0 "^${words}\n$" convert 51.52 -0.12 en)
expect(0 "^-33\\.[0-9]+,18\\.[0-9]+ -33\\.[0-9]+,18\\.[0-9]+\n$"
       --engine server square -33.9 18.4)
expect(0 "^de\nen\nja\n$" languages)
expect(0 "^0\n$" check-data ${DATA})
# The fixture excludes the squares around 51.505,-0.125.
expect(3 "^$" convert 51.505 -0.125 en)
expect(3 "^$" reverse not.an.address)
expect(1 "^$" convert 91 0 en)
expect(1 "^$" convert 51.52 -0.12 fr)
expect(2 "^$" convert north 0 en)
expect(2 "^$" convert 51.52)
# One misspelt letter; the fixture's address lies in country BB.
expect(0 "^defais\\.marbra\\.haithi\ten\tBB\t[^\t\n]*\t7[0-9](\\.[0-9])?\n"
       suggest --focus 0,10 defais.marbra.haith)
expect(0 "^[^\t\n]+\ten\tCC\t" suggest --clip-countries CC defais.marbra.haithi)
expect(3 "^$" suggest --clip-circle 50,-120,1 defais.marbra.haithi)

file(WRITE ${WORK_DIR}/batch_input.txt
     "{\"op\":\"convert_to_3wa\",\"lat\":51.52,\"lng\":-0.12,\"language\":\"en\"}\n"
     "not json\n"
     "{\"op\":\"country_code\",\"lat\":91,\"lng\":0}\n")
expect(0
       "^{\"result\":\"${words}\"}\n{\"error\":{\"type\":\"usage\",[^\n]*}}\n{\"error\":{\"type\":\"InvalidArgumentError\",[^\n]*}}\n$"
       INPUT ${WORK_DIR}/batch_input.txt batch)
