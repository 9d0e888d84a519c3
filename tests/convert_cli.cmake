# Runs quirewell-convert on small files and checks its output and exit status.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(expect_run expected_status)
    execute_process(COMMAND ${CONVERT} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL expected_status)
        message(FATAL_ERROR "quirewell-convert ${ARGN}: status ${status}, expected "
                            "${expected_status}\n${out}\n${err}")
    endif()
    set(last_out "${out}" PARENT_SCOPE)
    set(last_err "${err}" PARENT_SCOPE)
endfunction()

function(expect_file path expected_hex)
    file(READ ${path} hex HEX)
    if(NOT hex STREQUAL expected_hex)
        message(FATAL_ERROR "${path}: got ${hex}, expected ${expected_hex}")
    endif()
endfunction()

# LF text, a lone CR, Windows-1252 e-acute: normalised and written as UTF-8.
execute_process(COMMAND printf "a\\nb\\rc\\351" OUTPUT_FILE ${WORK}/in.txt)
expect_run(0 --no-remove-line-breaks ${WORK}/in.txt ${WORK}/out.txt)
expect_file(${WORK}/out.txt "610d0a620d0a63c3a9")
expect_run(0 --cp1252 --no-remove-line-breaks ${WORK}/in.txt ${WORK}/out1252.txt)
expect_file(${WORK}/out1252.txt "610d0a620d0a63e9")

# The encoding of a text that is neither UTF-8 nor marked: Cyrillic in
# Windows-1251 and KOI8-R ("Пр"); an unknown name is refused.
execute_process(COMMAND printf "\\317\\360" OUTPUT_FILE ${WORK}/ru1251.txt)
expect_run(0 --encoding Windows-1251 --no-remove-line-breaks ${WORK}/ru1251.txt ${WORK}/ru.txt)
expect_file(${WORK}/ru.txt "d09fd180")
execute_process(COMMAND printf "\\360\\322" OUTPUT_FILE ${WORK}/koi8.txt)
expect_run(0 --encoding KOI8-R --no-remove-line-breaks ${WORK}/koi8.txt ${WORK}/ru2.txt)
expect_file(${WORK}/ru2.txt "d09fd180")
expect_run(1 --encoding NO-SUCH-ENCODING ${WORK}/koi8.txt ${WORK}/ru3.txt)

# Standard output when OUTPUT is missing or "-".
execute_process(COMMAND ${CONVERT} --no-remove-line-breaks ${WORK}/in.txt
                OUTPUT_FILE ${WORK}/stdout.txt RESULT_VARIABLE status)
expect_file(${WORK}/stdout.txt "610d0a620d0a63c3a9")
execute_process(COMMAND ${CONVERT} --cp1252 --no-remove-line-breaks ${WORK}/in.txt -
                OUTPUT_FILE ${WORK}/stdout2.txt RESULT_VARIABLE status)
expect_file(${WORK}/stdout2.txt "610d0a620d0a63e9")

# UTF-16 with its byte-order mark comes out as the same text.
execute_process(COMMAND printf "\\377\\376a\\0\\n\\0\\351\\0" OUTPUT_FILE ${WORK}/utf16.txt)
expect_run(0 --no-remove-line-breaks ${WORK}/utf16.txt ${WORK}/utf16-out.txt)
expect_file(${WORK}/utf16-out.txt "610d0ac3a9")

# Exit statuses: 1 bad command line, 2 unreadable input, 3 a conversion
# failure (nothing written), 4 unwritable output; the reason on standard error.
expect_run(2 ${WORK}/missing.txt)
if(NOT last_err MATCHES "Cannot open file .*missing.txt!")
    message(FATAL_ERROR "missing file message: ${last_err}")
endif()
expect_run(2 ${WORK})
expect_run(1 --to exe ${WORK}/in.txt)
expect_run(1 --no-such-option ${WORK}/in.txt)
expect_run(1)
file(WRITE ${WORK}/broken.pdb "TEXt")
expect_run(3 ${WORK}/broken.pdb ${WORK}/broken.txt)
if(NOT last_err MATCHES "broken.pdb: Error opening pdb file \\(File is shorter than its header\\)"
   OR EXISTS ${WORK}/broken.txt)
    message(FATAL_ERROR "bad Palm DOC: ${last_err}")
endif()
file(WRITE ${WORK}/damaged.zip "PK\\003\\004 cut short")
expect_run(2 ${WORK}/damaged.zip)
if(NOT last_err MATCHES "Cannot read archive .*damaged.zip: ")
    message(FATAL_ERROR "damaged archive: ${last_err}")
