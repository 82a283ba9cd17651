# SPDX-FileCopyrightText: 2026 The Lumeq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# lupdate over the files whose texts are marked for translation, run on a copy of the .ts file:
# every text must have a finished translation and no entry may be left over from a text
# that is gone. Arguments: LUPDATE, TS, SOURCES_LIST (one file a line), OUT (a scratch folder).
file(MAKE_DIRECTORY ${OUT})
get_filename_component(name ${TS} NAME)
set(copy ${OUT}/${name})
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} -locations none -source-language ru -target-language en @${SOURCES_LIST} -ts ${copy}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${out}${err}")
endif()
file(READ ${copy} ts)
foreach(kind unfinished vanished obsolete)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"${kind}\"" found "${ts}")
  list(LENGTH found count)
  if(count GREATER 0)
    message(FATAL_ERROR "${count} ${kind} entries in ${name} after lupdate; run "
                        "`cmake --build build --target update_translations` and translate them:\n${found}")
  endif()
endforeach()
message(STATUS "${name}: every marked text translated\n${out}")
