# Writes the gzipped manual page of one program from its --help and --version, with help2man.
# cmake -DPROGRAM=path -DNAME=brindlewood-cli -DSUMMARY=text [-DCOMMANDS="table;afford"]
#       -DOUTPUT=file.1.gz -DHELP2MAN=path -P manpage.cmake
get_filename_component(dir "${OUTPUT}" DIRECTORY)
set(include "${dir}/${NAME}.h2m")
set(text "[ENVIRONMENT]\n.TP\n.B QT_QPA_PLATFORM\nQt's platform plugin (offscreen runs without a display).\n")
string(APPEND text "[FILES]\n.TP\n.I Personal.Mtg\nThe personal settings (name, currency symbol, printer font, compounding), in the "
       "program's folder: the folder given with \\-\\-folder, else the program's own folder when the user may "
       "write there, else ~/.local/share/Brindlewood.\n")
if(COMMANDS)
  string(APPEND text "[COMMANDS]\n")
  foreach(command IN LISTS COMMANDS)
    execute_process(COMMAND "${PROGRAM}" ${command} --help OUTPUT_VARIABLE usage
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "${PROGRAM} ${command} --help failed")
    endif()
    string(REPLACE "\\" "\\\\" usage "${usage}")
    string(REPLACE "-" "\\-" usage "${usage}")
    string(APPEND text ".SS ${command}\n.nf\n${usage}.fi\n")
  endforeach()
endif()
file(WRITE "${include}" "${text}")
string(REGEX REPLACE "\\.gz$" "" page "${OUTPUT}")
execute_process(COMMAND "${HELP2MAN}" --no-info --no-discard-stderr --name=${SUMMARY}
                        --include=${include} --output=${page} "${PROGRAM}"
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "help2man failed for ${PROGRAM}")
endif()
execute_process(COMMAND gzip -9nf "${page}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "gzip failed for ${page}")
endif()