endif()
expect_run(4 ${WORK}/in.txt ${WORK}/no-such-folder/out.txt)
expect_run(0 --help)
if(NOT last_out MATCHES "Usage: quirewell-convert" OR NOT last_out MATCHES "Exit status: 0 done")
    message(FATAL_ERROR "help: ${last_out}")
endif()

# Word, RTF and Palm DOC documents; a Palm DOC file written with its title
# reads back as the same text.
set(DOCS ${CMAKE_CURRENT_LIST_DIR}/data/documents)
foreach(document novel.doc novel.rtf novel_c.pdb novel_u.pdb)
    expect_run(0 ${DOCS}/${document} ${WORK}/${document}.txt)
    file(READ ${WORK}/${document}.txt converted)
    if(NOT converted MATCHES "^Then may not when long")
        message(FATAL_ERROR "${document}: ${converted}")
    endif()
endforeach()
expect_run(0 ${DOCS}/novel.txt ${WORK}/novel-plain.txt)
expect_run(0 --to pdb --title "Novel" ${DOCS}/novel.txt ${WORK}/novel.pdb)
file(READ ${WORK}/novel.pdb head LIMIT 8 HEX)
if(NOT head STREQUAL "4e6f76656c000000")
    message(FATAL_ERROR "Palm DOC title: ${head}")
endif()
expect_run(0 ${WORK}/novel.pdb ${WORK}/novel-back.txt)
file(READ ${WORK}/novel-plain.txt plain)
file(READ ${WORK}/novel-back.txt back)
if(NOT plain STREQUAL back)
    message(FATAL_ERROR "Palm DOC round trip changed the text")
endif()
expect_run(4 --to pdb ${DOCS}/novel.txt ${WORK}/no-such-folder/out.pdb)
# Saving through a symbolic link writes the file it points to and keeps the link.
file(WRITE ${WORK}/linked.pdb "old")
file(CREATE_LINK linked.pdb ${WORK}/link.pdb SYMBOLIC)
expect_run(0 --to pdb --title "Novel" ${DOCS}/novel.txt ${WORK}/link.pdb)
file(READ ${WORK}/linked.pdb head LIMIT 8 HEX)
if(NOT IS_SYMLINK ${WORK}/link.pdb OR NOT head STREQUAL "4e6f76656c000000")
    message(FATAL_ERROR "Palm DOC through a link: ${head}")
endif()

# HTML, XML, members of ZIP archives ("archive.zip|member") and OpenDocument text.
file(WRITE ${WORK}/page.htm "<html><head><title>T</title></head><body><p>One <b>two</b></p><p>three &amp; four</p></body></html>")
file(WRITE ${WORK}/note.txt "plain\n")
file(WRITE ${WORK}/content.xml "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content><office:body><text:p>Para one</text:p><text:p>Para two</text:p></office:body></office:document-content>")
expect_run(0 ${WORK}/page.htm ${WORK}/page.txt)
expect_file(${WORK}/page.txt "4f6e652054574f0d0a0d0a7468726565202620666f7572")
expect_run(0 --emphasis marks ${WORK}/page.htm ${WORK}/page-marks.txt)
expect_file(${WORK}/page-marks.txt "4f6e65202a74776f2a0d0a0d0a7468726565202620666f7572")
expect_run(1 --emphasis loud ${WORK}/page.htm)
# Plain XML keeps line-break removal on, as in the reader; OpenDocument text
# (below) switches it off.
expect_run(0 ${WORK}/content.xml ${WORK}/content.txt)
expect_file(${WORK}/content.txt "50617261206f6e6520506172612074776f")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf set.zip --format=zip page.htm note.txt
                WORKING_DIRECTORY ${WORK})
expect_run(0 "${WORK}/set.zip|page.htm" ${WORK}/member.txt)
expect_file(${WORK}/member.txt "4f6e652054574f0d0a0d0a7468726565202620666f7572")
expect_run(2 ${WORK}/set.zip)
expect_run(2 "${WORK}/set.zip|missing.txt")
if(NOT last_err MATCHES "Error unzipping file missing.txt from archive")
    message(FATAL_ERROR "missing member: ${last_err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf doc.odt --format=zip content.xml
                WORKING_DIRECTORY ${WORK})
expect_run(0 ${WORK}/doc.odt ${WORK}/odt.txt)
expect_file(${WORK}/odt.txt "50617261206f6e650d0a506172612074776f")

# Line-break removal: paragraph lines joined, the empty line kept; the two
# check options keep the break after "Stop." and before the indented line.
execute_process(COMMAND printf "Stop.\\r\\nNext\\r\\n  in-\\r\\nline\\r\\n\\r\\nEnd"
                OUTPUT_FILE ${WORK}/wrapped.txt)
