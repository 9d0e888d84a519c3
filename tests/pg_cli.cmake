# Runs quirewell-pg list on index files of today's two styles and of the
# older fixed-column shape, and checks its lines and exit status.

function(expect_run expected_status)
    execute_process(COMMAND ${PG} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "quirewell-pg ${ARGN}: status ${status}, expected "
                            "${expected_status}\n${out}\n${err}")
    endif()
    string(REGEX REPLACE "\n$" "" out "${out}")
    string(REPLACE ";" "," out "${out}")
    string(REPLACE "\n" ";" lines "${out}")
    set(lines "${lines}" PARENT_SCOPE)
endfunction()

function(expect_line index expected)
    list(GET lines ${index} line)
    if(NOT line STREQUAL expected)
        message(FATAL_ERROR "line ${index}: got '${line}', expected '${expected}'")
    endif()
endfunction()

function(expect_count expected)
    list(LENGTH lines count)
    if(NOT count EQUAL expected)
        message(FATAL_ERROR "got ${count} lines, expected ${expected}")
    endif()
endfunction()

set(today ${DATA}/catalogue/2025)
expect_run(0 list --index ${today})
expect_count(300)
expect_line(0 "100500\tOcean Ocean 0, by Juhani Aho\t[Illustrator: Akseli Gallen-Kallela]")
expect_line(2 "100426\tTale Ocean 2, by Anton Chekhov\t[Subtitle: Volume 2 of the works] | [Language: French]")
expect_line(4 "100352C\tRiver Ocean 4, by Mark Twain\t[Subtitle: Volume 4 of the works]")
expect_line(299 "12\tŒuvres Ocean 299, by Émile Zola\t[Subtitle: Volume 299 of the works] | [Language: Swedish]")

# By number: 12, 1234, then every number no shorter than the one before
# (six digits after five, "C" after its plain number).
expect_run(0 list --index ${today} --sort number)
expect_line(0 "12\tŒuvres Ocean 299, by Émile Zola\t[Subtitle: Volume 299 of the works] | [Language: Swedish]")
expect_line(1 "1234\tKalevala Ocean 298, by Mark Twain\t[Subtitle: Volume 298 of the works]")
set(previous 0)
foreach(line IN LISTS lines)
    string(REGEX MATCH "^[0-9]+" number "${line}")
    if(number LESS previous)
        message(FATAL_ERROR "${number} after ${previous}")
    endif()
    set(previous ${number})
endforeach()

# Letter case: é and É are the same letter unless --case.
expect_run(0 list --index ${today} --filter "ÉMILE ZOLA")
expect_count(43)
expect_run(0 list --index ${today} --filter "ÉMILE ZOLA" --case)
expect_count(0)
expect_run(0 list --index ${today} --filter "Volume 29 " --sort title)
expect_count(1)
expect_line(0 "99427\tNight Tale 29, by Selma Lagerlöf\t[Subtitle: Volume 29 of the works] | [Language: Swedish]")

# The 2019 style: LF lines, no byte-order mark; sorted by title, "Ä" as "A".
expect_run(0 list --index ${DATA}/catalogue/2019 --sort title)
expect_count(200)
expect_line(0 "57314\tÄpfel Äpfel 78, by Selma Lagerlöf\t")

# The fixed-column index in Windows-1252 with the Australian index after it.
expect_run(0 list --index ${DATA}/catalogue/classic --filter café)
expect_count(42)
expect_line(0 "19850\tOld Café 3, by Jane Austen\t[Language: English]")
expect_run(0 list --index ${DATA}/catalogue/classic --sort number)
expect_count(310)
expect_line(309 "A  159\tAussie Book 59, by Writer 3\t")

# Failures: no index, a bad option.
expect_run(2 list --index ${DATA}/documents)
expect_run(1 list --sort date)
expect_run(1 list --filter)
expect_run(1 show)
expect_run(0 --help)