# "Stop. Next in-line" CR LF CR LF "End"
expect_run(0 --remove-line-breaks --no-not-before-indentation ${WORK}/wrapped.txt
           ${WORK}/joined.txt)
expect_file(${WORK}/joined.txt "53746f702e204e65787420696e2d6c696e650d0a0d0a456e64")
# The reader's defaults: removal on, not before indentation.
# "Stop. Next" CR LF "  in-line" CR LF CR LF "End"
expect_run(0 ${WORK}/wrapped.txt ${WORK}/default.txt)
expect_file(${WORK}/default.txt "53746f702e204e6578740d0a2020696e2d6c696e650d0a0d0a456e64")
# "Stop." CR LF "Next" CR LF "  in-line" CR LF CR LF "End"
expect_run(0 --remove-line-breaks --not-after-punctuation --not-before-indentation
           ${WORK}/wrapped.txt ${WORK}/joined2.txt)
expect_file(${WORK}/joined2.txt "53746f702e0d0a4e6578740d0a2020696e2d6c696e650d0a0d0a456e64")
# Without removal the text keeps every break; so does a user's configuration
# that switches removal off, unless the command line switches it on again.
set(kept_hex "53746f702e0d0a4e6578740d0a2020696e2d0d0a6c696e650d0a0d0a456e64")
expect_run(0 --no-remove-line-breaks ${WORK}/wrapped.txt ${WORK}/kept.txt)
expect_file(${WORK}/kept.txt ${kept_hex})
file(WRITE ${WORK}/config/Quirewell.ini
     "[Default]\nRemove line breaks=No\n[Import]\nDOC blank line between paragraphs=No\n")
expect_run(0 --config ${WORK}/config ${WORK}/wrapped.txt ${WORK}/kept.txt)
expect_file(${WORK}/kept.txt ${kept_hex})
expect_run(0 --config ${WORK}/config --remove-line-breaks ${WORK}/wrapped.txt ${WORK}/kept.txt)
expect_file(${WORK}/kept.txt "53746f702e204e6578740d0a2020696e2d6c696e650d0a0d0a456e64")
expect_run(2 --config ${WORK}/no-such-config ${WORK}/wrapped.txt)
# Palm DOC paragraphs get a blank line by default; the configuration or
# --no-doc-blank-line take it away.
file(WRITE ${WORK}/two.txt "one\ntwo")
expect_run(0 --to pdb --no-remove-line-breaks ${WORK}/two.txt ${WORK}/two.pdb)
expect_run(0 ${WORK}/two.pdb ${WORK}/two-default.txt)
expect_file(${WORK}/two-default.txt "6f6e650d0a0d0a74776f")
expect_run(0 --config ${WORK}/config ${WORK}/two.pdb ${WORK}/two-config.txt)
expect_file(${WORK}/two-config.txt "6f6e650d0a74776f")
expect_run(0 --no-doc-blank-line ${WORK}/two.pdb ${WORK}/two-joined.txt)
expect_file(${WORK}/two-joined.txt "6f6e652074776f")
expect_run(0 --no-remove-line-breaks ${WORK}/wrapped.txt ${WORK}/kept.txt)
expect_file(${WORK}/kept.txt "53746f702e0d0a4e6578740d0a2020696e2d0d0a6c696e650d0a0d0a456e64")

# The contents listing: display-line number, TAB, heading; e-acute in UTF-8.
# Line-break removal runs first and moves the second chapter up one line.
execute_process(COMMAND printf
                "Title\\r\\n\\r\\n\\r\\n\\r\\nCHAPTER I\\r\\n\\r\\none\\r\\ntwo\\r\\n\\r\\n\\r\\n\\r\\nCHAPTER \\351\\r\\nend\\r\\n"
                OUTPUT_FILE ${WORK}/chapters.txt)
expect_run(0 --contents --no-remove-line-breaks ${WORK}/chapters.txt ${WORK}/contents.txt)
# "1" TAB "Title" LF "5" TAB "CHAPTER I" LF "12" TAB "CHAPTER " e-acute LF
expect_file(${WORK}/contents.txt
            "31095469746c650a35094348415054455220490a3132094348415054455220c3a90a")
expect_run(0 --contents --remove-line-breaks ${WORK}/chapters.txt ${WORK}/contents2.txt)
file(READ ${WORK}/contents2.txt listing)
if(NOT listing MATCHES "^1\tTitle\n5\tCHAPTER I\n11\tCHAPTER ")
    message(FATAL_ERROR "contents after line-break removal: ${listing}")
endif()
expect_run(0 --help)
if(NOT last_out MATCHES "80 units a line, every")
    message(FATAL_ERROR "help does not name the line width: ${last_out}")
endif()
